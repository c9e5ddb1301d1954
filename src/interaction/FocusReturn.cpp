// Hands the keyboard back to the window below when a dialog closes.
#include "FocusReturn.h"

#include <QApplication>
#include <QEvent>

FocusReturn::FocusReturn(QWidget* window) : m_window(window) {
    qApp->installEventFilter(this);
}

bool FocusReturn::eventFilter(QObject* watched, QEvent* event) {
    auto* closing = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::Hide && closing && closing->isWindow() && closing->isModal() &&
        closing != m_window) {
        // After the hide is done, so the dialog no longer counts as the active modal window.
        QMetaObject::invokeMethod(
            this,
            [this] {
                QWidget* below = QApplication::activeModalWidget();
                if (!below)
                    below = m_window;
                if (below && below->isVisible())
                    below->activateWindow();
            },
            Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}
