// Tests of the main window: layout, colours, tab order, mirrored texts, deck modes, menu and help.
#include "CardPhotos.h"
#include "MainWindow.h"
#include "MenuRow.h"
#include "ScriptedPrompts.h"
#include "TestPictures.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

namespace {
QRect px(int left, int top, int width, int height) {
    return QRect(left / 15, top / 15, width / 15, height / 15);
}
} // namespace

class MainWindowTest final : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    ScriptedPrompts m_prompts;
    std::unique_ptr<MainWindow> m_window;

    template <typename T = QWidget>
    T* child(const QString& name) const {
        T* found = m_window->findChild<T*>(name);
        if (!found)
            qFatal("no widget %s", qPrintable(name));
        return found;
    }
    QLineEdit* box(const QString& name) const { return child<QLineEdit>(name); }
    QRgb pixelAt(const QString& name, QPoint offset) const {
        QWidget* w = child(name);
        return m_window->grab().toImage().pixel(w->mapTo(m_window.get(), offset));
    }
    void clickMenu(int index) { QTest::mouseClick(child(QStringLiteral("Menuknop_%1").arg(index)), Qt::LeftButton); }

private slots:
    void init() {
        m_prompts.clear();
        m_window = std::make_unique<MainWindow>(ProgramFolder(m_folder.path()), m_prompts);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void cleanup() { m_window.reset(); }

    void controlsStandAtTheirPlaces_data() {
        QTest::addColumn<QString>("container"); // the row name is the widget's name
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<bool>("visible");
        QTest::newRow("Foto_1") << "Frame2" << px(450, 900, 1800, 1200) << true;
        QTest::newRow("Foto_4") << "Frame2" << px(3540, 4230, 1800, 1200) << true;
        QTest::newRow("Naam3_4") << "Frame2" << px(450, 6390, 1800, 285) << true;
        QTest::newRow("Onderwerp1_2") << "Frame2" << px(3540, 540, 1800, 285) << true;
        QTest::newRow("Foto4_4") << "Frame2" << px(4155, 6090, 555, 555) << false;
        QTest::newRow("Foto2_3") << "Frame2" << px(4770, 2160, 555, 555) << false;
        QTest::newRow("Kaart3") << "Frame2" << px(300, 3720, 2100, 3120) << true;
        QTest::newRow("Menuknop_6") << "Frame1" << px(4290, 255, 480, 480) << true;
        QTest::newRow("NormaalKnop") << "Frame2" << px(2640, 3090, 540, 540) << true;
        QTest::newRow("KinderKnop") << "Frame2" << px(2640, 3630, 540, 540) << true;
        QTest::newRow("Label7") << "Frame2" << px(2610, 4230, 630, 390) << true;
        QTest::newRow("WebBrowser") << "Frame2" << px(90, 225, 5595, 6765) << false;
        QTest::newRow("Frame1") << "Main" << px(75, -30, 5775, 1200) << true; // its top line cut off
        QTest::newRow("Frame2") << "Main" << px(75, 1020, 5775, 7080) << true;
        QTest::newRow("Frame3") << "Main" << px(75, 8100, 4965, 450) << true;
        QTest::newRow("ExitKnop") << "Main" << px(5130, 8220, 690, 315) << true;
    }
    void controlsStandAtTheirPlaces() {
        QFETCH(QString, container);
        QFETCH(QRect, geometry);
        QFETCH(bool, visible);
        QWidget* w = child(QString::fromLatin1(QTest::currentDataTag()));
        QCOMPARE(w->parentWidget()->objectName(), container);
        QCOMPARE(w->geometry(), geometry);
        QCOMPARE(w->isVisible(), visible);
    }

    void windowIsFixedAndCardsFitTheSheet() {
        QCOMPARE(m_window->size(), QSize(394, 572));
        QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
        QCOMPARE(m_window->windowTitle(), QStringLiteral(" Mosaret Designer V2"));
        const QRect sheet = child(QStringLiteral("Frame2"))->rect();
        QVERIFY(sheet.contains(child(QStringLiteral("Kaart2"))->geometry()));
        QVERIFY(sheet.contains(child(QStringLiteral("Kaart4"))->geometry()));
        // Frame1 lies above Frame2 where they overlap.
        QCOMPARE(m_window->childAt(100, 70), child(QStringLiteral("Frame1")));
    }

    void boxesAndCardsShowTheirColours_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("offset");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("own name yellow") << "Naam2_2" << QPoint(110, 9) << QColor(255, 255, 192);
        QTest::newRow("other name cyan") << "Naam2_1" << QPoint(110, 9) << QColor(192, 255, 255);
        QTest::newRow("subject") << "Onderwerp1_4" << QPoint(8, 9) << QColor(200, 230, 240);
        QTest::newRow("card fill") << "Kaart1" << QPoint(4, 100) << QColor(224, 224, 224);
        QTest::newRow("card border") << "Kaart1" << QPoint(0, 100) << QColor(128, 128, 128);
    }
    void boxesAndCardsShowTheirColours() {
        QFETCH(QString, name);
        QFETCH(QPoint, offset);
        QFETCH(QColor, colour);
        QCOMPARE(QColor(pixelAt(name, offset)), colour);
    }

    void tabOrderRunsThroughTheCardsFromTheFirstSubject() {
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QCOMPARE(QApplication::focusWidget(), child(QStringLiteral("Onderwerp1_1")));
        QStringList expected{"Naam1_1", "Naam1_2", "Naam1_3", "Naam1_4", "ExitKnop",
                             "Onderwerp1_2", "Onderwerp1_3", "Onderwerp1_4"};
        for (int card = 2; card <= 4; ++card)
            for (int line = 1; line <= 4; ++line)
                expected << QStringLiteral("Naam%1_%2").arg(card).arg(line);
        expected << "NormaalKnop" << "KinderKnop" << "Onderwerp1_1";
        QStringList visited;
        for (qsizetype i = 0; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, expected);
    }

    void editsShowOnAllFourCards_data() {
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<QString>("family"); // %1 is the card
        QTest::addColumn<int>("action");     // 0 type at cursor 2, 1 clear, 2 paste over all
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("cursor");
        QTest::newRow("typing a subject on card 3") << "Onderwerp1_3" << "Onderwerp1_%1" << 0 << "X" << "OnXderwerp" << 3;
        QTest::newRow("clearing line 2 on card 4") << "Naam4_2" << "Naam%1_2" << 1 << "" << "" << 0;
        QTest::newRow("pasting a line break") << "Naam1_3" << "Naam%1_3" << 2 << "a\nb" << "a b" << 3;
        QTest::newRow("pasting CR LF in a subject") << "Onderwerp1_1" << "Onderwerp1_%1" << 2 << "x\r\ny" << "x y" << 3;
    }
    void editsShowOnAllFourCards() {
        QFETCH(QString, boxName);
        QFETCH(QString, family);
        QFETCH(int, action);
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QFETCH(int, cursor);
        QLineEdit* edited = box(boxName);
        edited->setFocus();
        if (action == 0) {
            edited->setCursorPosition(2);
            QTest::keyClicks(edited, input);
        } else if (action == 1) {
            edited->selectAll();
            QTest::keyClick(edited, Qt::Key_Delete);
        } else {
            QGuiApplication::clipboard()->setText(input);
            edited->selectAll();
            edited->paste();
        }
        for (int card = 1; card <= 4; ++card)
            QCOMPARE(box(family.arg(card))->text(), expected);
        QCOMPARE(edited->cursorPosition(), cursor);
        const QString inModel = boxName.startsWith("Onderwerp") ? m_window->model().subject()
                                                                : m_window->model().name(2, boxName.back().digitValue());
        QCOMPARE(inModel, expected);
        QCOMPARE(QColor(pixelAt(QStringLiteral("Naam2_2"), QPoint(110, 9))), QColor(255, 255, 192));
    }

    void deckButtonsSwitchTheLayoutAndKeepTheTexts() {
        m_window->model().setSubject(QStringLiteral("Dieren"));
        m_window->model().setName(1, 3, QStringLiteral(" 3. Kat"));
        for (const char* button : {"KinderKnop", "KinderKnop"}) {
            QTest::mouseClick(child(button), Qt::LeftButton);
            QCOMPARE(m_window->deckMode(), DeckMode::Children);
            QCOMPARE(child(QStringLiteral("Foto_3"))->geometry(), px(450, 3930, 1800, 1500));
            QVERIFY(child(QStringLiteral("Foto3_2"))->isVisible());
            QVERIFY(!box(QStringLiteral("Onderwerp1_2"))->isVisible());
            QVERIFY(!box(QStringLiteral("Naam4_4"))->isVisible());
            QVERIFY(child(QStringLiteral("Label7"))->isEnabled());
            QVERIFY(!child(QStringLiteral("Label6"))->isEnabled());
        }
        QTest::mouseClick(child(QStringLiteral("NormaalKnop")), Qt::LeftButton);
        QCOMPARE(m_window->deckMode(), DeckMode::Normal);
        QCOMPARE(child(QStringLiteral("Foto_3"))->geometry(), px(450, 4230, 1800, 1200));
        QVERIFY(!child(QStringLiteral("Foto3_2"))->isVisible());
        QVERIFY(!child(QStringLiteral("Label7"))->isEnabled());
        QCOMPARE(box(QStringLiteral("Onderwerp1_4"))->text(), QStringLiteral("Dieren"));
        QCOMPARE(box(QStringLiteral("Naam2_3"))->text(), QStringLiteral(" 3. Kat"));
    }

    void placedPhotoShowsOnTheCardAndInTheMatchingThumbnails() {
        const QImage red = TestPictures::plain(400, 300, Qt::red);
        m_window->photos().place(2, PreparedPhoto{red, red, red});
        m_window->photos().load(3, PreparedPhoto{red, red, QImage()}); // an empty photo
        QTest::mouseClick(child(QStringLiteral("KinderKnop")), Qt::LeftButton);
        const QPoint middle(18, 18);
        for (const char* slot : {"Foto1_1", "Foto2_4", "Foto3_2", "Foto4_2"})
            QVERIFY2(TestPictures::near(pixelAt(slot, middle), Qt::red, 10), slot);
        QVERIFY(!TestPictures::near(pixelAt(QStringLiteral("Foto1_3"), QPoint(10, 10)), Qt::red, 10));
        QVERIFY(TestPictures::near(pixelAt(QStringLiteral("Foto_2"), QPoint(60, 50)), Qt::red, 10));
        QCOMPARE(QColor(pixelAt(QStringLiteral("Foto_3"), QPoint(60, 50))), QColor(224, 224, 224));
    }

    void menuButtonMovesInWhilePressedThenRunsItsCommand() {
        auto* menu = child<MenuRow>(QStringLiteral("Frame1"));
        QSignalSpy chosen(menu, &MenuRow::chosen);
        QWidget* save = child(QStringLiteral("Menuknop_3"));
        QPoint during;
        QTimer::singleShot(100, this, [&] {
            during = save->pos();
            clickMenu(4); // a nested click runs its own press and command first
        });
        clickMenu(3);
        QCOMPARE(during, QPoint(126, 19));
        QCOMPARE(save->pos(), QPoint(124, 17));
        QCOMPARE(chosen.size(), 2);
        QCOMPARE(chosen.at(0).at(0).toInt(), 4);
        QCOMPARE(chosen.at(1).at(0).toInt(), 3);
        QVERIFY(m_window->helpOpen());
    }

    void helpOpensOverTheSheetAndClosesAgain() {
        QFile page(m_folder.filePath(QStringLiteral("help/help.htm")));
        QVERIFY(QDir(m_folder.path()).mkpath(QStringLiteral("help")));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write("<p>Eerste hulp</p>");
        page.close();
        m_window->setInfo(QStringLiteral("Naam van deze serie: Dieren.msr"));
        auto* help = child<QTextBrowser>(QStringLiteral("WebBrowser"));

        clickMenu(4);
        QVERIFY(help->isVisible());
        QVERIFY(help->toPlainText().contains(QStringLiteral("Eerste hulp")));
        QCOMPARE(m_window->info(), QStringLiteral("Druk nogmaals op Help om dit venster weer te sluiten..."));
        QSignalSpy pressed(child<MenuRow>(QStringLiteral("Frame1")), &MenuRow::chosen);
        for (int index : {1, 2, 3, 5}) {
            QVERIFY(!child(QStringLiteral("Menuknop_%1").arg(index))->isEnabled());
            clickMenu(index);
        }
        QCOMPARE(pressed.size(), 0); // a press moves the button and then emits
        QVERIFY(m_prompts.asked().isEmpty());
        QVERIFY(child(QStringLiteral("Menuknop_6"))->isEnabled());

        clickMenu(4);
        QVERIFY(!help->isVisible());
        QCOMPARE(m_window->info(), QStringLiteral("Naam van deze serie: Dieren.msr"));
        for (int index : {1, 2, 3, 5})
            QVERIFY(child(QStringLiteral("Menuknop_%1").arg(index))->isEnabled());

        // The page is read again at every opening; a missing page leaves the pane empty.
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write("<p>Tweede hulp</p>");
        page.close();
        m_window->toggleHelp();
        QVERIFY(help->toPlainText().contains(QStringLiteral("Tweede hulp")));
        m_window->toggleHelp();
        QVERIFY(page.remove());
        m_window->toggleHelp();
        QVERIFY(help->isVisible());
        QVERIFY(help->toPlainText().trimmed().isEmpty());
        m_window->toggleHelp();
        QVERIFY(!help->isVisible());
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
