#include "timer_clock.h"

#include <algorithm>

#include <QCoreApplication>
#include <QThread>
#include <QTime>

namespace xantu {

TimerClockQt::TimerClockQt(QObject* parent) : QObject(parent) {
    timer_.setInterval(kIntervalMs);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (!waiting_) emit tick();
    });
}

void TimerClockQt::setTimerEnabled(bool on) {
    if (on == timer_.isActive()) return;
    if (on) timer_.start();
    else timer_.stop();
}

double TimerClockQt::now() const { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

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
        if (left > 0) QThread::msleep(static_cast<unsigned long>(std::min(left * 1000.0, 10.0)) + 1);
    }
    if (outer) waiting_ = false;
}

}  // namespace xantu
