// Editing in the real window: framing a card's photo with the mouse, undo and redo of each kind of
// step with the keyboard focus in a text box or elsewhere, and the menu row's keys.
#include "PictureBox.h"
#include "SeriesFile.h"
#include "TestWindow.h"

#include <functional>

namespace {
// The red pixels in the top strip of the widget `name` as the window shows it.
int redAtTop(const TestWindow& t, const QString& name) {
    const QImage shown = t.child(name)->grab().toImage();
    int count = 0;
    for (int y = 3; y < shown.height() / 8; ++y)
        for (int x = 5; x < shown.width() - 5; ++x)
            count += TestPictures::near(shown.pixel(x, y), Qt::red, 60);
    return count;
}

// Everything a step may change: texts, paths, framings, the name and what each card shows.
QString stateOf(MainWindow& window) {
    const Series series = window.model().toSeries();
    QStringList parts{series.subject, window.model().seriesName()};
    for (int card = 1; card <= kCards; ++card) {
        const QImage shown = window.photos().photo(card).picture;
        parts << series.photoPath(card) << QString::number(series.framing(card).point.y())
              << QString::number(int(window.photos().cardShows(card)))
              << QString::number(shown.isNull() ? 0 : shown.pixel(1, 1))
              << QStringList(series.names[card - 1].begin(), series.names[card - 1].end());
    }
    return parts.join(u'|');
}
} // namespace

using Step = std::function<void(TestWindow&)>;
Q_DECLARE_METATYPE(Step)

class EditingTest final : public QObject {
    Q_OBJECT
    TestWindow t; // the framing tests' window, with the upright photo on card 1
    QWidget* photo = nullptr;

