// Tests of the main window: settings at start and exit, layout, marks, tab order, mirrored texts,
// deck modes, the menu, help, and the pause that ends when the program quits.
#include "MenuRow.h"
#include "Pause.h"
#include "TestPictures.h"
#include "TestWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTextBrowser>
#include <QTimer>

namespace {
QRect px(int left, int top, int width, int height) {
    return QRect(left / 15, top / 15, width / 15, height / 15);
}
} // namespace

class MainWindowTest final : public QObject {
    Q_OBJECT
    std::unique_ptr<TestWindow> m_w;

    QWidget* child(const QString& name) const { return m_w->child(name); }
    QLineEdit* box(const QString& name) const { return m_w->child<QLineEdit>(name); }
    QRgb pixelAt(const QString& name, QPoint offset) const {
        return m_w->window->grab().toImage().pixel(child(name)->mapTo(m_w->window.get(), offset));
    }
    void clickMenu(int index) const { m_w->click(QString("Menuknop_%1").arg(index)); }

private slots:
    // Every test starts a new window on an empty program folder.
    void init() {
        m_w = std::make_unique<TestWindow>();
        QVERIFY(m_w->start());
    }
    void cleanup() { m_w.reset(); }

    void settingsAreWrittenAtStartAndAtTheEnd_data() {
        QTest::addColumn<bool>("exitButton");
        QTest::newRow("Exit button") << true;
        QTest::newRow("closed by the window manager") << false;
    }
    void settingsAreWrittenAtStartAndAtTheEnd() {
        QFETCH(bool, exitButton);
        QCOMPARE(m_w->dir.read("Mosaret.ini"), "0,0,0\r\n0,0,0\r\n1680,2400\r\n");
        m_w->window->settings().backX = SettingValue::text("2100");
        m_w->window->settings().backY = -150;
        if (exitButton)
            m_w->click("ExitKnop");
        else
            QVERIFY(m_w->window->close());
        QVERIFY(!m_w->window->isVisible());
        QCOMPARE(m_w->dir.read("Mosaret.ini"), "0,0,0\r\n0,0,0\r\n\"2100\",-150\r\n");
        QVERIFY(m_w->prompts.asked.isEmpty());
    }

    void controlsStandAtTheirPlaces_data() {
        QTest::addColumn<QRect>("geometry"); // the row name is the widget's name
        QTest::addColumn<bool>("visible");
        QTest::newRow("Foto_1") << px(450, 900, 1800, 1200) << true;
        QTest::newRow("Foto_4") << px(3540, 4230, 1800, 1200) << true;
        QTest::newRow("Naam3_4") << px(450, 6390, 1800, 285) << true;
        QTest::newRow("Foto4_4") << px(4155, 6090, 555, 555) << false;
        QTest::newRow("Menuknop_6") << px(4290, 255, 480, 480) << true;
        QTest::newRow("Frame1") << px(75, -30, 5775, 1200) << true; // its top line cut off
        QTest::newRow("ExitKnop") << px(5130, 8220, 690, 315) << true;
    }
    void controlsStandAtTheirPlaces() {
        QFETCH(QRect, geometry);
        QFETCH(bool, visible);
        QWidget* w = child(QTest::currentDataTag());
        QCOMPARE(w->geometry(), geometry);
        QCOMPARE(w->isVisible(), visible);
        QCOMPARE(m_w->window->size(), QSize(394, 572));
        QCOMPARE(m_w->window->minimumSize(), m_w->window->maximumSize());
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
        QTest::addColumn<QString>("input"); // typed at position 2, or pasted over all with a break
        QTest::addColumn<QString>("expected");
        QTest::newRow("subject typed on card 3") << "Onderwerp1_3"
                                                 << "X"
                                                 << "OnXderwerp";
        QTest::newRow("name typed on card 4") << "Naam4_2"
                                              << "X"
                                              << " 2X. ";
        QTest::newRow("line break pasted") << "Naam1_3"
                                           << "a\nb"
                                           << "a b";
    }
    void editsShowOnAllFourCards() {
        QFETCH(QString, boxName);
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QLineEdit* edited = box(boxName);
        edited->setFocus();
        if (input.contains('\n')) {
            QGuiApplication::clipboard()->setText(input);
            edited->selectAll();
            edited->paste();
        } else {
            edited->setCursorPosition(2);
            QTest::keyClicks(edited, input);
        }
        QCOMPARE(edited->cursorPosition(), 3); // just after the typed or pasted text
        const bool subject = boxName.startsWith("Onderwerp");
        const int line = boxName.back().digitValue();
        const SeriesModel& model = m_w->window->model();
        for (int card = 1; card <= 4; ++card) {
            const QString name = subject ? QString("Onderwerp1_%1").arg(card)
                                         : QString("Naam%1_%2").arg(card).arg(line);
            QCOMPARE(box(name)->text(), expected);
            QCOMPARE(subject ? model.subject() : model.name(card, line), expected);
            // The own name line stays yellow on every card, the other lines cyan.
            for (int l = 1; l <= 4; ++l)
                QCOMPARE(QColor(pixelAt(QString("Naam%1_%2").arg(card).arg(l), {110, 9})),
                         card == l ? QColor(255, 255, 192) : QColor(192, 255, 255));
        }
    }

