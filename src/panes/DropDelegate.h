#pragma once

#include <QList>
#include <QUrl>

// Receives what happens to a drop area while a drag is over it.
class DropDelegate
{
public:
    virtual ~DropDelegate() = default;

    virtual void dropEntered() = 0;
    virtual void dropExited() = 0;
    // Whether the drop was taken; the drag source hears the answer.
    virtual bool performDrop(const QList<QUrl> &urls) = 0;

protected:
    DropDelegate() = default;
    DropDelegate(const DropDelegate &) = default;
    DropDelegate &operator=(const DropDelegate &) = default;
};
