#pragma once

#include <QByteArray>

#include <cstdio>
#include <functional>
#include <unistd.h>

// Everything the action writes to standard output, byte for byte. Keep checks outside the action:
// a failure message written while capturing would end up in the capture.
inline QByteArray capturedStdout(const std::function<void()> &action)
{
    std::FILE *capture = std::tmpfile();
    if (!capture)
        return "<no temporary file to capture into>";
    std::fflush(stdout);
    const int saved = dup(fileno(stdout));
    dup2(fileno(capture), fileno(stdout));
    action();
    std::fflush(stdout);
    dup2(saved, fileno(stdout));
    close(saved);
    QByteArray text(std::ftell(capture), '\0');
    std::rewind(capture);
    text.resize(qsizetype(std::fread(text.data(), 1, size_t(text.size()), capture)));
    std::fclose(capture);
    return text;
}
