// The serialiser over any rows: each row is a length byte, that many UTF-16 units (any, lone
// surrogates too) and an eight-byte number.
#include "Fuzz.h"
#include "Tsv.h"

#include "commands/core/MyExportDocument.h"

#include <QStringDecoder>

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QList<MyDataEntry> entries;
    std::size_t at = 0;
    while (at < size) {
        const std::size_t length = data[at++];
        const std::size_t units = std::min(length, (size - at) / 2);
        QString name(qsizetype(units), Qt::Uninitialized);
        std::memcpy(name.data(), data + at, units * 2);
        at += units * 2;
        std::int64_t number = 0;
        const std::size_t numberBytes = std::min(sizeof number, size - at);
        std::memcpy(&number, data + at, numberBytes);
        at += numberBytes;
        entries.append({name, number});
    }
    const QByteArray bytes = MyExportDocument(entries).serialize();

    QStringDecoder utf8(QStringDecoder::Utf8);
    (void)utf8.decode(bytes);
    FUZZ_CHECK(!utf8.hasError());
    FUZZ_CHECK(bytes.startsWith("Name\tNumber\n") && bytes.endsWith('\n'));
    const QList<QByteArray> lines = bytes.chopped(1).split('\n');
    FUZZ_CHECK(lines.size() == entries.size() + 1);
    for (qsizetype row = 0; row < entries.size(); ++row) {
        const QList<QByteArray> fields = lines[row + 1].split('\t');
        FUZZ_CHECK(fields.size() == 2 && !fields[0].contains('\r'));
        FUZZ_CHECK(unescapeTsvField(fields[0]) == exportedName(entries[row].name));
        FUZZ_CHECK(fields[1] == QByteArray::number(qlonglong(entries[row].number)));
    }
    return 0;
}
