// The prompts as the user sees them: Qt message boxes, the text prompt, the file dialogs and the
// progress window.
#include "QtUserPrompts.h"

#include "ProgramTitles.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QProgressDialog>

namespace {
QMessageBox::StandardButton showMessage(QWidget* parent, QMessageBox::Icon icon,
                                        const QString& title, const QString& text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton) {
    QMessageBox box(icon, title, text, buttons, parent);
    box.setDefaultButton(defaultButton);
    return QMessageBox::StandardButton(box.exec());
}

// A window-modal progress dialog. A modal QProgressDialog processes events inside setValue(), so
// the new value is shown from the event loop, never from inside the work that reports it.
class DialogProgress final : public ProgressReport {
public:
    DialogProgress(QWidget* parent, const QString& title, int steps, std::function<void()> cancel)
        : m_dialog(new QProgressDialog(QString(), QStringLiteral("Annuleren"), 0, steps, parent)) {
        m_dialog->setWindowTitle(title);
        m_dialog->setWindowModality(Qt::WindowModal);
        m_dialog->setMinimumDuration(0);
        m_dialog->setAutoClose(false);
        m_dialog->setAutoReset(false);
        QObject::connect(m_dialog, &QProgressDialog::canceled, m_dialog, std::move(cancel),
                         Qt::QueuedConnection);
        m_dialog->show();
    }
    ~DialogProgress() override { delete m_dialog.data(); }
    DialogProgress(const DialogProgress&) = delete;
    DialogProgress& operator=(const DialogProgress&) = delete;

    void show(int done, const QString& text) override {
        QMetaObject::invokeMethod(
            m_dialog,
            [dialog = m_dialog, done, text] {
                if (dialog && !dialog->wasCanceled()) {
                    dialog->setLabelText(text);
                    dialog->setValue(done);
                }
            },
            Qt::QueuedConnection);
    }

private:
    QPointer<QProgressDialog> m_dialog;
};
} // namespace

bool QtUserPrompts::askYesNo(const QString& title, const QString& text) {
    return showMessage(dialogParent(), QMessageBox::NoIcon, titleOrProgram(title), text,
                       QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}

bool QtUserPrompts::askOkCancel(const QString& title, const QString& text) {
    return showMessage(dialogParent(), QMessageBox::NoIcon, titleOrProgram(title), text,
                       QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) == QMessageBox::Ok;
}

QString QtUserPrompts::askText(const QString& title, const QString& prompt,
                               const QString& defaultAnswer) {
    bool accepted = false;
    const QString answer = QInputDialog::getText(dialogParent(), titleOrProgram(title), prompt,
                                                 QLineEdit::Normal, defaultAnswer, &accepted);
    return accepted ? answer : QString();
}

void QtUserPrompts::inform(const QString& title, const QString& text) {
    showMessage(dialogParent(), QMessageBox::NoIcon, titleOrProgram(title), text, QMessageBox::Ok,
                QMessageBox::Ok);
}

void QtUserPrompts::warn(const QString& title, const QString& text) {
    showMessage(dialogParent(), QMessageBox::Warning, titleOrProgram(title), text, QMessageBox::Ok,
                QMessageBox::Ok);
}

QString QtUserPrompts::openPicture(const QString& filter) {
    return QFileDialog::getOpenFileName(dialogParent(), QString(), QString(), filter);
}

UserPrompts::SaveChoice QtUserPrompts::saveExportPath(const QStringList& types) {
    // Qt's save dialog asks before an existing file is replaced.
    QString shown = types.value(0);
    const QString path = QFileDialog::getSaveFileName(dialogParent(), QString(), QString(),
                                                      types.join(QStringLiteral(";;")), &shown);
    return {path, int(std::max<qsizetype>(0, types.indexOf(shown)))};
}

std::unique_ptr<ProgressReport> QtUserPrompts::showProgress(const QString& title, int steps,
                                                            std::function<void()> cancel) {
    return std::make_unique<DialogProgress>(dialogParent(), titleOrProgram(title), steps,
                                            std::move(cancel));
}

QWidget* QtUserPrompts::dialogParent() const {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return m_window;
}

QString QtUserPrompts::titleOrProgram(const QString& title) {
    // A message without a title of its own carries the program's name.
    return title.isEmpty() ? ProgramTitles::application() : title;
}
