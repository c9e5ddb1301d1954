// Tests of the main window: settings at start and exit, layout, marks, tab order, mirrored texts,
// deck modes, the menu, help, the series commands, and the pause that ends when the program quits.
#include "MenuRow.h"
#include "Pause.h"
#include "PhotoBox.h"
#include "RenderedPdf.h"
#include "SeriesFile.h"
#include "SheetExport.h"
#include "TestPictures.h"
#include "TestWindow.h"

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
    void clickMenu(int index) const { m_w->clickMenu(index); }
    QByteArray saved(const QString& file) const { return m_w->dir.read("mosaretten/" + file); }
    void saveAs(const QString& name) const { m_w->saveAs(name); }
    QString proposedName() const { return m_w->proposedName(); }
    void newDesign(bool yes) const {
        m_w->prompts.yesNo << yes;
        clickMenu(1);
    }
    QString photo(const QString& name, const QColor& colour) const {
        return m_w->photo(name, colour);
    }

private slots:
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

    void replaceAndTextQuestions_data() {
        QTest::addColumn<bool>("replacing"); // or a subject Windows-1252 cannot hold
        QTest::addColumn<bool>("yes");
        QTest::newRow("replace: Yes") << true << true;
        QTest::newRow("replace: No") << true << false;
        QTest::newRow("text the file cannot hold: Yes") << false << true;
        QTest::newRow("text the file cannot hold: No") << false << false;
    }
    void replaceAndTextQuestions() {
        QFETCH(bool, replacing);
        QFETCH(bool, yes);
        SeriesModel& model = m_w->window->model();
        model.setSubject("Een veel langer eerste onderwerp");
        model.setName(1, 2, " 2. Zoë");
        if (replacing)
            saveAs("Reeks");
        const QByteArray first = saved("Reeks.msr");
        model.setSubject(replacing ? "Kort" : "Łódź");
        m_w->prompts.yesNo << yes;
        saveAs("Reeks");
        const QString question = m_w->prompts.lastText();
        QVERIFY(question.contains(replacing ? "Deze naam bestaat reeds" : "Onderwerp: Łódź"));
        QVERIFY(!question.contains("Zoë")); // Windows-1252 holds ë
        QCOMPARE(saved("Reeks.msr"), yes ? SeriesFile::serialize(model.toSeries()) : first);
    }

    void roundTripKeepsTheSeriesAndProposesItsName() {
        SeriesModel& model = m_w->window->model();
        const CardPhotos& photos = m_w->window->photos();
        QVERIFY(m_w->place(1, {})); // cancelled: nothing changes
        using Shows = CardPhotos::CardShows;
        QVERIFY(photos.cardShows(1) == Shows::Placeholder && model.photoPath(1).isEmpty());
        const QList<QColor> colours{Qt::red, Qt::green, Qt::blue, Qt::yellow};
        QList<QImage> placed;
        for (int card = 1; card <= 4; ++card) {
            QVERIFY(m_w->place(card,
                               photo(QString("foto %1, kaart.png").arg(card), colours[card - 1])));
            placed << photos.photo(card).picture;
        }
        QCOMPARE(photos.cardShows(4), Shows::Outlined);
        model.setSubject("Vogels, bos & café");
        model.setName(1, 2, " 2. Zoë \"de uil\"");
        const Series expected = model.toSeries();
        QCOMPARE(proposedName(), "Default"); // and cancelled
        saveAs("   ");                       // blanks only: nothing saved, nothing said
        saveAs("Bos");
        QCOMPARE(QDir(m_w->dir.path("mosaretten")).entryList(QDir::Files), QStringList{"Bos.msr"});
        QCOMPARE(m_w->prompts.kinds().mid(5), QStringList(3, "text")); // after the photo dialogs
        QCOMPARE(proposedName(), "Default"); // a save does not rename the series
        newDesign(false);
        QCOMPARE(model.toSeries(), expected);
        newDesign(true);
        QCOMPARE(model.toSeries(), SeriesModel().toSeries());
        QVERIFY(photos.cardShows(1) == Shows::Placeholder && photos.photo(1).picture.isNull());

        m_w->load("Bos.msr");
        QCOMPARE(saved("Bos.msr").count("\r\n"), 21);
        QCOMPARE(model.toSeries(), expected);
        QCOMPARE(m_w->window->info(), "Naam van deze serie: Bos.msr");
        for (int card = 1; card <= 4; ++card) {
            QCOMPARE(photos.photo(card).picture, placed[card - 1]);
            // A loaded card shows the picture itself, without the canvas outline.
            QCOMPARE(photos.cardShows(card), Shows::Bare);
            QVERIFY(TestPictures::near(pixelAt(QString("Foto_%1").arg(card), {0, 0}),
                                       colours[card - 1]));
        }
        QCOMPARE(proposedName(), "Bos");
        newDesign(true);
        QCOMPARE(proposedName(), "Default");
    }

    void exportSheet_data() {
        QTest::addColumn<QString>("chosen"); // "weg/": a folder that is not there
        QTest::addColumn<int>("type");       // the type the save dialog showed
        QTest::addColumn<QString>("kind");   // what is written: bmp, pdf, game or nothing
        QTest::addColumn<int>("cancelAt");   // the progress step at which the game is cancelled
        // clang-format off
        QTest::newRow("bitmap without extension") << "blad" << 0 << "bmp" << -1;
        QTest::newRow("cancelled") << "" << 0 << "nothing" << -1;
        QTest::newRow("folder missing") << "weg/blad.bmp" << 0 << "nothing" << -1;
        QTest::newRow("PDF name, bitmap shown") << "serie.PDF" << 0 << "pdf" << -1;
        QTest::newRow("BMP name, PDF shown") << "blad.Bmp" << 1 << "bmp" << -1;
        QTest::newRow("whole game") << "spel" << 2 << "game" << -1;
        QTest::newRow("whole game cancelled") << "spel.pdf" << 2 << "nothing" << 0;
        // clang-format on
    }
    // The name's extension or else the type shown decides what is written. A PDF's backs show
    // the design last chosen in the print dialog, or design 2; the game leaves the window's series
    // as it was.
    void exportSheet() {
        QFETCH(QString, chosen);
        QFETCH(int, type);
        QFETCH(QString, kind);
        QFETCH(int, cancelAt);
        const QList<QColor> designs{Qt::white, {0, 160, 0}, {20, 40, 120}};
        for (int n = 1; n <= 3; ++n)
            QVERIFY(m_w->dir.write(
                QString("kaarten/kaart%1.jpg").arg(n),
                TestPictures::encode(TestPictures::plain(25, 38, designs[n - 1]), "JPG")));
        const QByteArray series =
            TestFolder::seriesFile(21, {photo("geel.png", Qt::yellow).toUtf8()});
        QVERIFY(m_w->dir.write("mosaretten/A.msr", series) &&
                m_w->dir.write("mosaretten/B.msr", series));
        QVERIFY(m_w->place(1, photo("rood.png", Qt::red)));
        if (kind == "pdf") // design 3 chosen, then design 1 (fronts) last
            m_w->whileLoading(
                [](QDialog& dialog) {
                    for (int position : {3, 1})
                        dialog.findChild<QScrollBar*>("VScroll1")->setValue(position);
                },
                "Menuknop_5");
        const Series before = m_w->window->model().toSeries();
        const QString path = chosen.isEmpty() ? QString() : m_w->dir.path(chosen);
        m_w->prompts.savePaths << path;
        m_w->prompts.saveTypes << type;
        m_w->prompts.cancelAtStep = cancelAt;
        clickMenu(6);
        QTRY_VERIFY_WITH_TIMEOUT(!m_w->window->isBusy(), 30000);
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        QCOMPARE(QFileInfo::exists(path), kind != "nothing");
        QCOMPARE(m_w->prompts.kinds().contains("warn"), chosen.startsWith("weg/"));
        QCOMPARE(m_w->window->model().toSeries(), before);
        if (kind == "bmp") // card 1's photo box at (580, 1700)
            QVERIFY(TestPictures::near(QImage(path, "BMP").pixel(146, 193), Qt::red));
        if (kind == "pdf" || kind == "game") {
            QCOMPARE(RenderedPdf::pageCount(path), kind == "pdf" ? 2 : 4);
            // The middle of the back behind card 1, on the mirrored page 2.
            const RenderedPdf backs(path, 48, 2, {200, 200});
            QVERIFY(TestPictures::near(backs.page.pixel(backs.at(7945, 5250).toPoint()),
                                       designs[kind == "pdf" ? 2 : 1]));
        }
        if (type == 2)
            QVERIFY(m_w->prompts.lastText().contains(kind == "game" ? "Het spel is opgeslagen"
                                                                    : "afgebroken"));
    }

    void photosKeepTheirProportions_data() {
        QTest::addColumn<QSize>("photo"); // a TestPictures::target this size, upright
        QTest::addColumn<int>("orientation");
        QTest::newRow("upright phone photo, stored on its side") << QSize(1200, 1600) << 6;
        QTest::newRow("landscape 4:3") << QSize(1600, 1200) << 1;
        QTest::newRow("square") << QSize(1000, 1000) << 1;
        QTest::newRow("very wide 4:1") << QSize(2400, 600) << 1;
    }
    // A photo picked for card 1 shows its disc round on the canvas, on the card in both decks, in
    // a thumbnail and on the exported sheet (written as a file by the export test).
    void photosKeepTheirProportions() {
        QFETCH(QSize, photo);
        QFETCH(int, orientation);
        const QImage target = TestPictures::target(photo.width(), photo.height());
        QVERIFY(m_w->dir.write("doel.jpg", TestPictures::jpegWithOrientation(target, orientation)));
        QVERIFY(m_w->place(1, m_w->dir.path("doel.jpg")));
        const QImage canvas = PhotoBox::render(m_w->window->photos().photo(1).screen,
                                               PhotoBox::kCanvasSize, PhotoFrame::Outlined);
        const QImage normal = child("Foto_1")->grab().toImage();
        m_w->click("KinderKnop");
        const QList<std::pair<const char*, QImage>> shown{
            {"canvas", canvas},
            {"card", normal},
            {"children's card", child("Foto_1")->grab().toImage()},
            {"thumbnail", child("Foto2_1")->grab().toImage()},
            {"export", SheetExport::render(m_w->window->commands().faceSheet())
                           .copy(px(580, 1700, 3220, 2400))}};
        for (const auto& [name, image] : shown) {
            const QRectF disc = TestPictures::disc(image, image.rect());
            QVERIFY2(
                TestPictures::round(disc),
                qPrintable(QString("%1: %2 x %3").arg(name).arg(disc.width()).arg(disc.height())));
        }
    }

    void dropsOnTheWindow_data() {
        QTest::addColumn<QString>("target");    // the widget the files are dropped on
        QTest::addColumn<QStringList>("files"); // in the test folder, made by their extension
        QTest::addColumn<int>("outlined");      // the card outlined meanwhile; -1: refused
        QTest::addColumn<QString>("info");      // afterwards; empty: as at start
        const QStringList five{"a.png", "b.jpg", "c.JPG", "d.gif", "e.bmp"};
        QTest::newRow("picture on card 2") << "Foto_2" << QStringList{"a.png"} << 2 << "";
        QTest::newRow("five pictures on card 3")
            << "Foto_3" << five << 3 << "Er zijn 2 van de 5 foto's geplaatst.";
        QTest::newRow("series on a name line")
            << "Naam1_2" << QStringList{"Reeks.MSR"} << 0 << "Naam van deze serie: Reeks.MSR";
        QTest::newRow("picture on a name line") << "Naam1_2" << QStringList{"a.png"} << -1 << "";
        QTest::newRow("text file") << "Foto_1" << QStringList{"notities.txt"} << -1 << "";
        QTest::newRow("folder") << "Foto_1" << QStringList{"map.jpg/"} << -1 << "";
        QTest::newRow("web link") << "Foto_1" << QStringList{"http://x.nl/a.png"} << -1 << "";
        QTest::newRow("picture and text") << "Foto_1" << QStringList{"a.png", "b.txt"} << -1 << "";
        QTest::newRow("two series") << "Foto_1" << QStringList{"A.msr", "B.msr"} << -1 << "";
    }
    // Pictures dropped on a card's photo fill it and the cards after it; a series file dropped
    // anywhere loads; anything else is refused and changes nothing.
    void dropsOnTheWindow() {
        QFETCH(QString, target);
        QFETCH(QStringList, files);
        QFETCH(int, outlined);
        QFETCH(QString, info);
        QList<QUrl> urls;
        for (const QString& file : files) {
            if (file.startsWith("http:"))
                urls << QUrl(file);
            else if (file.endsWith("/"))
                QVERIFY(m_w->dir.make(file, TestFolder::Entry::Folder));
            else if (file.endsWith("msr", Qt::CaseInsensitive))
                QVERIFY(m_w->dir.write(file, TestFolder::seriesFile()));
            else
                photo(file, Qt::green);
            urls << QUrl::fromLocalFile(m_w->dir.path(file));
        }
        const QString before = m_w->window->info();
        const TestWindow::Dropped dropped = m_w->drop(target, urls);
        QCOMPARE(dropped.taken, outlined >= 0);
        QCOMPARE(dropped.outlined, qMax(outlined, 0));
        QCOMPARE(m_w->window->info(), info.isEmpty() ? before : info);
        QCOMPARE(m_w->prompts.asked.size(), 0);
        for (int card = 1; card <= 4; ++card) {
            const qsizetype file = card - outlined;
            const bool placed = outlined > 0 && file >= 0 && file < files.size();
            QCOMPARE(m_w->window->model().photoPath(card),
                     placed ? m_w->dir.path(files[file]) : QString());
            QCOMPARE(m_w->window->photos().cardShows(card) == CardPhotos::CardShows::Outlined,
                     placed);
        }
    }

    // A series copied with its photos to another computer finds them beside it or in "fotos";
    // the next save writes where they were found.
    void seriesMovedWithItsPhotosFindsThem() {
        photo("andere pc/poes.jpg", Qt::red);
        photo("andere pc/fotos/hond.png", Qt::blue);
        QVERIFY(m_w->dir.write(
            "andere pc/Dieren.msr",
            TestFolder::seriesFile(21, {"C:\\Users\\An\\Pictures\\poes.jpg",
                                        "/home/an/Foto's/hond.png", "kat.jpg", ""})));
        QVERIFY(m_w->drop("Foto_1", {QUrl::fromLocalFile(m_w->dir.path("andere pc/Dieren.msr"))})
                    .taken);
        QCOMPARE(m_w->window->info(), "Naam van deze serie: Dieren.msr; 1 foto ontbreekt");
        const QStringList found{m_w->dir.path("andere pc/poes.jpg"),
                                m_w->dir.path("andere pc/fotos/hond.png"), "kat.jpg", ""};
        for (int card = 1; card <= 4; ++card)
            QCOMPARE(m_w->window->model().photoPath(card), found[card - 1]);
        QVERIFY(TestPictures::near(pixelAt("Foto_2", {10, 10}), Qt::blue));
        QCOMPARE(m_w->window->photos().photo(3).picture, QImage()); // an empty outlined canvas
        saveAs("Dieren");
        QCOMPARE(QString(saved("Dieren.msr")).split("\r\n").mid(1, 4), found);
    }

    void loadDialogListsSelectsAndLoads() {
        for (const char* name : {"b.msr", "c.msr"})
            QVERIFY(m_w->dir.write(QString("mosaretten/") + name, TestFolder::seriesFile()));
        QVERIFY(m_w->dir.write("mosaretten/A.msr", TestFolder::seriesFile(10))); // a short file
        m_w->load("b.msr");
        QStringList shown, said;
        QString picked, nameBeforeLoad;
        m_w->whileLoading([&](QDialog& dialog) {
            auto* list = dialog.findChild<QListWidget*>("File1");
            for (int row = 0; row < list->count(); ++row)
                shown += list->item(row)->text();
            QTest::mouseClick(dialog.findChild<QPushButton*>("OkKnop"), Qt::LeftButton);
            said << m_w->prompts.lastText();
            // A click only selects; a double click, which starts with a click, loads.
            const QPoint at = list->visualItemRect(list->item(0)).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
            picked = dialog.findChild<QLabel*>("Label2")->text();
            nameBeforeLoad = m_w->window->model().seriesName();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        });
        QCOMPARE(shown, QStringList({"A.msr", "b.msr", "c.msr"}));
        QCOMPARE(said, QStringList{"Géén bestand geselecteerd!"});
        QCOMPARE(picked, "A");
        QCOMPARE(nameBeforeLoad, "b.msr");
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(m_w->window->info().endsWith(" A.msr"));
        // Line 10 is name 1 of card 2; names 2 to 4 come from card 1; nothing is left of b.msr.
        const QStringList names{" k2n1", " k1n2", " k1n3", " k1n4"};
        for (int line = 1; line <= 4; ++line)
            QCOMPARE(m_w->window->model().name(3, line), names[line - 1]);
    }

    // A close asked for while a photo is decoded waits for the photo, then ends the program with
    // the settings written. Right after the click the photo cannot be on the card yet: it is
    // handed over by the event loop.
    void closeWaitsForThePhotoBeingDecoded() {
        m_w->prompts.openPaths << photo("blauw.png", Qt::blue);
        m_w->click("Foto_2");
        QVERIFY(m_w->window->isBusy() && QGuiApplication::overrideCursor());
        QVERIFY(QFile::remove(m_w->dir.path("Mosaret.ini")));
        m_w->prompts.yesNoCancel << UserPrompts::Answer::No; // not saved first
        QVERIFY(!m_w->window->close());
        QVERIFY(m_w->window->isVisible());
        QTRY_VERIFY(!m_w->window->isVisible());
        QVERIFY(TestPictures::near(m_w->window->photos().photo(2).picture.pixel(32, 24), Qt::blue));
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
