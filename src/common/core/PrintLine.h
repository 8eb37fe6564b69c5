#pragma once

#include <QString>

// The application's only diagnostic channel. Each call writes the text and one line feed as a
// single item and flushes at once, so a reader on a pipe sees every line as it happens, and
// lines written from other threads never interleave within a line. A file or a pipe gets UTF-8;
// a Windows console gets the text itself, which it shows whatever its code page.
void printLine(const QString &text);

// The same on standard error, for the rare problem a user running from a terminal should see.
void printErrorLine(const QString &text);

// A program started from a console writes its lines there. A Windows GUI program has no console of
// its own: it takes its parent's, for the standard streams the launcher left unset. Elsewhere, and
// for streams led to a file or a pipe, nothing changes. Called first thing in main().
void attachToParentConsole();
