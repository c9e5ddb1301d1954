// The prompts as the user sees them: Qt message boxes, the text prompt, the file dialogs and the
// progress window.
#include "QtUserPrompts.h"

#include "ProgramTitles.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {
QMessageBox::StandardButton showMessage(QWidget* parent, QMessageBox::Icon icon,
                                        const QString& title, const QString& text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton) {
    QMessageBox box(icon, title, text, buttons, parent);
    // Subjects and file names are shown as typed, never taken for markup.
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(defaultButton);
    return QMessageBox::StandardButton(box.exec());
}

// A window-modal progress window with a cancel button. QProgressDialog is not used: when modal it
// processes events inside setValue(), so the work reporting progress could end, and delete the
// dialog, inside the dialog's own call.
class DialogProgress final : public ProgressReport {
public:
    DialogProgress(QWidget* parent, const QString& title, int steps, std::function<void()> cancel)
        : m_dialog(new QDialog(parent)), m_text(new QLabel(m_dialog)),
          m_bar(new QProgressBar(m_dialog)) {
        m_dialog->setWindowTitle(title);
        m_dialog->setWindowModality(Qt::WindowModal);
        m_dialog->setMinimumWidth(320);
        m_text->setTextFormat(Qt::PlainText);
        m_bar->setRange(0, std::max(1, steps));
        m_bar->setValue(0);
        m_bar->setAccessibleName(title);
        auto* stop =
            new QPushButton(QCoreApplication::translate("QtUserPrompts", "Annuleren"), m_dialog);
        auto* layout = new QVBoxLayout(m_dialog);
        layout->addWidget(m_text);
        layout->addWidget(m_bar);
        layout->addWidget(stop, 0, Qt::AlignRight);
        // The button, Escape and the title bar all cancel; the work ends from the event loop.
        QObject::connect(stop, &QPushButton::clicked, m_dialog, &QDialog::reject);
        QObject::connect(m_dialog, &QDialog::rejected, m_dialog, std::move(cancel),
                         Qt::QueuedConnection);
        m_dialog->show();
    }
    ~DialogProgress() override { delete m_dialog.data(); } // unless its window took it along
    DialogProgress(const DialogProgress&) = delete;
    DialogProgress& operator=(const DialogProgress&) = delete;

    void show(int done, const QString& text) override {
        m_text->setText(text);
        m_bar->setValue(done);
    }

private:
    QPointer<QDialog> m_dialog;
    QLabel* m_text;
    QProgressBar* m_bar;
};
} // namespace

bool QtUserPrompts::askYesNo(const QString& title, const QString& text) {
    return showMessage(dialogParent(), QMessageBox::NoIcon, titleOrProgram(title), text,
                       QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}

UserPrompts::Answer QtUserPrompts::askYesNoCancel(const QString& title, const QString& text) {
    switch (showMessage(dialogParent(), QMessageBox::NoIcon, titleOrProgram(title), text,
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                        QMessageBox::Yes)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel; // Cancel, Escape or the title bar's close button
    }
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
