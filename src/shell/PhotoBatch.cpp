// Prepares picture files on worker threads while the window stays responsive.
#include "PhotoBatch.h"

#include "PhotoPreparer.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QFutureWatcher>
#include <QPointer>
#include <QWidget>

namespace {

using Prepared = std::vector<Result<PreparedPhoto>>;

// Swallows the user's input to one window while it lives, without greying the window out.
class InputBlock final : public QObject {
public:
    explicit InputBlock(QWidget* window) : m_window(window) {
        if (m_window)
            qApp->installEventFilter(this);
    }
    ~InputBlock() override { qApp->removeEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!m_window || !watched->isWidgetType() ||
            static_cast<QWidget*>(watched)->window() != m_window->window())
            return false;
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::ContextMenu:
        case QEvent::Close:
            event->ignore();
            return true;
        default:
            return false;
        }
    }

private:
    QPointer<QWidget> m_window;
};

// Waits for the decoding in a local event loop, so the window repaints instead of freezing.
Prepared waitFor(const QFuture<Prepared>& future, QWidget* blocked) {
    const InputBlock block(blocked);
    QFutureWatcher<Prepared> watcher;
    QEventLoop loop;
    QObject::connect(&watcher, &QFutureWatcher<Prepared>::finished, &loop, &QEventLoop::quit);
    watcher.setFuture(future);
    if (!future.isFinished())
        loop.exec();
    // The loop also ends when the application quits; the rest of the decoding is short.
    return future.result();
}

} // namespace

std::vector<Result<PreparedPhoto>> PhotoBatch::prepare(const QStringList& paths, QWidget* blocked) {
    return waitFor(PhotoPreparer::prepareAll(paths), blocked);
}
