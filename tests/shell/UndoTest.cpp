// Undo and redo through the real window: each kind of step, with the keyboard focus in a text box
// or elsewhere, and the unsaved state after each.
#include "PictureBox.h"
#include "TestWindow.h"

#include <functional>

namespace {
// Everything a step may change: texts, paths, framings and what each card shows.
QString stateOf(MainWindow& window) {
    const Series series = window.model().toSeries();
    QStringList parts{series.subject, window.model().seriesName()};
    for (int card = 1; card <= kCards; ++card) {
        parts << series.photoPath(card) << QString::number(series.framing(card).point.y())
              << QString::number(int(window.photos().cardShows(card)))
              << QString::number(window.photos().photo(card).picture.isNull()
                                     ? 0
                                     : window.photos().photo(card).picture.pixel(1, 1));
        for (int line = 1; line <= kLines; ++line)
            parts << series.name(card, line);
    }
    return parts.join(u'|');
}
} // namespace

using Step = std::function<void(TestWindow&)>;
Q_DECLARE_METATYPE(Step)

class UndoTest final : public QObject {
    Q_OBJECT

    static void keys(TestWindow& t, QKeyCombination keys, bool focusInBox) {
        QWidget* target = focusInBox ? t.child("Naam2_3") : t.child("Foto_1");
        if (focusInBox)
            target->setFocus();
        QTest::keyClick(target, keys.key(), keys.keyboardModifiers());
        QVERIFY(t.idle());
    }

private slots:
    void everyStepIsUndoneAndRedone_data() {
        QTest::addColumn<Step>("step");
        QTest::addColumn<bool>("focusInBox");
        const QList<std::pair<const char*, Step>> steps{
            {"typing in one box is one step",
             [](TestWindow& t) { QTest::keyClicks(t.child("Onderwerp1_3"), "Vogels"); }},
            {"typing a name", [](TestWindow& t) { QTest::keyClicks(t.child("Naam2_3"), "Mus"); }},
            {"a placed photo", [](TestWindow& t) { t.place(2, t.photo("blauw.png", Qt::blue)); }},
            {"a drop of two photos is one step",
             [](TestWindow& t) {
                 t.drop("Foto_3", {QUrl::fromLocalFile(t.photo("rood.png", Qt::red)),
                                   QUrl::fromLocalFile(t.photo("groen.png", Qt::green))});
             }},
            {"a drag of the photo",
             [](TestWindow& t) {
                 QWidget* photo = t.child("Foto_1");
                 const QPoint from = photo->rect().center();
                 QTest::mousePress(photo, Qt::LeftButton, {}, from);
                 QTest::mouseMove(photo, from + QPoint(0, 20));
                 QTest::mouseMove(photo, from + QPoint(0, 40));
                 QTest::mouseRelease(photo, Qt::LeftButton, {}, from + QPoint(0, 40));
             }},
            {"Nieuw", [](TestWindow& t) {
                 t.prompts.yesNo << true;
                 t.clickMenu(1);
             }}};
        for (const auto& [name, step] : steps) {
            QTest::addRow("%s, focus in a box", name) << step << true;
            QTest::addRow("%s, focus elsewhere", name) << step << false;
        }
    }
    void everyStepIsUndoneAndRedone() {
        QFETCH(Step, step);
        QFETCH(bool, focusInBox);
        TestWindow t;
        QVERIFY(t.start());
        // A saved series with an upright photo on card 1, so it can be framed.
        QImage upright = TestPictures::plain(60, 120, Qt::gray);
        QPainter(&upright).fillRect(0, 0, 60, 12, Qt::red);
        t.dir.write("staand.png", TestPictures::encode(upright, "PNG"));
        QVERIFY(t.place(1, t.dir.path("staand.png")));
        t.saveAs("Serie");
        QVERIFY(!t.window->model().hasUnsavedChanges());
        const QString saved = stateOf(*t.window);

        step(t);
        QVERIFY(t.idle());
        const QString changed = stateOf(*t.window);
        QVERIFY(changed != saved);
        const bool changedUnsaved = t.window->model().hasUnsavedChanges();

        keys(t, Qt::CTRL | Qt::Key_Z, focusInBox);
        QCOMPARE(stateOf(*t.window), saved);
        QVERIFY(!t.window->model().hasUnsavedChanges());
        keys(t, Qt::CTRL | Qt::Key_Y, focusInBox);
        QCOMPARE(stateOf(*t.window), changed);
        QCOMPARE(t.window->model().hasUnsavedChanges(), changedUnsaved);
        keys(t, Qt::CTRL | Qt::Key_Z, focusInBox);
        keys(t, Qt::CTRL | Qt::SHIFT | Qt::Key_Z, focusInBox);
        QCOMPARE(stateOf(*t.window), changed);

        // Undone back to the saved series, Exit asks nothing.
        keys(t, Qt::CTRL | Qt::Key_Z, focusInBox);
        const qsizetype asked = t.prompts.asked.size();
        t.click("ExitKnop");
        QCOMPARE(t.prompts.asked.size(), asked);
        QVERIFY(!t.window->isVisible());
    }

    void loadingStartsANewHistory() {
        TestWindow t;
        QVERIFY(t.start());
        QTest::keyClicks(t.child("Onderwerp1_1"), "X");
        t.saveAs("Serie");
        QTest::keyClicks(t.child("Onderwerp1_1"), "Y");
        t.prompts.yesNoCancel << UserPrompts::Answer::No;
        t.load("Serie.msr");
        QCOMPARE(t.window->history().stack().count(), 0);
        QVERIFY(!t.window->model().hasUnsavedChanges());
        QCOMPARE(t.window->history().stack().undoLimit(), 100);
    }
};

QTEST_MAIN(UndoTest)
#include "UndoTest.moc"
