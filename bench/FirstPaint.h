// Ends the application as soon as a window has painted itself for the first time.
#pragma once

#include <QObject>

class QWidget;

class FirstPaint final : public QObject {
    Q_OBJECT
public:
    // Watches `window` and its children; the event loop quits right after the first paint.
    explicit FirstPaint(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool m_seen = false;
};
