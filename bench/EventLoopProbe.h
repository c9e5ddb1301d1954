// Measures how long the thread it lives on goes without handling events, by a 1 ms timer's ticks.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class EventLoopProbe final : public QObject {
    Q_OBJECT
public:
    EventLoopProbe();

    // Starts the timer and forgets earlier gaps; the time until the first tick counts as a gap.
    void start();
    // Stops the timer; the time since the last tick counts as a gap.
    void stop();
    // The longest time between two ticks (or start, stop), in milliseconds, less the timer's
    // own millisecond: how long the thread was busy without looking at its events.
    double longestStallMs() const;

private:
    void tick();

    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_lastNs = 0;
    qint64 m_longestNs = 0;
};
