#include "MyExportDocument.h"

#include <QStringEncoder>

#include <charconv>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

constexpr char header[] = "Name\tNumber\n";
constexpr qsizetype headerSize = sizeof(header) - 1;
// "-9223372036854775808": the longest a 64-bit number can be.
constexpr qsizetype maxNumberSize = std::numeric_limits<std::int64_t>::digits10 + 2;
// One UTF-16 unit never takes more than three UTF-8 bytes (a surrogate pair takes four for two),
// and an escape takes two.
constexpr qsizetype maxBytesPerUnit = 3;

char escapeLetter(char16_t unit)
{
    switch (unit) {
    case u'\t':
        return 't';
    case u'\r':
        return 'r';
    case u'\n':
        return 'n';
    case u'\\':
        return '\\';
    default:
        return 0;
    }
}

} // namespace

MyExportDocument::MyExportDocument(QList<MyDataEntry> entries)
    : m_entries(std::move(entries))
{}

const QStringList &MyExportDocument::writableContentTypes()
{
    static const QStringList types{u"text/tab-separated-values"_s};
    return types;
}

QByteArray MyExportDocument::serialize() const
{
    qsizetype capacity = headerSize;
    for (const MyDataEntry &entry : m_entries)
        capacity += entry.name.size() * maxBytesPerUnit + 1 + maxNumberSize + 1;

    QByteArray bytes(capacity, Qt::Uninitialized);
    char *const begin = bytes.data();
    char *out = std::copy_n(header, headerSize, begin);

    // Stateless: a lone surrogate at the end of one name must not swallow the tab after it.
    QStringEncoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    for (const MyDataEntry &entry : m_entries) {
        const QStringView name = entry.name;
        qsizetype start = 0;
        for (qsizetype i = 0; i < name.size(); ++i) {
            if (const char letter = escapeLetter(name[i].unicode())) {
                out = utf8.appendToBuffer(out, name.sliced(start, i - start));
                *out++ = '\\';
                *out++ = letter;
                start = i + 1;
            }
        }
        out = utf8.appendToBuffer(out, name.sliced(start));
        *out++ = '\t';
        out = std::to_chars(out, out + maxNumberSize, entry.number).ptr;
        *out++ = '\n';
    }

    bytes.truncate(out - begin);
    return bytes;
}