    void deckButtonsSwitchTheLayoutThereAndBack() {
        m_w->window->model().setName(1, 3, " 3. Kat");
        const QImage red = TestPictures::plain(400, 300, Qt::red);
        m_w->window->photos().place(2, PreparedPhoto{red, red, red});
        m_w->click("KinderKnop");
        QCOMPARE(m_w->window->deckMode(), DeckMode::Children);
        QCOMPARE(child("Foto_3")->geometry(), px(450, 3930, 1800, 1500));
        QVERIFY(!box("Onderwerp1_2")->isVisible() && !box("Naam4_4")->isVisible());
        // The thumbnails that show card 2's photo, and one that shows card 3's.
        for (const char* slot : {"Foto1_1", "Foto2_4", "Foto3_2", "Foto4_2"})
            QVERIFY2(TestPictures::near(pixelAt(slot, {18, 18}), Qt::red, 10), slot);
        QVERIFY(!TestPictures::near(pixelAt("Foto1_3", {18, 18}), Qt::red, 10));

        m_w->click("NormaalKnop");
        QCOMPARE(m_w->window->deckMode(), DeckMode::Normal);
        QCOMPARE(child("Foto_3")->geometry(), px(450, 4230, 1800, 1200));
        QVERIFY(!child("Foto3_2")->isVisible());
        QCOMPARE(box("Naam2_3")->text(), " 3. Kat");
    }

    // A pressed button moves in, then runs its command; a nested click meanwhile runs first. The
    // help pane over the sheet disables the other buttons until Help closes it again.
    void menuButtonsAndHelp() {
        QSignalSpy chosen(m_w->child<MenuRow>("Frame1"), &MenuRow::chosen);
        const QString info = "Naam van deze serie: Dieren.msr";
        m_w->window->setInfo(info);
        QWidget* save = child("Menuknop_3");
        QPoint during;
        QTimer::singleShot(100, this, [&] {
            during = save->pos();
            clickMenu(4);
        });
        clickMenu(3);
        QCOMPARE(during, QPoint(126, 19));
        QCOMPARE(save->pos(), QPoint(124, 17));
        QCOMPARE(QList<QVariantList>(chosen), (QList<QVariantList>{{4}, {3}}));
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

    void pauseEndsWhenTheProgramQuits() {
        QTimer::singleShot(50, qApp, &QCoreApplication::quit);
        QElapsedTimer clock;
        clock.start();
        // Stands in for the window's own event loop, which the quit request ends.
        QTimer::singleShot(0, this, [&] {
            pause(5);
            QCoreApplication::exit(0);
        });
        QCoreApplication::exec();
        QVERIFY2(clock.elapsed() < 4000, "the pause ran on after the quit request");
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
