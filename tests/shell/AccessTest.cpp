// The window and the print dialog from the keyboard alone (keys on the picture buttons, the focus
// frame, Enter and Escape in the print dialog) and the photo names screen readers hear.
#include "../printing/PrintFixture.h"
#include "LoadDialog.h"
#include "TestWindow.h"

class AccessTest final : public QObject {
    Q_OBJECT

private slots:
    void keysDoWhatAClickDoes_data() {
        QTest::addColumn<QString>("widget");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("done"); // "photo": the photo dialog asked; "help": help open;
                                           // "deck": the children's deck shown
        QTest::newRow("Enter on a photo") << "Foto_2" << int(Qt::Key_Return) << "photo";
        QTest::newRow("Space on a photo") << "Foto_4" << int(Qt::Key_Space) << "photo";
        QTest::newRow("Space on the Help button") << "Menuknop_4" << int(Qt::Key_Space) << "help";
        QTest::newRow("Enter on the Help button") << "Menuknop_4" << int(Qt::Key_Enter) << "help";
        QTest::newRow("Enter on a deck button") << "KinderKnop" << int(Qt::Key_Return) << "deck";
    }
    void keysDoWhatAClickDoes() {
        QFETCH(QString, widget);
        QFETCH(int, key);
        QFETCH(QString, done);
        TestWindow w;
        QVERIFY(w.start());
        w.prompts.openPaths << QString(); // the photo dialog is cancelled
        QTest::keyClick(w.child(widget), Qt::Key(key));
        QCOMPARE(w.prompts.asked.size(), done == "photo" ? 1 : 0);
        QCOMPARE(w.window->helpOpen(), done == "help");
        QCOMPARE(w.window->deckMode() == DeckMode::Children, done == "deck");
    }

    // A photo reached with Tab shows a frame; one clicked does not, and looks as before.
    void focusFrameShowsOnlyForTheKeyboard() {
        TestWindow w;
        QVERIFY(w.start());
        w.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
        const QRgb unfocused = w.pixelAt("Foto_1", {1, 1});
        w.child("Foto_1")->setFocus(Qt::TabFocusReason);
        QCOMPARE(w.pixelAt("Foto_1", {1, 1}),
                 w.child("Foto_1")->palette().color(QPalette::Highlight).rgb());
        w.child("Onderwerp1_1")->setFocus();
        w.child("Foto_1")->setFocus(Qt::MouseFocusReason);
        QVERIFY(w.child("Foto_1")->hasFocus());
        QCOMPARE(w.pixelAt("Foto_1", {1, 1}), unfocused);
    }

    // With help open, Tab passes by the cards under the help pane.
    void tabPassesTheCardsUnderHelp() {
        TestWindow w;
        QVERIFY(w.start());
        w.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
        w.window->toggleHelp();
        w.child("Menuknop_6")->setFocus(Qt::TabFocusReason);
        QStringList visited;
        for (int step = 0; step < 2; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, QStringList({"WebBrowser", "ExitKnop"}));
    }

    // A photo's name says its card and file, and follows the photo.
    void photoNamesFollowThePhoto() {
        TestWindow w;
        QVERIFY(w.start());
        QCOMPARE(w.child("Foto_3")->accessibleName(), "Foto van kaart 3: geen foto");
        QVERIFY(w.place(3, w.photo("merel.png", Qt::black)));
        QCOMPARE(w.child("Foto_3")->accessibleName(), "Foto van kaart 3: merel.png");
        QCOMPARE(w.child("Foto1_2")->accessibleName(), "Kleine foto van kaart 3: merel.png");
    }

    // Enter loads the series the load dialog's list shows as its current one.
    void enterLoadsTheHighlightedSeries() {
        TestWindow w;
        QVERIFY(w.dir.write("Vogels.msr", {}));
        QString loaded;
        LoadDialog dialog(
            SeriesFolder(w.dir.path()),
            [&loaded](const QString& file, auto done) {
                loaded = file;
                done(Status{});
            },
            w.prompts, nullptr);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(loaded, "Vogels.msr");
        QVERIFY(w.prompts.asked.isEmpty());
    }

    // Enter in the number of copies prints, Escape closes the dialog.
    void printDialogTakesEnterAndEscape() {
        PrintFixture fixture;
        const auto dialog = fixture.open();
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        for (const char* button : {"OkKnop", "ExitKnop"}) // they look as they always did
            QVERIFY(!control<QPushButton>(*dialog, button)->isDefault());
        QTest::keyClick(control(*dialog, "Text1"), Qt::Key_Return);
        QCOMPARE(fixture.image.finishCount(), 1);
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
    }
};

QTEST_MAIN(AccessTest)
#include "AccessTest.moc"
