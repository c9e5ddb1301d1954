// The series commands through the real window: save questions, a round trip, the export and the
// game dialog, photos that keep their proportions, drops, and the load dialog.
#include "GameDialog.h"
#include "RenderedPdf.h"
#include "SeriesFile.h"
#include "TestWindow.h"

using Answer = UserPrompts::Answer;

namespace {
// The series folder of `dir`: A finished, B without a photo on card 2, C not a series, D with
// A's subject; all photos red.
QStringList writeSeries(const TestFolder& dir) {
    const QByteArray red = dir.path("rood.png").toUtf8();
    dir.write("rood.png", TestPictures::encode(TestPictures::plain(64, 48, Qt::red), "PNG"));
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

class SeriesCommandsTest final : public QObject {
    Q_OBJECT
    std::unique_ptr<TestWindow> m_w;

    QByteArray saved(const QString& file) const { return m_w->dir.read("mosaretten/" + file); }

private slots:
    void init() {
        m_w = std::make_unique<TestWindow>();
        QVERIFY(m_w->start());
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
            m_w->saveAs("Reeks");
        const QByteArray first = saved("Reeks.msr");
        model.setSubject(replacing ? "Kort" : "Łódź");
        m_w->prompts.yesNo << yes;
        m_w->saveAs("Reeks");
        const QString question = m_w->prompts.lastText();
        QVERIFY(question.contains(replacing ? "Deze naam bestaat reeds" : "Onderwerp: Łódź"));
        QVERIFY(!question.contains("Zoë")); // Windows-1252 holds ë
        QCOMPARE(saved("Reeks.msr"), yes ? SeriesFile::serialize(model.toSeries()) : first);
    }

    // A save, a new design and a load keep the series, its photos and name, and leave it saved;
    // an edit or photo makes it unsaved, a deck switch, export or empty save change nothing.
    void roundTripKeepsTheSeriesAndProposesItsName() {
        SeriesModel& model = m_w->window->model();
        const CardPhotos& photos = m_w->window->photos();
        QVERIFY(m_w->place(1, {})); // cancelled: nothing changes
        using Shows = CardPhotos::CardShows;
        QVERIFY(photos.cardShows(1) == Shows::Placeholder && model.photoPath(1).isEmpty());
        QVERIFY(!model.hasUnsavedChanges());
        const QList<QColor> colours{Qt::red, Qt::green, Qt::blue, Qt::yellow};
        for (int card = 1; card <= 4; ++card)
            QVERIFY(m_w->place(
                card, m_w->photo(QString("foto %1, kaart.png").arg(card), colours[card - 1])));
        QVERIFY(model.hasUnsavedChanges());
        model.setSubject("Vogels, bos & café");
        model.setName(1, 2, " 2. Zoë \"de uil\"");
        const Series expected = model.toSeries();
        QCOMPARE(m_w->proposedName(), "Default"); // and cancelled
        m_w->saveAs("   ");                       // blanks only: nothing saved, nothing said
        m_w->click("KinderKnop");
        QVERIFY(model.hasUnsavedChanges());
        m_w->saveAs("Bos");
        QVERIFY(!model.hasUnsavedChanges());
        m_w->click("NormaalKnop");
        m_w->clickMenu(6); // the export's file dialog cancelled
        QVERIFY(!model.hasUnsavedChanges());
        QCOMPARE(QDir(m_w->dir.path("mosaretten")).entryList(QDir::Files), QStringList{"Bos.msr"});
        QCOMPARE(m_w->prompts.kinds().mid(5), // after the photo dialogs
                 QStringList({"text", "text", "text", "saveExportPath"}));
        QCOMPARE(m_w->proposedName(), "Default"); // a save does not rename the series
        m_w->prompts.yesNo << false;
        m_w->clickMenu(1); // Nieuw, not confirmed
        QCOMPARE(model.toSeries(), expected);
        model.setSubject("Ander werk");
        m_w->prompts.yesNo << true;
        m_w->clickMenu(1); // Nieuw
        QCOMPARE(model.toSeries(), SeriesModel().toSeries());
        QVERIFY(photos.cardShows(1) == Shows::Placeholder && photos.photo(1).picture.isNull());
        QVERIFY(!model.hasUnsavedChanges());

        model.setSubject("Ander werk");
        m_w->prompts.yesNoCancel << Answer::No; // not saved first
        m_w->load("Bos.msr");
        QCOMPARE(model.toSeries(), expected);
        QVERIFY(!model.hasUnsavedChanges());
        QCOMPARE(m_w->window->info(), "Naam van deze serie: Bos.msr");
        for (int card = 1; card <= 4; ++card) { // the photo itself, without the canvas outline
            QCOMPARE(photos.cardShows(card), Shows::Bare);
            QVERIFY(TestPictures::near(m_w->pixelAt(QString("Foto_%1").arg(card), {0, 0}),
                                       colours[card - 1]));
        }
        QCOMPARE(m_w->proposedName(), "Bos");
        m_w->prompts.yesNo << true;
        m_w->clickMenu(1); // Nieuw
        QCOMPARE(m_w->proposedName(), "Default");
    }

    void exportSheet_data() {
        QTest::addColumn<QString>("chosen");        // "weg/": a folder that is not there
        QTest::addColumn<int>("type");              // the type the save dialog showed
        QTest::addColumn<QList<Answer>>("unsaved"); // the answers to the unsaved-work question
        QTest::addColumn<QString>("inside");        // done in the game dialog, or its progress
        QTest::addColumn<int>("pages");             // of the PDF written; -1: a bitmap, 0: none
        using A = QList<Answer>;
        const A no{Answer::No};
        // clang-format off
        QTest::newRow("bitmap without extension") << "blad" << 0 << A{} << "" << -1;
        QTest::newRow("folder missing") << "weg/blad.bmp" << 0 << A{} << "" << 0;
        QTest::newRow("PDF name, bitmap shown") << "serie.PDF" << 0 << A{} << "" << 2;
        QTest::newRow("BMP name, PDF shown") << "blad.Bmp" << 1 << A{} << "" << -1;
        QTest::newRow("series name refused") << "mosaretten/A.MSR" << 1 << A{} << "" << 0;
        QTest::newRow("game, .pdf added") << "spel" << 2 << no << "Return" << 6;
        QTest::newRow("game cancelled") << "spel.pdf" << 2 << no << "cancel" << 0;
        QTest::newRow("game, cancelled first") << "spel.pdf" << 2 << A{Answer::Cancel} << "" << 0;
        QTest::newRow("game, saved first") << "spel.pdf" << 2 << A{Answer::Yes} << "Return" << 8;
        QTest::newRow("game, first unchecked") << "spel.pdf" << 2 << no << "uncheck A" << 4;
        QTest::newRow("game, Escape") << "spel.pdf" << 2 << no << "Escape" << 0;
        QTest::newRow("game, double click opens") << "spel.pdf" << 2 << A{Answer::No, Answer::No}
                                                  << "double click B" << 0;
        // clang-format on
    }
    // The name's extension, or else the type shown, decides what is written; a PDF's backs show
    // the design last chosen, or design 2; the game settles unsaved work, then asks which series.
    void exportSheet() {
        QFETCH(QString, chosen);
        QFETCH(int, type);
        QFETCH(QList<Answer>, unsaved);
        QFETCH(QString, inside);
        QFETCH(int, pages);
        const QList<QColor> designs{Qt::white, {0, 160, 0}, {20, 40, 120}};
        for (int n = 1; n <= 3; ++n)
            QVERIFY(m_w->dir.write(
                QString("kaarten/kaart%1.jpg").arg(n),
                TestPictures::encode(TestPictures::plain(25, 38, designs[n - 1]), "JPG")));
        writeSeries(m_w->dir);
        QVERIFY(m_w->place(1, m_w->photo("rood.png", Qt::red)));
        if (chosen == "serie.PDF") // design 3 chosen, then design 1 (fronts) last
            m_w->whileLoading(
                [](QDialog& dialog) {
                    for (int position : {3, 1})
                        dialog.findChild<QScrollBar*>("VScroll1")->setValue(position);
                },
                "Menuknop_5");
        const Series before = m_w->window->model().toSeries();
        const QString path = m_w->dir.path(chosen);
        m_w->prompts.savePaths << path;
        m_w->prompts.saveTypes << type;
        m_w->prompts.cancelAtStep = inside == "cancel" ? 0 : -1;
        m_w->prompts.yesNoCancel << unsaved;
        m_w->prompts.texts << "Eigen";
        bool opened = false;
        m_w->whileLoading(
            [&](QDialog& dialog) {
                opened = true;
                auto* list = dialog.findChild<QTreeWidget*>("SpelLijst");
                QTRY_COMPARE(list->topLevelItem(2)->text(3), "kan niet gelezen worden");
                const QPoint at = list->visualItemRect(list->topLevelItem(1)).center();
                if (inside == "uncheck A")
                    list->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
                if (inside == "double click B") {
                    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
                    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
                } else
                    QTest::keyClick(list, inside == "Escape" ? Qt::Key_Escape : Qt::Key_Return);
            },
            "Menuknop_6");
        QTRY_VERIFY_WITH_TIMEOUT(!m_w->window->isBusy(), 30000);
        QVERIFY(m_w->idle() && !QGuiApplication::overrideCursor());
        QCOMPARE(opened, type == 2 && unsaved.first() != Answer::Cancel);
        const QString written = type == 2 && !chosen.contains('.') ? path + ".pdf" : path;
        QCOMPARE(QFileInfo::exists(written), pages != 0);
        QCOMPARE(m_w->prompts.kinds().contains("warn"),
                 chosen.startsWith("weg/") || chosen.endsWith(".MSR"));
        if (inside == "double click B")
            QCOMPARE(m_w->window->model().seriesName(), "B.msr");
        else
            QCOMPARE(m_w->window->model().toSeries(), before);
        if (pages < 0) // card 1's photo box at (580, 1700)
            QVERIFY(TestPictures::near(QImage(path, "BMP").pixel(146, 193), Qt::red));
        if (pages > 0) {
            QCOMPARE(RenderedPdf::pageCount(written), pages);
            // The middle of the back behind card 1, on the mirrored page 2.
            const RenderedPdf backs(written, 48, 2, {200, 200});
            QVERIFY(TestPictures::near(backs.page.pixel(backs.at(7945, 5250).toPoint()),
                                       designs[type == 2 ? 1 : 2]));
        }
        if (type == 2 && (pages > 0 || inside == "cancel"))
            QVERIFY(
                m_w->prompts.lastText().contains(pages ? "Het spel is opgeslagen" : "afgebroken"));
    }

    // Rows come at once in file order, the check's findings and small photos follow; arrows,
    // Space, "Alles" and "Niets" choose (Return and a double click: exportSheet).
    void choosingTheSeries() {
        const QStringList paths = writeSeries(m_w->dir);
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
    }

    // A photo picked for card 1 shows its disc round on the card in both decks and in a thumbnail:
    // an upright phone photo and a landscape one stored on their side, and a very wide one.
    void photosKeepTheirProportions() {
        for (const auto& [photo, orientation] :
             {std::pair{QSize(1200, 1600), 6}, {QSize(1600, 1200), 8}, {QSize(2400, 600), 1}}) {
            const QImage target = TestPictures::target(photo.width(), photo.height());
            QVERIFY(
                m_w->dir.write("doel.jpg", TestPictures::jpegWithOrientation(target, orientation)));
            QVERIFY(m_w->place(1, m_w->dir.path("doel.jpg")));
            QList<QImage> shown{m_w->child("Foto_1")->grab().toImage()};
            m_w->click("KinderKnop"); // the children's card and a thumbnail
            shown << m_w->child("Foto_1")->grab().toImage()
                  << m_w->child("Foto2_1")->grab().toImage();
            m_w->click("NormaalKnop");
            for (const QImage& image : shown)
                QVERIFY2(TestPictures::round(TestPictures::disc(image, image.rect())),
                         qPrintable(QString::number(orientation)));
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
            if (file.endsWith("/"))
                QVERIFY(m_w->dir.make(file, TestFolder::Entry::Folder));
            else if (file.endsWith("msr", Qt::CaseInsensitive))
                QVERIFY(m_w->dir.write(file, TestFolder::seriesFile()));
            else if (!file.startsWith("http:"))
                m_w->photo(file, Qt::green);
            urls << (file.startsWith("http:") ? QUrl(file)
                                              : QUrl::fromLocalFile(m_w->dir.path(file)));
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

    void loadDialogListsSelectsAndLoads() {
        for (const char* name : {"b.msr", "c.msr", "D.MSR", "e.txt"})
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
        QCOMPARE(shown, QStringList({"A.msr", "b.msr", "c.msr", "D.MSR"}));
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
};

QTEST_MAIN(SeriesCommandsTest)
#include "SeriesCommandsTest.moc"
