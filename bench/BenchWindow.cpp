// The real main window on the benchmark's program folder, driven as a user would drive it.
#include "BenchWindow.h"

#include "CardSheet.h"
#include "GameDialog.h"
#include "MenuRow.h"
#include "PictureBox.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QTimer>

namespace {
void click(QWidget& widget) {
    const QPointF at = QRectF(widget.rect()).center();
    const QPointF global = widget.mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &release);
}
} // namespace

BenchWindow::BenchWindow(const QString& programFolder)
    : m_folder(programFolder), m_window(m_folder, m_prompts) {
    m_window.show();
    QCoreApplication::processEvents();
}

BenchWindow::~BenchWindow() {
    waitUntilIdle();
    m_window.close();
}

bool BenchWindow::place(int card, const QString& path) {
    const qsizetype messages = m_prompts.messages().size();
    m_prompts.answerOpenPicture({path});
    click(*m_window.findChild<CardSheet*>()->card(card).photo());
    waitUntilIdle();
    QCoreApplication::processEvents();
    return m_prompts.messages().size() == messages;
}

bool BenchWindow::load(const QString& fileName) {
    const qsizetype messages = m_prompts.messages().size();
    m_window.openSeriesFile(m_folder.seriesFolder() + u'/' + fileName);
    waitUntilIdle();
    QCoreApplication::processEvents();
    return m_prompts.messages().size() == messages;
}

bool BenchWindow::writeGame(const QString& pdf) {
    const qsizetype messages = m_prompts.messages().size();
    m_prompts.answerSave(pdf, 2);
    // The game dialog, once it shows, makes the PDF of every series it lists.
    QTimer makePdf;
    QObject::connect(&makePdf, &QTimer::timeout, &makePdf, [] {
        if (auto* dialog = qobject_cast<GameDialog*>(QApplication::activeModalWidget()))
            dialog->accept();
    });
    makePdf.start(1);
    click(*m_window.findChild<MenuRow*>()->button(MenuCommand::Export));
    makePdf.stop();
    waitUntilIdle();
    return m_prompts.messages().size() == messages + 1 &&
           m_prompts.messages().last().startsWith(QStringLiteral("Het spel is opgeslagen"));
}

void BenchWindow::waitUntilIdle() {
    while (m_window.isBusy())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}
