#pragma once

#include <QObject>

// Watches for the first frame any top-level widget paints. Once it is on screen, reports the
// monotonic time and the process's private memory on standard output, then either quits the
// application or, in idle mode, leaves it running for the idle measurement.
class FirstFrameProbe final : public QObject
{
    Q_OBJECT

public:
    enum class Mode { QuitAfterFirstFrame, StayIdle };

    explicit FirstFrameProbe(Mode mode, QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void report();

    Mode m_mode;
    bool m_seen = false;
};

// Reads the mode from the process's first argument: "--idle" keeps the app running.
FirstFrameProbe::Mode firstFrameModeFromArguments(int argc, char **argv);
