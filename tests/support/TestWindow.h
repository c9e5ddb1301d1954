// The main window started on a program folder inside a test folder, with scripted prompts.
#pragma once

#include "MainWindow.h"
#include "ScriptedPrompts.h"
#include "TestFolder.h"
#include "TestPictures.h"

#include <QtTest>
#include <QtWidgets>

struct TestWindow {
    TestFolder dir;
    ScriptedPrompts prompts;
    std::unique_ptr<MainWindow> window;

    // Starts the window; copies of unsaved work wait an hour, so only tests that set a shorter
    // wait see them.
    bool start(const QString& program = {}) {
        window = std::make_unique<MainWindow>(ProgramFolder(dir.path(program)), prompts);
        window->recovery().setDelay(3600 * 1000);
        window->show();
        return QTest::qWaitForWindowExposed(window.get()) && child("Frame2")->isVisible();
    }
    template <typename T = QWidget> T* child(const QString& name) const {
        T* found = window->findChild<T*>(name);
        if (!found)
            qFatal("no widget %s", qPrintable(name));
        return found;
    }
    void click(const QString& name) const { QTest::mouseClick(child(name), Qt::LeftButton); }
    void clickMenu(int index) const { click(QString("Menuknop_%1").arg(index)); }
    // Saves under `name` as typed in the name prompt (empty: the prompt is cancelled).
    void saveAs(const QString& name) {
        prompts.texts << name;
        clickMenu(3);
    }
    // The name the save question proposes; the question is then cancelled.
    QString proposedName() {
        saveAs({});
        return prompts.asked.last().defaultAnswer;
    }
    // A small plain picture file `name` in the test folder; its path.
    QString photo(const QString& name, const QColor& colour) const {
        dir.write(name, TestPictures::encode(TestPictures::plain(64, 48, colour), "PNG"));
        return dir.path(name);
    }
    // Waits until the photos being decoded are on the cards; false if that takes too long.
    bool idle() const {
        return QTest::qWaitFor([this] { return !window->isBusy(); }, 30000);
    }
    // Clicks the photo of `card`, answers the open dialog with `path` (empty: cancelled) and
    // waits for the photo; false if it never arrives.
    bool place(int card, const QString& path) {
        prompts.openPaths << path;
        click(QString("Foto_%1").arg(card));
        return idle();
    }
    // Opens the load dialog (or the dialog of another menu button) from the menu and runs `inside`
    // on it once it shows (the menu button's press keeps it back a moment); a dialog still open
    // afterwards is cancelled. `inside` only acts and records: the test checks what it recorded
    // after this returns.
    void whileLoading(const std::function<void(QDialog&)>& inside,
                      const QString& menuButton = "Menuknop_2") const {
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                poll.stop();
                inside(*dialog);
                if (dialog->isVisible())
                    dialog->reject();
            }
        });
        poll.start(10);
        click(menuButton);
    }
    // Picks `name` in the load dialog after running `beforeOk`, and presses OK; the load has
    // finished when this returns.
    void load(
        const QString& name, const std::function<void()>& beforeOk = [] {}) const {
        whileLoading([&](QDialog& dialog) {
            auto* list = dialog.findChild<QListWidget*>("File1");
            beforeOk();
            list->setCurrentItem(list->findItems(name, Qt::MatchExactly).value(0));
            QTest::mouseClick(dialog.findChild<QPushButton*>("OkKnop"), Qt::LeftButton);
        });
    }
};
