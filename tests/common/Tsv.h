#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringDecoder>

#include <optional>

// Undoes the export's escapes in one field: \t, \r, \n and \\ give back a tab, CR, LF and a
// backslash. Any other backslash sequence, or one cut off at the end, is no field the export
// writes: nothing then.
inline std::optional<QString> unescapeTsvField(QByteArrayView field)
{
    QByteArray bytes;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] != '\\') {
            bytes.append(field[i]);
            continue;
        }
        if (++i == field.size())
            return std::nullopt;
        switch (field[i]) {
        case 't':
            bytes.append('\t');
            break;
        case 'r':
            bytes.append('\r');
            break;
        case 'n':
            bytes.append('\n');
            break;
        case '\\':
            bytes.append('\\');
            break;
        default:
            return std::nullopt;
        }
    }
    // A name may well begin with U+FEFF: it is a character here, not a byte order mark.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return utf8.decode(bytes);
}

// What a name comes back as: lone surrogates have no UTF-8 form and are written as U+FFFD.
inline QString exportedName(QString name)
{
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (name[i].isHighSurrogate() && i + 1 < name.size() && name[i + 1].isLowSurrogate())
            ++i;
        else if (name[i].isSurrogate())
            name[i] = QChar::ReplacementCharacter;
    }
    return name;
}
