// Hands the keyboard back to the window below when a dialog closes.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

// Where no window manager activates the window below a closing dialog, the keys would go nowhere
// and the window's shortcuts would stop working; this watches every modal dialog that hides and
// activates the open dialog below it, or else the main window.
class FocusReturn final : public QObject {
public:
    /// Watches the whole application for as long as this object lives.
    explicit FocusReturn(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> m_window;
};
