#include "PrintLine.h"

#include <QByteArray>

#include <cstdio>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#endif

namespace {

#ifdef Q_OS_WIN
// A console decodes bytes in its own code page, rarely UTF-8; text handed over as UTF-16 shows as
// written in any. A stream opened for writing only cannot ask for the console's mode, so a
// character device that refuses the text (NUL, a serial port) is written to as any file is.
bool writeToConsole(std::FILE *stream, const QString &line)
{
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    if (handle == INVALID_HANDLE_VALUE || GetFileType(handle) != FILE_TYPE_CHAR)
        return false;
    std::fflush(stream);
    DWORD written = 0;
    return WriteConsoleW(handle, reinterpret_cast<const wchar_t *>(line.utf16()),
                         static_cast<DWORD>(line.size()), &written, nullptr);
}
#endif

void writeLine(std::FILE *stream, const QString &text)
{
#ifdef Q_OS_WIN
    if (writeToConsole(stream, text + u'\n'))
        return;
#endif
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

#ifdef Q_OS_WIN
void attachToParentConsole()
{
    const auto unset = [](DWORD stream) {
        const HANDLE handle = GetStdHandle(stream);
        return handle == nullptr || handle == INVALID_HANDLE_VALUE;
    };
    const bool output = unset(STD_OUTPUT_HANDLE);
    const bool error = unset(STD_ERROR_HANDLE);
    if ((!output && !error) || !AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    if (output)
        std::freopen("CONOUT$", "w", stdout);
    if (error)
        std::freopen("CONOUT$", "w", stderr);
}
#else
void attachToParentConsole() {}
#endif
