#include "FileDrop.h"

#include <QDir>
#include <QStringDecoder>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

bool isFileUrl(const QUrl &url)
{
    return url.isValid() && url.isLocalFile();
}

bool isLocalHost(const QString &host)
{
    return host.isEmpty() || host.compare("localhost"_L1, Qt::CaseInsensitive) == 0;
}

} // namespace

bool carriesFileUrl(const QList<QUrl> &urls)
{
    return std::any_of(urls.cbegin(), urls.cend(), isFileUrl);
}

std::optional<QString> localPathOf(const QUrl &url)
{
    if (!isFileUrl(url))
        return std::nullopt;
    QUrl local = url;
    if (isLocalHost(url.host())) {
        local.setHost(QString());
    } else {
#ifndef Q_OS_WIN
        // Only Windows reaches a share on another host through an ordinary path.
        return std::nullopt;
#endif
    }
    // QUrl decodes bytes that are not UTF-8 to U+FFFD, which would name a different file.
    const QByteArray bytes =
        QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8.decode(bytes);
    if (utf8.hasError() || decoded.contains(QChar::Null))
        return std::nullopt;
    const QString path = local.toLocalFile();
    if (path.isEmpty() || QDir::isRelativePath(path))
        return std::nullopt;
    return QDir::toNativeSeparators(path);
}

FileDrop decideFileDrop(const QList<QUrl> &urls)
{
    const auto fileUrls = std::count_if(urls.cbegin(), urls.cend(), isFileUrl);
    if (fileUrls != 1)
        return {};
    const QUrl &url = *std::find_if(urls.cbegin(), urls.cend(), isFileUrl);
    if (const std::optional<QString> path = localPathOf(url))
        return {true, u"File was dropped: "_s + *path};
    return {false, u"Error: Not a valid URL."_s};
}
