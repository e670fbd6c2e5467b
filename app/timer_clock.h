#pragma once
#include <QObject>
#include <QTimer>

#include <functional>

#include "platform/platform.h"

namespace xantu {

// Where the clock reads the time of day and how a wait pauses between
// looks at it; tests give one that moves time without waiting for it.
struct TimeSource {
    std::function<double()> timeOfDay;  // seconds since midnight
    std::function<void(double)> pause;  // sleep up to this many seconds
    static TimeSource system();
};

// Timer1 (50 ms ticks), the time of day and the game's short waits.
class TimerClockQt : public QObject, public TimerClock {
    Q_OBJECT
public:
    explicit TimerClockQt(QObject* parent = nullptr);
    explicit TimerClockQt(TimeSource source, QObject* parent = nullptr);

    void setTimerEnabled(bool on) override;
    bool timerEnabled() const override { return timer_.isActive(); }
    double now() const override;
    // Keeps the window painted. User input is delivered to the window's
    // event filter, which throws it away while `waiting()` (it is neither
    // handled nor kept for later), so nothing the user does can re-enter the
    // event that is waiting. Ticks are held back as well: the wait belongs
    // to one event.
    void wait(double seconds) override;
    bool waiting() const { return waiting_; }

    static constexpr int kIntervalMs = 50;
    int intervalMs() const { return timer_.interval(); }
    // What the timer does each time it fires: a tick, unless a wait holds it.
    void fire();

signals:
    void tick();

private:
    QTimer timer_;
    TimeSource source_;
    bool waiting_ = false;
};

}  // namespace xantu
