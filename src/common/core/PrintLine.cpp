#include "PrintLine.h"

#include <QByteArray>

#include <cstdio>

namespace {

void writeLine(std::FILE *stream, const QString &text)
{
    QByteArray line = text.toUtf8();
    line.append('\n');
    std::fwrite(line.constData(), 1, static_cast<std::size_t>(line.size()), stream);
    std::fflush(stream);
}

} // namespace

void printLine(const QString &text)
{
    writeLine(stdout, text);
}

void printErrorLine(const QString &text)
{
    writeLine(stderr, text);
}
