// Composing the game in its dialog, alone and through the window.
#include "GameDialog.h"

#include "RenderedPdf.h"
#include "TestWindow.h"

using Answer = UserPrompts::Answer;

namespace {
// The series folder of `dir`: A finished, B without a photo on card 2, C not a series, D with
// A's subject; all photos red. A back design beside them.
QStringList writeSeries(const TestFolder& dir) {
    const QByteArray red = dir.path("rood.png").toUtf8();
    dir.write("rood.png", TestPictures::encode(TestPictures::plain(64, 48, Qt::red), "PNG"));
    dir.write("kaarten/kaart2.jpg",
              TestPictures::encode(TestPictures::plain(25, 38, Qt::blue), "JPG"));
    const QByteArray a = TestFolder::seriesFile(21, {red});
    dir.write("mosaretten/A.msr", a);
    dir.write("mosaretten/B.msr",
              TestFolder::seriesFile(21, {red, "", red}).replace("Vogels", "Bos"));
    dir.write("mosaretten/C.msr", QByteArray(2000, '\x01'));
    dir.write("mosaretten/D.msr", a);
    return {dir.path("mosaretten/A.msr"), dir.path("mosaretten/B.msr"),
            dir.path("mosaretten/C.msr"), dir.path("mosaretten/D.msr")};
}

QString counted(const QDialog& dialog) {
    return dialog.findChild<QLabel*>("Telling")->text();
}
} // namespace

class GameDialogTest final : public QObject {
    Q_OBJECT

private slots:
    // Rows come at once in file order; the check's findings and the small photos follow.
    // Arrows, Space, "Alles" and "Niets" choose; Return makes the PDF from the list.
    void choosingTheSeries() {
        const TestFolder dir;
        const QStringList paths = writeSeries(dir);
        GameDialog dialog(paths, nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto* list = dialog.findChild<QTreeWidget*>("SpelLijst");
        QCOMPARE(QApplication::focusWidget(), list);
        QCOMPARE(list->currentIndex().row(), 0);
        QTRY_COMPARE(list->topLevelItem(3)->text(3), "zelfde onderwerp als A.msr");
        QCOMPARE(list->topLevelItem(2)->text(3), "kan niet gelezen worden");
        QCOMPARE(counted(dialog), "3 series, 12 kaarten");
        QTRY_VERIFY(TestPictures::near(
            list->topLevelItem(0)->icon(2).pixmap(list->iconSize()).toImage().pixel(16, 12),
            Qt::red));
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Space);
        QCOMPARE(dialog.chosen(), QStringList({paths[0], paths[3]}));
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Space); // C cannot be chosen
        QCOMPARE(counted(dialog), "2 series, 8 kaarten");
        QTest::mouseClick(dialog.findChild<QPushButton*>("Niets"), Qt::LeftButton);
        QCOMPARE(counted(dialog), "0 series, 0 kaarten");
        QVERIFY(!dialog.findChild<QPushButton*>("PdfMaken")->isEnabled());
        QTest::mouseClick(dialog.findChild<QPushButton*>("Alles"), Qt::LeftButton);
        QCOMPARE(dialog.chosen(), QStringList({paths[0], paths[1], paths[3]}));
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void throughTheWindow_data() {
        QTest::addColumn<QList<Answer>>("unsaved"); // the answer to the unsaved-work question
        QTest::addColumn<QString>("inside");        // what the user does in the game dialog
        QTest::addColumn<int>("pages");             // of the game's PDF; 0: none written
        QTest::addColumn<QString>("shown");         // the series in the window afterwards
        using A = QList<Answer>;
        QTest::newRow("cancelled before the dialog")
            << A{Answer::Cancel} << "" << 0 << "Default.msr";
        QTest::newRow("saved first, in the game") << A{Answer::Yes} << "make" << 8 << "Default.msr";
        QTest::newRow("first unchecked") << A{Answer::No} << "uncheck A" << 4 << "Default.msr";
        QTest::newRow("Escape") << A{Answer::No} << "escape" << 0 << "Default.msr";
        QTest::newRow("double click opens")
            << A{Answer::No, Answer::No} << "double click B" << 0 << "B.msr";
    }
    void throughTheWindow() {
        QFETCH(QList<Answer>, unsaved);
        QFETCH(QString, inside);
        QFETCH(int, pages);
        QFETCH(QString, shown);
        TestWindow w;
        QVERIFY(w.start());
        writeSeries(w.dir);
        QTest::keyClicks(w.child<QLineEdit>("Onderwerp1_1"), " eigen");
        w.prompts.yesNoCancel << unsaved;
        w.prompts.texts << "Eigen";
        w.prompts.savePaths << w.dir.path("spel.pdf");
        w.prompts.saveTypes << 2;
        bool opened = false;
        w.whileLoading(
            [&](QDialog& dialog) {
                opened = true;
                auto* list = dialog.findChild<QTreeWidget*>("SpelLijst");
                if (inside == "uncheck A")
                    list->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
                if (inside == "escape")
                    QTest::keyClick(list, Qt::Key_Escape);
                else if (inside == "double click B") {
                    const QPoint at = list->visualItemRect(list->topLevelItem(1)).center();
                    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
                    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
                } else
                    QTest::keyClick(list, Qt::Key_Return);
            },
            "Menuknop_6");
        QTRY_VERIFY_WITH_TIMEOUT(!w.window->isBusy(), 30000);
        QCOMPARE(opened, unsaved.first() != Answer::Cancel);
        QCOMPARE(RenderedPdf::pageCount(w.dir.path("spel.pdf")), pages);
        QVERIFY(w.idle());
        QCOMPARE(w.window->model().seriesName(), shown);
    }
};

QTEST_MAIN(GameDialogTest)
#include "GameDialogTest.moc"
