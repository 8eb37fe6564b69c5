#include "FirstFrameProbe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstring>
#include <ctime>

namespace {

long long monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

// Private_Clean + Private_Dirty and Anonymous from the kernel's roll-up of all mappings.
void printPrivateMemory()
{
    QFile rollup(QStringLiteral("/proc/self/smaps_rollup"));
    if (!rollup.open(QIODevice::ReadOnly))
        return;
    long long privateKb = 0;
    long long anonymousKb = 0;
    for (const QByteArray &line : rollup.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 2)
            continue;
        if (fields[0] == "Private_Clean:" || fields[0] == "Private_Dirty:")
            privateKb += fields[1].toLongLong();
        else if (fields[0] == "Anonymous:")
            anonymousKb = fields[1].toLongLong();
    }
    std::printf("private_kb=%lld\nanonymous_kb=%lld\n", privateKb, anonymousKb);
}

} // namespace

FirstFrameProbe::FirstFrameProbe(Mode mode, QObject *parent)
    : QObject(parent)
    , m_mode(mode)
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool FirstFrameProbe::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_seen && event->type() == QEvent::Paint) {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && widget->isWindow()) {
            m_seen = true;
            QCoreApplication::instance()->removeEventFilter(this);
            // The frame is flushed to the window before the event loop's next turn.
            QTimer::singleShot(0, this, &FirstFrameProbe::report);
        }
    }
    return false;
}

void FirstFrameProbe::report()
{
    std::printf("first_frame_ns=%lld\n", monotonicNanoseconds());
    printPrivateMemory();
    std::fflush(stdout);
    if (m_mode == Mode::QuitAfterFirstFrame)
        QCoreApplication::exit(0);
}

FirstFrameProbe::Mode firstFrameModeFromArguments(int argc, char **argv)
{
    return argc > 1 && std::strcmp(argv[1], "--idle") == 0
               ? FirstFrameProbe::Mode::StayIdle
               : FirstFrameProbe::Mode::QuitAfterFirstFrame;
}
