// The main window started on a program folder inside a test folder, with scripted prompts.
#pragma once

#include "CardOutline.h"
#include "MainWindow.h"
#include "ScriptedPrompts.h"
#include "TestFolder.h"
#include "TestPictures.h"

#include <QtTest>
#include <QtWidgets>

// A rectangle given in twips, in the window's pixels (15 twips a pixel).
inline QRect px(int left, int top, int width, int height) {
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

struct TestWindow {
    TestFolder dir;
    ScriptedPrompts prompts;
    std::unique_ptr<MainWindow> window;

    // Starts the window; copies of unsaved work wait an hour unless a test sets a shorter wait.
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
    // The pixel of the window's picture at `offset` in the widget `name`.
    QRgb pixelAt(const QString& name, QPoint offset) const {
        return window->grab().toImage().pixel(child(name)->mapTo(window.get(), offset));
    }
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
    // Picks `path` (empty: cancelled) for the photo of `card`; false if it never arrives.
    bool place(int card, const QString& path) {
        prompts.openPaths << path;
        click(QString("Foto_%1").arg(card));
        return idle();
    }
    // Places TestPictures::upright() on card 1 from the file "staand.png"; false if it never shows.
    bool placeUpright() {
        dir.write("staand.png", TestPictures::encode(TestPictures::upright(), "PNG"));
        return place(1, dir.path("staand.png"));
    }
    // Presses the mouse in the middle of `widget`, moves it by `by` in two steps and releases it.
    static void drag(QWidget* widget, QPoint by) {
        const QPoint from = widget->rect().center();
        QTest::mousePress(widget, Qt::LeftButton, {}, from);
        QTest::mouseMove(widget, from + by / 2);
        QTest::mouseMove(widget, from + by);
        QTest::mouseRelease(widget, Qt::LeftButton, {}, from + by);
    }
    // Drags `urls` into the window, over the middle of the widget `name`, drops them there and
    // waits for what the drop started: whether it was taken as a copy, and the card outlined.
    struct Dropped {
        bool taken = false;
        int outlined = 0;
    };
    Dropped drop(const QString& name, const QList<QUrl>& urls) {
        QWidget* target = child(name);
        QMimeData data;
        data.setUrls(urls);
        const QPoint at = target->rect().center();
        const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent edge(QPoint(1, 1), actions, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &edge);
        // As the windowing system does, a widget that takes drops itself gets an enter of its own.
        if (target->acceptDrops()) {
            QDragLeaveEvent leave;
            QApplication::sendEvent(window.get(), &leave);
            QDragEnterEvent enter(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(target, &enter);
        }
        QDragMoveEvent move(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &move);
        Dropped dropped{move.isAccepted(), 0};
        for (int card = 1; card <= 4; ++card)
            if (child<CardOutline>(QString("Kaart%1").arg(card))->isHighlighted())
                dropped.outlined = card;
        QDropEvent drop(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        dropped.taken = dropped.taken && drop.isAccepted() && drop.dropAction() == Qt::CopyAction;
        QCoreApplication::processEvents(); // the work starts once the drop has been answered
        idle();
        return dropped;
    }
    // Runs `inside` (which only acts and records) on the dialog opened by `act`, or else by a click
    // on `button`, once it shows; a dialog still open afterwards is cancelled.
    void whileLoading(const std::function<void(QDialog&)>& inside,
                      const QString& button = "Menuknop_2",
                      const std::function<void()>& act = {}) const {
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
        act ? act() : click(button);
    }
    // Picks `name` in the load dialog after running `beforeOk`, presses OK and waits for the load.
    void load(
        const QString& name, const std::function<void()>& beforeOk = [] {}) const {
        whileLoading([&](QDialog& dialog) {
            auto* list = dialog.findChild<QListWidget*>("File1");
            beforeOk();
            list->setCurrentItem(list->findItems(name, Qt::MatchExactly).value(0));
            QTest::mouseClick(dialog.findChild<QPushButton*>("OkKnop"), Qt::LeftButton);
        });
        idle();
    }
};
