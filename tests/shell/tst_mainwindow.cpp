// Tests of the main window: settings at start and exit, layout, marks, tab order, mirrored texts,
// deck modes, the menu and help.
#include "MainWindow.h"
#include "MenuRow.h"
#include "ScriptedPrompts.h"
#include "TestFolder.h"
#include "TestPictures.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {
QRect px(int left, int top, int width, int height) {
    return QRect(left / 15, top / 15, width / 15, height / 15);
}
} // namespace

class MainWindowTest final : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_dir;
    ScriptedPrompts m_prompts;
    std::unique_ptr<MainWindow> m_window;

    template <typename T = QWidget> T* child(const QString& name) const {
        T* found = m_window->findChild<T*>(name);
        if (!found)
            qFatal("no widget %s", qPrintable(name));
        return found;
    }
    QLineEdit* box(const QString& name) const { return child<QLineEdit>(name); }
    QRgb pixelAt(const QString& name, QPoint offset) const {
        return m_window->grab().toImage().pixel(child(name)->mapTo(m_window.get(), offset));
    }
    void clickMenu(int index) {
        QTest::mouseClick(child(u"Menuknop_%1"_s.arg(index)), Qt::LeftButton);
    }
    // Every card's own name line is yellow, the other lines cyan.
    void verifyOwnNameMarks() const {
        const QImage shot = m_window->grab().toImage();
        for (int card = 1; card <= 4; ++card)
            for (int line = 1; line <= 4; ++line) {
                QWidget* name = child(u"Naam%1_%2"_s.arg(card).arg(line));
                const QColor colour = shot.pixel(name->mapTo(m_window.get(), QPoint(110, 9)));
                QCOMPARE(colour, card == line ? QColor(255, 255, 192) : QColor(192, 255, 255));
            }
    }

