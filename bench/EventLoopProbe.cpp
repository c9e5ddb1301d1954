// Measures how long the thread it lives on goes without handling events, by a 1 ms timer's ticks.
#include "EventLoopProbe.h"

#include <algorithm>

EventLoopProbe::EventLoopProbe() {
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(1);
    connect(&m_timer, &QTimer::timeout, this, &EventLoopProbe::tick);
}

void EventLoopProbe::start() {
    m_longestNs = 0;
    m_clock.start();
    m_lastNs = 0;
    m_timer.start();
}

void EventLoopProbe::stop() {
    tick();
    m_timer.stop();
}

double EventLoopProbe::longestStallMs() const {
    return std::max(0.0, double(m_longestNs) / 1e6 - m_timer.interval());
}

void EventLoopProbe::tick() {
    const qint64 now = m_clock.nsecsElapsed();
    m_longestNs = std::max(m_longestNs, now - m_lastNs);
    m_lastNs = now;
}
