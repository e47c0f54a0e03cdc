// The start-up probe of bench/startup.sh: once a window has painted its
// first frame, print the wall-clock time, the window's size and the
// process's processor time (nanoseconds) and end the process at once. The
// program and the bench's plain window share it, so that both are measured
// to the same point.
#pragma once

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace qolvar::app {

class FirstFrameProbe : public QObject {
public:
    explicit FirstFrameProbe(QWidget* window) : QObject(window), window_(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == window_ && event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // The children paint and the frame is flushed before the event
            // loop runs the timer.
            QTimer::singleShot(0, window_, [w = window_] {
                timespec now{}, cpu{};
                clock_gettime(CLOCK_REALTIME, &now);
                clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
                std::printf("%lld %d %d %lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec,
                            w->width(), w->height(), static_cast<long long>(cpu.tv_sec) * 1000000000LL + cpu.tv_nsec);
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return false;
    }

private:
    QWidget* window_;
    bool seen_ = false;
};

// Installs the probe when QOLVAR_STARTUP_PROBE is set.
inline void MaybeProbeFirstFrame(QWidget* window)
{
    if (qEnvironmentVariableIsSet("QOLVAR_STARTUP_PROBE")) new FirstFrameProbe(window);
}

}  // namespace qolvar::app
