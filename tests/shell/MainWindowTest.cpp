// The main window: layout, pictures, tab order, mirrored texts, deck modes, the menu, its keys and
// help, framing with the mouse, undo and redo, and the pause.
#include "MenuRow.h"
#include "Pause.h"
#include "PictureBox.h"
#include "SeriesFile.h"
#include "TestWindow.h"

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

// Everything a step may change: the series as saved, its name and what each card shows.
QString stateOf(MainWindow& window) {
    QStringList parts{SeriesFile::serialize(window.model().toSeries()),
                      window.model().seriesName()};
    for (int card = 1; card <= kCards; ++card) {
        const QImage shown = window.photos().photo(card).picture;
        parts << QString::number(int(window.photos().cardShows(card)))
              << QString::number(shown.isNull() ? 0 : shown.pixel(1, 1));
    }
    return parts.join(u'|');
}
} // namespace

using Step = std::function<void(TestWindow&)>;
Q_DECLARE_METATYPE(Step)

class MainWindowTest final : public QObject {
    Q_OBJECT
    std::unique_ptr<TestWindow> m_w;

    QLineEdit* box(const QString& name) const { return m_w->child<QLineEdit>(name); }
    void wheel(int notches) const {
        QWidget* photo = m_w->child("Foto_1");
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
    void init() {
        m_w = std::make_unique<TestWindow>();
        QVERIFY(m_w->start());
    }

    void controlsStandAtTheirPlaces_data() {
        QTest::addColumn<QRect>("geometry"); // the row name is the widget's name
        QTest::newRow("Foto_1") << px(450, 900, 1800, 1200);
        QTest::newRow("Foto_4") << px(3540, 4230, 1800, 1200);
        QTest::newRow("Naam3_4") << px(450, 6390, 1800, 285);
        QTest::newRow("Menuknop_6") << px(4290, 255, 480, 480);
        QTest::newRow("Frame1") << px(75, -30, 5775, 1200); // its top line cut off
        QTest::newRow("ExitKnop") << px(5130, 8220, 690, 315);
    }
    void controlsStandAtTheirPlaces() {
        QFETCH(QRect, geometry);
        QWidget* w = m_w->child(QTest::currentDataTag());
        QCOMPARE(w->isVisible() ? w->geometry() : QRect(), geometry);
        QCOMPARE(m_w->window->size(), QSize(394, 572));
        QCOMPARE(m_w->window->minimumSize(), m_w->window->maximumSize());
    }

    // The built-in pictures reach the screen: the menu shows many-coloured pictures, the deck
    // buttons and the window their icons, and an empty card the sand-coloured photo placeholder.
    void builtInPicturesAreShown() {
        for (int index = 1; index <= MenuRow::kButtons; ++index) {
            const QImage shot = m_w->child(QString("Menuknop_%1").arg(index))->grab().toImage();
            QSet<QRgb> colours;
            for (int y = 0; y < shot.height(); ++y)
                for (int x = 0; x < shot.width(); ++x)
                    colours.insert(shot.pixel(x, y));
            QVERIFY2(colours.size() > 8, qPrintable(QString::number(index)));
        }
        for (const char* deck : {"NormaalKnop", "KinderKnop"})
            QVERIFY(!m_w->child<QPushButton>(deck)->icon().isNull());
        QVERIFY(!m_w->window->windowIcon().isNull());
        QCOMPARE(QColor(m_w->pixelAt("Foto_1", {10, 10})), QColor(230, 210, 165));
    }

    // Reading order: each card's subject, photo and names, the deck buttons, Exit, the menu row.
    void tabOrderRunsInReadingOrderFromTheFirstSubject() {
        m_w->window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_w->window.get()));
        QCOMPARE(QApplication::focusWidget(), m_w->child("Onderwerp1_1"));
        QStringList expected{"Foto_1", "Naam1_1", "Naam1_2", "Naam1_3", "Naam1_4"};
        for (int card = 2; card <= 4; ++card) {
            expected << QString("Onderwerp1_%1").arg(card) << QString("Foto_%1").arg(card);
            for (int line = 1; line <= 4; ++line)
                expected << QString("Naam%1_%2").arg(card).arg(line);
        }
        expected << "NormaalKnop"
                 << "KinderKnop"
                 << "ExitKnop";
        for (int menu = 1; menu <= 6; ++menu)
            expected << QString("Menuknop_%1").arg(menu);
        expected << "Onderwerp1_1";
        QStringList visited;
        for (qsizetype i = 0; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, expected);
    }

    void editsShowOnAllFourCards_data() {
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<QString>("input"); // "X" is typed at position 2, others pasted over all
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("subject typed on card 3") << "Onderwerp1_3" << "X" << "OnXderwerp";
        QTest::newRow("name typed on card 4") << "Naam4_2" << "X" << " 2X. ";
        QTest::newRow("name cleared on card 2") << "Naam2_4" << "" << "";
        QTest::newRow("leading blank kept") << "Naam1_4" << " 4. Zoë" << " 4. Zoë";
        QTest::newRow("line breaks pasted") << "Onderwerp1_2" << "a\r\nb\rc\n" << "a b c ";
        // clang-format on
    }
    // One edit shows on all four cards and is one change of the model, not one per box.
    void editsShowOnAllFourCards() {
        QFETCH(QString, boxName);
        QFETCH(QString, input);
        QFETCH(QString, expected);
        const SeriesModel& model = m_w->window->model();
        QSignalSpy subjects(&model, &SeriesModel::subjectChanged);
        QSignalSpy names(&model, &SeriesModel::nameChanged);
        QLineEdit* edited = box(boxName);
        edited->setFocus();
        if (input == "X") {
            edited->setCursorPosition(2);
            QTest::keyClicks(edited, input);
        } else {
            QGuiApplication::clipboard()->setText(input);
            edited->selectAll();
            edited->paste();
        }
        QCOMPARE(edited->cursorPosition(), input == "X" ? 3 : expected.size());
        QCOMPARE(subjects.size() + names.size(), 1);
        const bool subject = boxName.startsWith("Onderwerp");
        const int line = subject ? 0 : boxName.back().digitValue();
        QCOMPARE(model.subject(), subject ? expected : SeriesModel::defaultSubject());
        for (int card = 1; card <= 4; ++card) {
            QCOMPARE(box(QString("Onderwerp1_%1").arg(card))->text(), model.subject());
            for (int l = 1; l <= 4; ++l) {
                const QString name = QString("Naam%1_%2").arg(card).arg(l);
                QCOMPARE(box(name)->text(), l == line ? expected : SeriesModel::defaultName(l));
                QCOMPARE(model.name(card, l), box(name)->text());
                // The own name line stays yellow on every card, the other lines cyan.
                QCOMPARE(QColor(m_w->pixelAt(name, {110, 9})),
                         card == l ? QColor(255, 255, 192) : QColor(192, 255, 255));
            }
        }
    }

    // Photos placed in the normal deck show in the children's deck's thumbnails: slot 4 of card K
    // shows K's own photo, slots 1 to 3 the other cards' photos in ascending order.
    void deckButtonsSwitchTheLayoutThereAndBack() {
        m_w->window->model().setName(1, 3, " 3. Kat");
        const QList<QColor> colours{Qt::red, Qt::green, Qt::blue, Qt::yellow};
        for (int card = 1; card <= 4; ++card) {
            const QImage photo = TestPictures::plain(400, 300, colours[card - 1]);
            m_w->window->photos().place(card, PreparedPhoto{photo, photo});
        }
        m_w->click("KinderKnop");
        QCOMPARE(m_w->window->deckMode(), DeckMode::Children);
        QCOMPARE(m_w->child("Foto_3")->geometry(), px(450, 3930, 1800, 1500));
        QVERIFY(!box("Onderwerp1_2")->isVisible() && !box("Naam4_4")->isVisible());
        const int shown[4][4] = {{2, 3, 4, 1}, {1, 3, 4, 2}, {1, 2, 4, 3}, {1, 2, 3, 4}};
        for (int card = 1; card <= 4; ++card)
            for (int slot = 1; slot <= 4; ++slot)
                QVERIFY(TestPictures::near(
                    m_w->pixelAt(QString("Foto%1_%2").arg(card).arg(slot), {18, 18}),
                    colours[shown[card - 1][slot - 1] - 1], 10));
        m_w->click("NormaalKnop");
        QCOMPARE(m_w->window->deckMode(), DeckMode::Normal);
        QCOMPARE(m_w->child("Foto_3")->geometry(), px(450, 4230, 1800, 1200));
        QVERIFY(!m_w->child("Foto3_2")->isVisible());
        QCOMPARE(box("Naam2_3")->text(), " 3. Kat");
    }

    // A pressed button moves in, then runs its command; a click during the press's pause runs
    // first.
    void menuButtonsAndHelp() {
        auto* menu = m_w->child<MenuRow>("Frame1");
        QList<MenuCommand> chosen;
        connect(menu, &MenuRow::chosen, this, [&](MenuCommand command) { chosen << command; });
        const QString info = "Naam van deze serie: Dieren.msr";
        m_w->window->setInfo(info);
        QWidget* save = m_w->child("Menuknop_3");
        QPoint during;
        const auto nested = connect(menu, &MenuRow::pressed, this, [&](MenuCommand command) {
            if (command != MenuCommand::Save)
                return;
            during = save->pos();
            QMetaObject::invokeMethod(
                this, [&] { m_w->clickMenu(4); }, Qt::QueuedConnection);
        });
        m_w->clickMenu(3);
        disconnect(nested);
        QCOMPARE(during, QPoint(126, 19));
        QCOMPARE(save->pos(), QPoint(124, 17));
        QCOMPARE(chosen, (QList<MenuCommand>{MenuCommand::Help, MenuCommand::Save}));
        auto* help = m_w->child<QTextBrowser>("WebBrowser");
        QVERIFY(help->isVisible() && help->toPlainText().trimmed().isEmpty()); // no help page
        QCOMPARE(m_w->window->info(), "Druk nogmaals op Help om dit venster weer te sluiten...");
        for (int index : {1, 2, 3, 5}) {
            QVERIFY(!m_w->child(QString("Menuknop_%1").arg(index))->isEnabled());
            m_w->clickMenu(index);
        }
        QCOMPARE(chosen.size(), 2);

        m_w->clickMenu(4);
        QVERIFY(!help->isVisible());
        QCOMPARE(m_w->window->info(), info);
        for (int index : {1, 2, 3, 5})
            QVERIFY(m_w->child(QString("Menuknop_%1").arg(index))->isEnabled());
        QVERIFY(m_w->dir.write("help/help.htm", "<p>Eerste hulp</p>"));
        m_w->clickMenu(4);
        QVERIFY(help->toPlainText().contains("Eerste hulp"));
    }

    // A drag shows the photo's top on card and thumbnails, a click opens the photo dialog, the
    // wheel zooms, a reset centres; the framing is saved and loaded, a new photo starts centred.
    void photoIsFramedWithTheMouse() {
        TestWindow& t = *m_w;
        QVERIFY(t.placeUpright());
        t.window->model().setSaved(SeriesModel::Saved::Yes);
        QWidget* photo = m_w->child("Foto_1");
        QCOMPARE(redAtTop(t, "Foto_1"), 0);
        TestWindow::drag(photo, QPoint(0, 300));
        QCOMPARE(t.prompts.asked.size(), 1); // the photo dialog only
        QVERIFY(redAtTop(t, "Foto_1") > 0 && t.window->model().hasUnsavedChanges());
        t.prompts.openPaths << QString();
        TestWindow::drag(photo, QPoint(3, 2));
        QCOMPARE(t.prompts.kinds(), QStringList({"openPicture", "openPicture"}));
        QVERIFY(t.window->model().framing(1).point.y() < 0.3);
        t.window->setDeckMode(DeckMode::Children);
        QVERIFY(redAtTop(t, "Foto1_4") > 0 && redAtTop(t, "Foto2_1") > 0);
        t.window->setDeckMode(DeckMode::Normal);
        wheel(3);
        QVERIFY(qAbs(t.window->model().framing(1).zoom - 1.331) < 1e-6);
        wheel(-10);
        QCOMPARE(t.window->model().framing(1).zoom, 1.0);
        t.child<PictureBox>("Foto_1")->resetFraming();
        QCOMPARE(redAtTop(t, "Foto_1"), 0);
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
        TestWindow& w = *m_w;
        QVERIFY(w.placeUpright());
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
            w.whileLoading([&](QDialog& dialog) { seen << dialog.metaObject()->className(); }, {},
                           act);
            return seen << w.prompts.kinds() << QString::number(w.window->helpOpen())
                        << QString::number(w.window->isVisible());
        };
        const QStringList clicked = outcome(false);
        QCOMPARE(outcome(true), clicked);
        QVERIFY(clicked.size() > 3 || button == "Menuknop_4"); // something happened
    }
    // A quit request that arrives during an hour's pause ends it.
    void pauseEndsWhenTheProgramQuits() {
        bool returned = false;
        QMetaObject::invokeMethod(
            this,
            [&] {
                pause(3600);
                returned = true;
                QCoreApplication::exit(0);
            },
            Qt::QueuedConnection);
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        QCoreApplication::exec();
        QVERIFY(returned);
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
