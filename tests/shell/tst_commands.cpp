// The series commands in a temporary program folder: save, new design, photos, export, and the
// load dialog with good and short files.
#include "LoadDialog.h"
#include "LoadSeries.h"
#include "PhotoCanvas.h"
#include "ScriptedPrompts.h"
#include "SeriesCommands.h"
#include "SeriesFile.h"
#include "TestFolder.h"
#include "TestPictures.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace {

// One user's session in a temporary program folder.
struct Session {
    TestFolder dir;
    SeriesModel model;
    CardPhotos photos;
    ScriptedPrompts prompts;
    QStringList info;
    SeriesCommands commands{{ProgramFolder(dir.path()), &model, &photos, &prompts, nullptr,
                             [this](const QString& text) { info << text; }, 0.01}};
    SeriesFolder folder{dir.path("mosaretten")};
    LoadSeries loader{folder, model, photos, [this](const QString& text) { info << text; }};

    QByteArray bytes(const QString& file) const { return dir.read("mosaretten/" + file); }
    void place(int card, const QString& path) {
        prompts.openPaths << path;
        commands.placePhoto(card);
    }
    void saveAs(const QString& name) {
        prompts.texts << name;
        commands.save();
    }
    // The name the save question proposes; the question is then cancelled.
    QString proposedName() {
        saveAs({});
        return prompts.asked.last().defaultAnswer;
    }
    void newDesign(bool yes) {
        prompts.yesNo << yes;
        commands.newDesign();
    }
};

} // namespace