    void wheel(int notches) {
        const QPointF at = photo->rect().center();
        QWheelEvent event(at, photo->mapToGlobal(at), {}, QPoint(0, 120 * notches), Qt::NoButton,
                          {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(photo, &event);
    }
    static void keys(TestWindow& w, QKeyCombination keys, bool focusInBox) {
        QWidget* target = w.child(focusInBox ? "Naam2_3" : "Foto_1");
        if (focusInBox)
            target->setFocus();
        QTest::keyClick(target, keys.key(), keys.keyboardModifiers());
        QVERIFY(w.idle());
    }

private slots:
    void initTestCase() {
        QVERIFY(t.start() && t.placeUpright());
        t.window->model().setSaved(SeriesModel::Saved::Yes);
        photo = t.child("Foto_1");
    }

    // A drag shows the photo's top on the card and on the children's deck's thumbnails; a press
    // released within four pixels is a click and opens the photo dialog (cancelled here).
    void dragShowsTheTopAndClicksStillOpenTheDialog() {
        QCOMPARE(redAtTop(t, "Foto_1"), 0);
        const qsizetype asked = t.prompts.asked.size();
        TestWindow::drag(photo, QPoint(0, 300));
        QCOMPARE(t.prompts.asked.size(), asked);
        QVERIFY(redAtTop(t, "Foto_1") > 0 && t.window->model().hasUnsavedChanges());
        t.prompts.openPaths << QString();
        TestWindow::drag(photo, QPoint(3, 2));
        QCOMPARE(t.prompts.kinds().last(), "openPicture");
        QVERIFY(t.window->model().framing(1).point.y() < 0.3);
        t.window->setDeckMode(DeckMode::Children);
        QVERIFY(redAtTop(t, "Foto1_4") > 0 && redAtTop(t, "Foto2_1") > 0);
        t.window->setDeckMode(DeckMode::Normal);
    }

    void wheelZoomsAndResetGoesBack() {
        wheel(3);
        QVERIFY(qAbs(t.window->model().framing(1).zoom - 1.331) < 1e-6);
        wheel(-10);
        QCOMPARE(t.window->model().framing(1).zoom, 1.0);
        t.child<PictureBox>("Foto_1")->resetFraming();
        QVERIFY(t.window->model().framing(1).isDefault());
        QCOMPARE(redAtTop(t, "Foto_1"), 0);
    }

    // The framing is saved on a 22nd line and loaded back; a new photo starts centred; a load
    // starts a new history of at most 100 steps.
    void framingIsSavedAndLoaded() {
        TestWindow::drag(photo, QPoint(0, 300));
        wheel(2);
        t.saveAs("Kader");
        const QByteArray file = t.dir.read("mosaretten/Kader.msr");
        QVERIFY(file.count("\r\n") == 22 && file.contains("\r\n#kader 1 0."));
        t.window->model().setPhotoPath(1, t.dir.path("staand.png"));
        QVERIFY(t.window->model().framing(1).isDefault());
        t.prompts.yesNoCancel << UserPrompts::Answer::No; // not saved first
        t.load("Kader.msr");
        QCOMPARE(SeriesFile::serialize(t.window->model().toSeries()), file);
        QVERIFY(redAtTop(t, "Foto_1") > 0 && !t.window->model().hasUnsavedChanges());
        QCOMPARE(t.window->history().stack().count(), 0);
        QCOMPARE(t.window->history().stack().undoLimit(), 100);
    }

    void everyStepIsUndoneAndRedone_data() {
        QTest::addColumn<Step>("step");
        QTest::addColumn<bool>("focusInBox");
        const QList<std::pair<const char*, Step>> steps{
            {"typing in one box is one step",
             [](TestWindow& w) { QTest::keyClicks(w.child("Onderwerp1_3"), "Vogels"); }},
            {"typing a name", [](TestWindow& w) { QTest::keyClicks(w.child("Naam2_3"), "Mus"); }},
            {"a placed photo", [](TestWindow& w) { w.place(2, w.photo("blauw.png", Qt::blue)); }},
            {"a drop of two photos is one step",
             [](TestWindow& w) {
                 w.drop("Foto_3", {QUrl::fromLocalFile(w.photo("rood.png", Qt::red)),
                                   QUrl::fromLocalFile(w.photo("groen.png", Qt::green))});
             }},
            {"a drag of the photo",
             [](TestWindow& w) { TestWindow::drag(w.child("Foto_1"), QPoint(0, 40)); }},
            {"Nieuw", [](TestWindow& w) {
                 w.prompts.yesNo << true;
                 w.clickMenu(1);
             }}};
        for (const auto& [name, step] : steps) {
            QTest::addRow("%s, focus in a box", name) << step << true;
            QTest::addRow("%s, focus elsewhere", name) << step << false;
        }
    }
    // Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z on a saved series; undone back to it, Exit asks nothing.
    void everyStepIsUndoneAndRedone() {
        QFETCH(Step, step);
        QFETCH(bool, focusInBox);
        TestWindow w;
        QVERIFY(w.start() && w.placeUpright());
        w.saveAs("Serie");
        const QString saved = stateOf(*w.window);
        step(w);
        QVERIFY(w.idle());
        const QString changed = stateOf(*w.window);
        QVERIFY(changed != saved);
        const bool changedUnsaved = w.window->model().hasUnsavedChanges();
        keys(w, Qt::CTRL | Qt::Key_Z, focusInBox);
        QCOMPARE(stateOf(*w.window), saved);
        QVERIFY(!w.window->model().hasUnsavedChanges());
        keys(w, Qt::CTRL | Qt::Key_Y, focusInBox);
        QCOMPARE(stateOf(*w.window), changed);
        QCOMPARE(w.window->model().hasUnsavedChanges(), changedUnsaved);
        keys(w, Qt::CTRL | Qt::Key_Z, focusInBox);
        keys(w, Qt::CTRL | Qt::SHIFT | Qt::Key_Z, focusInBox);
        QCOMPARE(stateOf(*w.window), changed);
        keys(w, Qt::CTRL | Qt::Key_Z, focusInBox);
        const qsizetype asked = w.prompts.asked.size();
        w.click("ExitKnop");
        QVERIFY(w.prompts.asked.size() == asked && !w.window->isVisible());
    }

    void keysDoWhatTheButtonsDo_data() {
        QTest::addColumn<QKeyCombination>("key");
        QTest::addColumn<QString>("button");
        QTest::newRow("Ctrl+N Nieuw") << (Qt::CTRL | Qt::Key_N) << "Menuknop_1";
        QTest::newRow("Ctrl+O Load") << (Qt::CTRL | Qt::Key_O) << "Menuknop_2";
        QTest::newRow("Ctrl+S Save") << (Qt::CTRL | Qt::Key_S) << "Menuknop_3";
        QTest::newRow("F1 Help") << QKeyCombination(Qt::Key_F1) << "Menuknop_4";
        QTest::newRow("Ctrl+P Afdrukken") << (Qt::CTRL | Qt::Key_P) << "Menuknop_5";
        QTest::newRow("Ctrl+E Export") << (Qt::CTRL | Qt::Key_E) << "Menuknop_6";
        QTest::newRow("Ctrl+Q Exit") << (Qt::CTRL | Qt::Key_Q) << "ExitKnop";
    }
    // With the focus in a name box and the series unsaved, what the window asks or opens after
    // the key equals what it asks or opens after the click.
    void keysDoWhatTheButtonsDo() {
        QFETCH(QKeyCombination, key);
        QFETCH(QString, button);
        const auto outcome = [&](bool typed) {
            TestWindow w;
            QStringList seen{QString::number(w.start())};
            QWidget* box = w.child("Naam1_2");
            QTest::keyClicks(box, "Mus");
            const auto act = [&] {
                if (typed)
                    QTest::keyClick(box, key.key(), key.keyboardModifiers());
                else
                    w.click(button);
            };
            w.whileLoading([&](QDialog& dialog) { seen << dialog.metaObject()->className(); }, act);
            return seen << w.prompts.kinds() << QString::number(w.window->helpOpen())
                        << QString::number(w.window->isVisible());
        };
        const QStringList clicked = outcome(false);
        QCOMPARE(outcome(true), clicked);
        QVERIFY(clicked.size() > 3 || button == "Menuknop_4"); // something happened
    }
};

QTEST_MAIN(EditingTest)
#include "EditingTest.moc"
