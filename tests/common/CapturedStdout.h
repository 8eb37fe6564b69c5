#pragma once

#include <QByteArray>

#include <cstdio>
#include <functional>

#ifdef _WIN32
#include <io.h>
#define PILLOWROCK_DUP _dup
#define PILLOWROCK_DUP2 _dup2
#define PILLOWROCK_CLOSE _close
#define PILLOWROCK_FILENO _fileno
#else
#include <unistd.h>
#define PILLOWROCK_DUP dup
#define PILLOWROCK_DUP2 dup2
#define PILLOWROCK_CLOSE close
#define PILLOWROCK_FILENO fileno
#endif

// Everything the action writes to standard output, byte for byte. Keep test checks outside the
// action: a failure message written while capturing would end up in the capture.
inline QByteArray capturedStdout(const std::function<void()> &action)
{
    std::FILE *capture = std::tmpfile();
    if (!capture)
        return QByteArrayLiteral("<no temporary file for the capture>");
    std::fflush(stdout);
    const int saved = PILLOWROCK_DUP(PILLOWROCK_FILENO(stdout));
    PILLOWROCK_DUP2(PILLOWROCK_FILENO(capture), PILLOWROCK_FILENO(stdout));
    action();
    std::fflush(stdout);
    PILLOWROCK_DUP2(saved, PILLOWROCK_FILENO(stdout));
    PILLOWROCK_CLOSE(saved);

    QByteArray text;
    std::rewind(capture);
    char buffer[4096];
    while (const std::size_t read = std::fread(buffer, 1, sizeof buffer, capture))
        text.append(buffer, static_cast<qsizetype>(read));
    std::fclose(capture);
    return text;
}
