// Ends the process as soon as a window has painted itself for the first time.
#include "FirstPaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

FirstPaint::FirstPaint(QWidget& window, std::function<void()> last) : m_last(std::move(last)) {
    window.installEventFilter(this);
}

bool FirstPaint::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && !m_seen) {
        m_seen = true;
        // The next turn of the event loop comes after this paint has reached the window.
        QTimer::singleShot(0, qApp, [this] {
            if (m_last)
                m_last();
            std::fflush(stdout);
            std::_Exit(0);
        });
    }
    return QObject::eventFilter(watched, event);
}
