#pragma once
#include <QObject>
#include <QTimer>

#include "platform/platform.h"

namespace xantu {

// Timer1 (50 ms ticks), the time of day and the game's short waits.
class TimerClockQt : public QObject, public TimerClock {
    Q_OBJECT
public:
    explicit TimerClockQt(QObject* parent = nullptr);

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

signals:
    void tick();

private:
    QTimer timer_;
    bool waiting_ = false;
};

}  // namespace xantu
