// Tests of the main window: layout, pictures, tab order, mirrored texts, deck modes, the menu,
// help, a close while a photo is decoded, and the pause that ends when the program quits.
#include "MenuRow.h"
#include "Pause.h"
#include "TestPictures.h"
#include "TestWindow.h"

class MainWindowTest final : public QObject {
    Q_OBJECT
    std::unique_ptr<TestWindow> m_w;

    QWidget* child(const QString& name) const { return m_w->child(name); }
    QLineEdit* box(const QString& name) const { return m_w->child<QLineEdit>(name); }
    QRgb pixelAt(const QString& name, QPoint offset) const { return m_w->pixelAt(name, offset); }
    void clickMenu(int index) const { m_w->clickMenu(index); }

private slots:
    void init() {
        m_w = std::make_unique<TestWindow>();
        QVERIFY(m_w->start());
    }
    void cleanup() { m_w.reset(); }

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
        QWidget* w = child(QTest::currentDataTag());
        QCOMPARE(w->geometry(), geometry);
        QVERIFY(w->isVisible());
        QCOMPARE(m_w->window->size(), QSize(394, 572));
        QCOMPARE(m_w->window->minimumSize(), m_w->window->maximumSize());
    }

    // The built-in pictures reach the screen: the menu shows many-coloured pictures, the deck
    // buttons and the window their icons, and an empty card the sand-coloured photo placeholder.
    void builtInPicturesAreShown() {
        for (int index = 1; index <= MenuRow::kButtons; ++index) {
            const QImage shot = child(QString("Menuknop_%1").arg(index))->grab().toImage();
            QSet<QRgb> colours;
            for (int y = 0; y < shot.height(); ++y)
                for (int x = 0; x < shot.width(); ++x)
                    colours.insert(shot.pixel(x, y));
            QVERIFY2(colours.size() > 8, qPrintable(QString::number(index)));
        }
        for (const char* deck : {"NormaalKnop", "KinderKnop"})
            QVERIFY(!m_w->child<QPushButton>(deck)->icon().isNull());
        QVERIFY(!m_w->window->windowIcon().isNull());
        QCOMPARE(QColor(pixelAt("Foto_1", {10, 10})), QColor(230, 210, 165));
    }

    void tabOrderRunsThroughTheCardsFromTheFirstSubject() {
        m_w->window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_w->window.get()));
        QCOMPARE(QApplication::focusWidget(), child("Onderwerp1_1"));
        const QStringList expected =
            QString("Naam1_1 Naam1_2 Naam1_3 Naam1_4 ExitKnop Onderwerp1_2 Onderwerp1_3 "
                    "Onderwerp1_4 Naam2_1 Naam2_2 Naam2_3 Naam2_4 Naam3_1 Naam3_2 Naam3_3 Naam3_4 "
                    "Naam4_1 Naam4_2 Naam4_3 Naam4_4 NormaalKnop KinderKnop Onderwerp1_1")
                .split(' ');
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
                QCOMPARE(QColor(pixelAt(name, {110, 9})),
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
        QCOMPARE(child("Foto_3")->geometry(), px(450, 3930, 1800, 1500));
        QVERIFY(!box("Onderwerp1_2")->isVisible() && !box("Naam4_4")->isVisible());
        const int shown[4][4] = {{2, 3, 4, 1}, {1, 3, 4, 2}, {1, 2, 4, 3}, {1, 2, 3, 4}};
        for (int card = 1; card <= 4; ++card)
            for (int slot = 1; slot <= 4; ++slot)
                QVERIFY(
                    TestPictures::near(pixelAt(QString("Foto%1_%2").arg(card).arg(slot), {18, 18}),
                                       colours[shown[card - 1][slot - 1] - 1], 10));
        m_w->click("NormaalKnop");
        QCOMPARE(m_w->window->deckMode(), DeckMode::Normal);
        QCOMPARE(child("Foto_3")->geometry(), px(450, 4230, 1800, 1200));
        QVERIFY(!child("Foto3_2")->isVisible());
        QCOMPARE(box("Naam2_3")->text(), " 3. Kat");
    }

    // A pressed button moves in, then runs its command; a click that arrives during the press's
    // pause runs first.
    void menuButtonsAndHelp() {
        auto* menu = m_w->child<MenuRow>("Frame1");
        QList<MenuCommand> chosen;
        connect(menu, &MenuRow::chosen, this, [&](MenuCommand command) { chosen << command; });
        const QString info = "Naam van deze serie: Dieren.msr";
        m_w->window->setInfo(info);
        QWidget* save = child("Menuknop_3");
        QPoint during;
        const auto nested = connect(menu, &MenuRow::pressed, this, [&](MenuCommand command) {
            if (command != MenuCommand::Save)
                return;
            during = save->pos();
            QMetaObject::invokeMethod(
                this, [&] { clickMenu(4); }, Qt::QueuedConnection);
        });
        clickMenu(3);
        disconnect(nested);
        QCOMPARE(during, QPoint(126, 19));
        QCOMPARE(save->pos(), QPoint(124, 17));
        QCOMPARE(chosen, (QList<MenuCommand>{MenuCommand::Help, MenuCommand::Save}));
        auto* help = m_w->child<QTextBrowser>("WebBrowser");
        QVERIFY(help->isVisible() && help->toPlainText().trimmed().isEmpty()); // no help page
        QCOMPARE(m_w->window->info(), "Druk nogmaals op Help om dit venster weer te sluiten...");
        for (int index : {1, 2, 3, 5}) {
            QVERIFY(!child(QString("Menuknop_%1").arg(index))->isEnabled());
            clickMenu(index);
        }
        QCOMPARE(chosen.size(), 2);

        clickMenu(4);
        QVERIFY(!help->isVisible());
        QCOMPARE(m_w->window->info(), info);
        for (int index : {1, 2, 3, 5})
            QVERIFY(child(QString("Menuknop_%1").arg(index))->isEnabled());
        QVERIFY(m_w->dir.write("help/help.htm", "<p>Eerste hulp</p>"));
        clickMenu(4);
        QVERIFY(help->toPlainText().contains("Eerste hulp"));
    }

    // A close asked for while a photo is read happens at once, with the settings written.
    void closeDoesNotWaitForThePhotoBeingRead() {
        m_w->prompts.openPaths << m_w->photo("blauw.png", Qt::blue);
        m_w->click("Foto_2");
        QVERIFY(m_w->window->isBusy());
        QVERIFY(QFile::remove(m_w->dir.path("Mosaret.ini")));
        QVERIFY(m_w->window->close());
        QCOMPARE(m_w->dir.read("Mosaret.ini"), "0,0,0\r\n0,0,0\r\n1680,2400\r\n");
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    // The application's loop stands in for the window's; a quit request that arrives during an
    // hour's pause ends it (a pause that ran on would hold the test until its time limit).
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
