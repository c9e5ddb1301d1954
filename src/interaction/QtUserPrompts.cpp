// The prompts as the user sees them: Qt message boxes, the text prompt and the file dialogs.
#include "QtUserPrompts.h"

#include "ProgramTitles.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {
QMessageBox::StandardButton showMessage(QWidget* parent, QMessageBox::Icon icon,
                                        const QString& title, const QString& text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton) {
    QMessageBox box(icon, title, text, buttons, parent);
    box.setDefaultButton(defaultButton);
    return QMessageBox::StandardButton(box.exec());
}
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

QString QtUserPrompts::saveBitmapPath(const QString& filter) {
    // Qt's save dialog asks before an existing file is replaced.
    return QFileDialog::getSaveFileName(dialogParent(), QString(), QString(), filter);
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