private slots:
    // Every test starts a new window on an empty program folder.
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        m_prompts.clear();
        m_window = std::make_unique<MainWindow>(ProgramFolder(m_dir->path()), m_prompts);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void cleanup() { m_window.reset(); }

    void settingsAreWrittenAtStartAndAtTheEnd_data() {
        QTest::addColumn<bool>("exitButton");
        QTest::newRow("Exit button") << true;
        QTest::newRow("closed by the window manager") << false;
    }
    void settingsAreWrittenAtStartAndAtTheEnd() {
        QFETCH(bool, exitButton);
        const QString file = m_dir->filePath(u"Mosaret.ini"_s);
        QCOMPARE(TestFolder::readFile(file), QByteArray("0,0,0\r\n0,0,0\r\n1680,2400\r\n"));
        m_window->settings().backX = SettingValue::text(u"2100"_s);
        m_window->settings().backY = -150;
        if (exitButton)
            QTest::mouseClick(child(u"ExitKnop"_s), Qt::LeftButton);
        else
            QVERIFY(m_window->close());
        QVERIFY(!m_window->isVisible());
        QCOMPARE(TestFolder::readFile(file), QByteArray("0,0,0\r\n0,0,0\r\n\"2100\",-150\r\n"));
        QVERIFY(m_prompts.asked().isEmpty());
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
        QWidget* w = child(QString::fromLatin1(QTest::currentDataTag()));
        QCOMPARE(w->geometry(), geometry);
        QCOMPARE(w->isVisible(), visible);
    }

    void windowHasAFixedSizeAndMarksTheOwnNames() {
        QCOMPARE(m_window->size(), QSize(394, 572));
        QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
        verifyOwnNameMarks();
    }

    void tabOrderRunsThroughTheCardsFromTheFirstSubject() {
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QCOMPARE(QApplication::focusWidget(), child(u"Onderwerp1_1"_s));
        const QStringList expected =
            QStringLiteral(
                "Naam1_1 Naam1_2 Naam1_3 Naam1_4 ExitKnop Onderwerp1_2 Onderwerp1_3 Onderwerp1_4 "
                "Naam2_1 Naam2_2 Naam2_3 Naam2_4 Naam3_1 Naam3_2 Naam3_3 Naam3_4 Naam4_1 Naam4_2 "
                "Naam4_3 Naam4_4 NormaalKnop KinderKnop Onderwerp1_1")
                .split(u' ');
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
        QTest::newRow("subject typed on card 3") << u"Onderwerp1_3"_s << u"X"_s << u"OnXderwerp"_s;
        QTest::newRow("name typed on card 4") << u"Naam4_2"_s << u"X"_s << u" 2X. "_s;
        QTest::newRow("line break pasted") << u"Naam1_3"_s << u"a\nb"_s << u"a b"_s;
    }
    void editsShowOnAllFourCards() {
        QFETCH(QString, boxName);
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QLineEdit* edited = box(boxName);
        edited->setFocus();
        if (input.contains(u'\n')) {
            QGuiApplication::clipboard()->setText(input);
            edited->selectAll();
            edited->paste();
        } else {
            edited->setCursorPosition(2);
            QTest::keyClicks(edited, input);
        }
        QCOMPARE(edited->cursorPosition(), 3); // just after the typed or pasted text
        const bool subject = boxName.startsWith(u"Onderwerp"_s);
        const int line = boxName.back().digitValue();
        const SeriesModel& model = m_window->model();
        for (int card = 1; card <= 4; ++card) {
            const QString name =
                subject ? u"Onderwerp1_%1"_s.arg(card) : u"Naam%1_%2"_s.arg(card).arg(line);
            QCOMPARE(box(name)->text(), expected);
            QCOMPARE(subject ? model.subject() : model.name(card, line), expected);
        }
        verifyOwnNameMarks();
    }

    void deckButtonsSwitchTheLayoutThereAndBack() {
        m_window->model().setName(1, 3, u" 3. Kat"_s);
        const QImage red = TestPictures::plain(400, 300, Qt::red);
        m_window->photos().place(2, PreparedPhoto{red, red, red});
        QTest::mouseClick(child(u"KinderKnop"_s), Qt::LeftButton);
        QCOMPARE(m_window->deckMode(), DeckMode::Children);
        QCOMPARE(child(u"Foto_3"_s)->geometry(), px(450, 3930, 1800, 1500));
        QVERIFY(!box(u"Onderwerp1_2"_s)->isVisible() && !box(u"Naam4_4"_s)->isVisible());
        // The thumbnails that show card 2's photo, and one that shows card 3's.
        for (const char* slot : {"Foto1_1", "Foto2_4", "Foto3_2", "Foto4_2"})
            QVERIFY2(TestPictures::near(pixelAt(slot, QPoint(18, 18)), Qt::red, 10), slot);
        QVERIFY(!TestPictures::near(pixelAt(u"Foto1_3"_s, {18, 18}), Qt::red, 10));

        QTest::mouseClick(child(u"NormaalKnop"_s), Qt::LeftButton);
        QCOMPARE(m_window->deckMode(), DeckMode::Normal);
        QCOMPARE(child(u"Foto_3"_s)->geometry(), px(450, 4230, 1800, 1200));
        QVERIFY(!child(u"Foto3_2"_s)->isVisible());
        QCOMPARE(box(u"Naam2_3"_s)->text(), u" 3. Kat"_s);
    }

    void menuButtonMovesInWhilePressedThenRunsItsCommand() {
        QSignalSpy chosen(child<MenuRow>(u"Frame1"_s), &MenuRow::chosen);
        QWidget* save = child(u"Menuknop_3"_s);
        QPoint during;
        QTimer::singleShot(100, this, [&] {
            during = save->pos();
            clickMenu(4); // a nested click runs its own press and command first
        });
        clickMenu(3);
        QCOMPARE(during, QPoint(126, 19));
        QCOMPARE(save->pos(), QPoint(124, 17));
        QCOMPARE(QList<QVariantList>(chosen), (QList<QVariantList>{{4}, {3}}));
        QVERIFY(m_window->helpOpen());
    }

    void helpOpensOverTheSheetAndClosesAgain() {
        const QString info = u"Naam van deze serie: Dieren.msr"_s;
        m_window->setInfo(info);
        auto* help = child<QTextBrowser>(u"WebBrowser"_s);
        clickMenu(4); // without a help page the pane opens empty
        QVERIFY(help->isVisible() && help->toPlainText().trimmed().isEmpty());
        QCOMPARE(m_window->info(), u"Druk nogmaals op Help om dit venster weer te sluiten..."_s);
        QSignalSpy pressed(child<MenuRow>(u"Frame1"_s), &MenuRow::chosen);
        for (int index : {1, 2, 3, 5}) {
            QVERIFY(!child(u"Menuknop_%1"_s.arg(index))->isEnabled());
            clickMenu(index);
        }
        QCOMPARE(pressed.size(), 0); // a press moves the button, then emits

        clickMenu(4);
        QVERIFY(!help->isVisible());
        QCOMPARE(m_window->info(), info);
        for (int index : {1, 2, 3, 5})
            QVERIFY(child(u"Menuknop_%1"_s.arg(index))->isEnabled());
        QVERIFY(QDir(m_dir->path()).mkpath(u"help"_s));
        QVERIFY(TestFolder::writeFile(m_dir->filePath(u"help/help.htm"_s), "<p>Eerste hulp</p>"));
        clickMenu(4);
        QVERIFY(help->toPlainText().contains(u"Eerste hulp"_s));
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