class CommandsTest final : public QObject {
    Q_OBJECT
private slots:
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
        Session s;
        s.model.setSubject("Een veel langer eerste onderwerp");
        s.model.setName(1, 2, " 2. Zoë");
        if (replacing)
            s.saveAs("Reeks");
        const QByteArray first = s.bytes("Reeks.msr");
        s.model.setSubject(replacing ? "Kort" : "Łódź");
        s.prompts.yesNo << yes;
        s.saveAs("Reeks");
        const QString question = s.prompts.lastText();
        QVERIFY(question.contains(replacing ? "Deze naam bestaat reeds" : "Onderwerp: Łódź"));
        QVERIFY(!question.contains("Zoë")); // Windows-1252 holds ë
        QCOMPARE(s.bytes("Reeks.msr"), yes ? SeriesFile::serialize(s.model.toSeries()) : first);
    }

    void roundTripKeepsTheSeriesAndProposesItsName() {
        Session s;
        s.place(1, {}); // cancelled: nothing changes
        QVERIFY(s.photos.cardShowsPlaceholder(1) && s.model.photoPath(1).isEmpty());
        const QList<QColor> colours{Qt::red, Qt::green, Qt::blue, Qt::yellow};
        QList<QImage> canvases;
        for (int card = 1; card <= 4; ++card) {
            const QString photo = QString("foto %1, kaart.png").arg(card);
            QVERIFY(s.dir.write(photo, TestPictures::encode(
                                           TestPictures::plain(64, 48, colours[card - 1]), "PNG")));
            s.place(card, s.dir.path(photo));
            canvases << s.photos.canvas(card);
        }
        s.model.setSubject("Vogels, bos & café");
        s.model.setName(1, 2, " 2. Zoë \"de uil\"");
        const Series expected = s.model.toSeries();
        QCOMPARE(s.proposedName(), "Default"); // and cancelled
        s.saveAs("   ");                       // blanks only: nothing saved, nothing said
        s.saveAs("Bos");
        QCOMPARE(QDir(s.folder.path()).entryList(QDir::Files), QStringList{"Bos.msr"});
        QCOMPARE(s.prompts.kinds().mid(5), QStringList(3, "text")); // after the photo dialogs
        QCOMPARE(s.proposedName(), "Default"); // a save does not rename the series
        s.newDesign(false);
        QCOMPARE(s.model.toSeries(), expected);
        s.newDesign(true);
        QCOMPARE(s.model.toSeries(), SeriesModel().toSeries());
        QVERIFY(s.photos.cardShowsPlaceholder(1) && s.photos.thumbnail(1).isNull());
        QCOMPARE(s.photos.canvas(1), PhotoCanvas::blank(PhotoCanvas::kCanvasSize));

        QVERIFY(s.loader.run("Bos.msr", nullptr).ok());
        QCOMPARE(s.bytes("Bos.msr").count("\r\n"), 21);
        QCOMPARE(s.model.toSeries(), expected);
        QCOMPARE(s.info.last(), "Naam van deze serie: Bos.msr");
        for (int card = 1; card <= 4; ++card) {
            QCOMPARE(s.photos.canvas(card), canvases[card - 1]);
            QCOMPARE(s.photos.thumbnail(card), canvases[card - 1]);
            // A loaded card shows the picture itself, without the canvas outline.
            QVERIFY(TestPictures::near(s.photos.cardPicture(card).pixel(0, 0), colours[card - 1]));
            QVERIFY(TestPictures::near(s.photos.master(card).pixel(600, 450), colours[card - 1]));
        }
        QCOMPARE(s.proposedName(), "Bos");
        s.newDesign(true);
        QCOMPARE(s.proposedName(), "Default");
    }

    void exportSheet_data() {
        QTest::addColumn<QString>("chosen"); // "weg/": a folder that is not there
        QTest::newRow("written") << "blad";
        QTest::newRow("cancelled") << "";
        QTest::newRow("folder missing") << "weg/blad.bmp";
    }
    void exportSheet() {
        QFETCH(QString, chosen);
        Session s;
        QVERIFY(s.dir.write("rood.png",
                            TestPictures::encode(TestPictures::plain(64, 48, Qt::red), "PNG")));
        s.place(1, s.dir.path("rood.png"));
        const QString path = chosen.isEmpty() ? QString() : s.dir.path(chosen);
        s.prompts.savePaths << path;
        s.commands.exportSheet();
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        QCOMPARE(QFileInfo::exists(path), chosen == "blad");
        QCOMPARE(s.prompts.kinds().contains("warn"), chosen.startsWith("weg/"));
        if (chosen == "blad") // a BMP without the extension; card 1's photo box at (580, 1700)
            QVERIFY(TestPictures::near(QImage(path, "BMP").pixel(146, 193), Qt::red));
    }

    void loadDialogListsSelectsAndLoads() {
        Session s;
        for (const char* name : {"b.msr", "c.msr"})
            QVERIFY(s.dir.write(QString("mosaretten/") + name, TestFolder::seriesFile()));
        QVERIFY(s.dir.write("mosaretten/A.msr", TestFolder::seriesFile(10))); // a short file
        QVERIFY(s.loader.run("b.msr", nullptr).ok());
        LoadDialog dialog(s.folder, s.loader, s.prompts, nullptr);
        dialog.show();
        auto* list = dialog.findChild<QListWidget*>("File1");
        QStringList shown;
        for (int row = 0; row < list->count(); ++row)
            shown += list->item(row)->text();
        QCOMPARE(shown, QStringList({"A.msr", "b.msr", "c.msr"}));
        QTest::mouseClick(dialog.findChild<QPushButton*>("OkKnop"), Qt::LeftButton);
        QCOMPARE(s.prompts.lastText(), "Géén bestand geselecteerd!");
        // A click only selects; a double click, which starts with a click, loads.
        const QPoint at = list->visualItemRect(list->item(0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(dialog.findChild<QLabel*>("Label2")->text(), "A");
        QCOMPARE(s.model.seriesName(), "b.msr");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        QVERIFY(!dialog.isVisible());
        QVERIFY(s.info.last().endsWith(" A.msr"));
        // Line 10 is name 1 of card 2; names 2 to 4 come from card 1; nothing is left of b.msr.
        const QStringList names{" k2n1", " k1n2", " k1n3", " k1n4"};
        for (int line = 1; line <= 4; ++line)
            QCOMPARE(s.model.name(3, line), names[line - 1]);
    }
};

QTEST_MAIN(CommandsTest)
#include "tst_commands.moc"
