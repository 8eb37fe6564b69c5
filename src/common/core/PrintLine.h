#pragma once

#include <QString>

// The application's only diagnostic channel. Each call writes the text and one line feed as a
// single item and flushes at once, so a reader on a pipe sees every line as it happens, and
// lines written from other threads never interleave within a line.
void printLine(const QString &text);

// The same on standard error, for the rare problem a user running from a terminal should see.
void printErrorLine(const QString &text);
