#include "timer_clock.h"

#include <algorithm>
#include <utility>

#include <QCoreApplication>
#include <QThread>
#include <QTime>

namespace xantu {

TimeSource TimeSource::system() {
    return {[] { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; },
            [](double seconds) { QThread::msleep(static_cast<unsigned long>(seconds * 1000.0) + 1); }};
}

TimerClockQt::TimerClockQt(QObject* parent) : TimerClockQt(TimeSource::system(), parent) {}

TimerClockQt::TimerClockQt(TimeSource source, QObject* parent) : QObject(parent), source_(std::move(source)) {
    timer_.setInterval(kIntervalMs);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &TimerClockQt::fire);
}

void TimerClockQt::fire() {
    if (!waiting_) emit tick();
}

void TimerClockQt::setTimerEnabled(bool on) {
    if (on == timer_.isActive()) return;
    if (on)
        timer_.start();
    else
        timer_.stop();
}

double TimerClockQt::now() const { return source_.timeOfDay(); }

void TimerClockQt::wait(double seconds) {
    if (!(seconds > 0)) return;
    const double start = now();
    const double end = start + seconds;
    const bool outer = !waiting_;
    waiting_ = true;
    for (;;) {
        const double t = now();
        // A reading below the start means midnight has passed: the wait is over.
        if (t >= end || t < start) break;
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        const double left = end - now();
        if (left > 0) source_.pause(std::min(left, 0.01));
    }
    if (outer) waiting_ = false;
}

}  // namespace xantu
