// Ends the process as soon as a window has painted itself for the first time.
#pragma once

#include <QObject>
#include <functional>

class QWidget;

class FirstPaint final : public QObject {
    Q_OBJECT
public:
    // Watches `window`; right after its first paint has been flushed, runs `last` (when given)
    // and ends the process at once, so what is timed is the start-up and nothing of the exit.
    explicit FirstPaint(QWidget& window, std::function<void()> last = {});

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> m_last;
    bool m_seen = false;
};
