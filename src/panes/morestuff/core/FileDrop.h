#pragma once

#include <QList>
#include <QString>
#include <QUrl>

#include <optional>

// What a drop on the drop area amounts to, decided from the drop's URLs alone.
struct FileDrop
{
    // Only a drop of exactly one usable file is taken; the drag source is told otherwise.
    bool accepted = false;
    // The line to print for the drop, or nothing.
    std::optional<QString> line;
};

// Whether the URLs hold a file URL at all: drags without one are not for the drop area.
bool carriesFileUrl(const QList<QUrl> &urls);

// The path on this machine that a file URL names, percent escapes decoded; nothing when the URL
// cannot be made into one (another host, a relative or empty path, bytes that are not UTF-8 or
// hold a NUL).
std::optional<QString> localPathOf(const QUrl &url);

// Exactly one file URL among the URLs (others, such as web links, are ignored): "File was
// dropped: " and its path, or "Error: Not a valid URL." when it names no local path. No file
// URL, or two or more: refused without a line.
FileDrop decideFileDrop(const QList<QUrl> &urls);
