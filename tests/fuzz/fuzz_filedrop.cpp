// The drop decision over any list of URLs another program may hand over, one URL per line.
#include "Fuzz.h"

#include "panes/core/FileDrop.h"

#include <QDir>

#include <algorithm>

using namespace Qt::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QList<QUrl> urls;
    for (const QByteArray &line : bytes.split('\n'))
        urls.append(QUrl::fromEncoded(line));
    const FileDrop drop = decideFileDrop(urls);

    const auto isFile = [](const QUrl &url) { return url.isValid() && url.isLocalFile(); };
    const auto files = std::count_if(urls.cbegin(), urls.cend(), isFile);
    FUZZ_CHECK(carriesFileUrl(urls) == (files > 0));
    if (files != 1) {
        FUZZ_CHECK(!drop.accepted && !drop.line);
        return 0;
    }
    const std::optional<QString> path =
        localPathOf(*std::find_if(urls.cbegin(), urls.cend(), isFile));
    FUZZ_CHECK(drop.accepted == path.has_value());
    if (path) {
        FUZZ_CHECK(drop.line == u"File was dropped: "_s + *path);
        FUZZ_CHECK(!QDir::isRelativePath(*path) && !path->contains(QChar::Null));
    } else {
        FUZZ_CHECK(drop.line == u"Error: Not a valid URL."_s);
    }
    return 0;
}
