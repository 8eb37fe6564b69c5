#pragma once

#include <QByteArray>
#include <QStringList>

#include <cstdio>
#include <functional>

#ifdef Q_OS_WIN
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

// The bytes that action writes to standard output. The process's descriptor 1 points at a
// temporary file meanwhile, so this sees exactly what a reader of the pipe would. Keep test
// assertions outside the action: the test log goes to standard output too.
inline QByteArray capturedOutput(const std::function<void()> &action)
{
    std::fflush(stdout);
    std::FILE *capture = std::tmpfile();
    if (!capture)
        return "(no temporary file for the capture)";
    const int out = PILLOWROCK_FILENO(stdout);
    const int saved = PILLOWROCK_DUP(out);
    PILLOWROCK_DUP2(PILLOWROCK_FILENO(capture), out);
    action();
    std::fflush(stdout);
    PILLOWROCK_DUP2(saved, out);
    PILLOWROCK_CLOSE(saved);

    QByteArray bytes;
    std::rewind(capture);
    char buffer[4096];
    while (const std::size_t read = std::fread(buffer, 1, sizeof buffer, capture))
        bytes.append(buffer, static_cast<qsizetype>(read));
    std::fclose(capture);
    return bytes;
}

// The bytes of the given lines as printed: each followed by one line feed.
inline QByteArray printedLines(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toUtf8() + '\n';
    return bytes;
}
