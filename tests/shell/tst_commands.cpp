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
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// One user's session in a temporary program folder.
struct Session {
    QTemporaryDir dir;
    SeriesModel model;
    CardPhotos photos;
    ScriptedPrompts prompts;
    QStringList info;
    SeriesCommands commands{{ProgramFolder(dir.path()), &model, &photos, &prompts, nullptr,
                             [this](const QString& text) { info << text; }, 0.01}};
    SeriesFolder folder{dir.filePath(u"mosaretten"_s)};
    LoadSeries loader{folder, model, photos, [this](const QString& text) { info << text; }};

    QByteArray bytes(const QString& file) const {
        return TestFolder::readFile(folder.path() + u'/' + file);
    }
    // The first `lines` lines of a series: subject, no photos, names "k<card>n<line>".
    void write(const QString& file, int lines) const {
        QStringList values{u"Vogels, bos"_s, {}, {}, {}, {}};
        for (int card = 1; card <= 4; ++card)
            for (int line = 1; line <= 4; ++line)
                values += u"k%1n%2"_s.arg(card).arg(line);
        QDir().mkpath(folder.path());
        QVERIFY(TestFolder::writeFile(folder.path() + u'/' + file,
                                      (values.mid(0, lines).join(u"\r\n"_s) + "\r\n").toUtf8()));
    }
    QString picture(const QString& name, const QColor& colour) {
        TestPictures::plain(64, 48, colour).save(dir.filePath(name), "PNG");
        return dir.filePath(name);
    }
    void place(int card, const QString& path) {
        prompts.answerOpenPicture(path);
        commands.placePhoto(card);
    }
    void saveAs(const QString& name) {
        prompts.answerText(name);
        commands.save();
    }
    bool load(const QString& file) { return loader.run(file, nullptr).ok(); }
    // The name the save question proposes; the question is then cancelled.
    QString proposedName() {
        saveAs(QString());
        return prompts.asked().last().defaultAnswer;
    }
    void newDesign(bool yes) {
        prompts.answerYesNo(yes);
        commands.newDesign();
    }
};

// Clicks a row of the dialog's list; a double click starts with a click, as it does for the user.
void click(LoadDialog& dialog, int row, bool twice = false) {
    auto* list = dialog.findChild<QListWidget*>(u"File1"_s);
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    if (twice)
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

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
        s.model.setSubject(u"Een veel langer eerste onderwerp"_s);
        s.model.setName(1, 2, u" 2. Zoë"_s);
        if (replacing)
            s.saveAs(u"Reeks"_s);
        const QByteArray first = s.bytes(u"Reeks.msr"_s);
        s.model.setSubject(replacing ? u"Kort"_s : u"Łódź"_s);
        s.prompts.answerYesNo(yes);
        s.saveAs(u"Reeks"_s);
        const QString question = s.prompts.asked().last().text;
        QVERIFY(question.contains(replacing ? u"Deze naam bestaat reeds"_s : u"Onderwerp: Łódź"_s));
        QVERIFY(!question.contains(u"Zoë"_s)); // Windows-1252 holds ë
        QCOMPARE(s.bytes(u"Reeks.msr"_s), yes ? SeriesFile::serialize(s.model.toSeries()) : first);
    }

    void roundTripKeepsTheSeriesAndProposesItsName() {
        Session s;
        s.place(1, QString()); // cancelled: nothing changes
        QVERIFY(s.photos.cardShowsPlaceholder(1) && s.model.photoPath(1).isEmpty());
        const QList<QColor> colours{Qt::red, Qt::green, Qt::blue, Qt::yellow};
        std::array<QImage, 4> canvases;
        for (int card = 1; card <= 4; ++card) {
            s.place(card, s.picture(u"foto %1, kaart.png"_s.arg(card), colours[card - 1]));
            canvases[size_t(card - 1)] = s.photos.canvas(card);
        }
        s.model.setSubject(u"Vogels, bos & café"_s);
        s.model.setName(1, 2, u" 2. Zoë \"de uil\""_s);
        const Series expected = s.model.toSeries();
        QCOMPARE(s.proposedName(), u"Default"_s); // and cancelled
        s.saveAs(u"   "_s);                       // blanks only: nothing saved, nothing said
        s.saveAs(u"Bos"_s);
        QCOMPARE(QDir(s.folder.path()).entryList(QDir::Files), QStringList{u"Bos.msr"_s});
        QCOMPARE(s.prompts.kinds().mid(5), QStringList(3, u"text"_s)); // after the photo dialogs
        QCOMPARE(s.proposedName(), u"Default"_s); // a save does not rename the series
        s.newDesign(false);
        QCOMPARE(s.model.toSeries(), expected);
        s.newDesign(true);
        QCOMPARE(s.model.toSeries(), SeriesModel().toSeries());
        QVERIFY(s.photos.cardShowsPlaceholder(1) && s.photos.thumbnail(1).isNull());
        QCOMPARE(s.photos.canvas(1), PhotoCanvas::blank(PhotoCanvas::kCanvasSize));

        QVERIFY(s.load(u"Bos.msr"_s));
        QCOMPARE(s.bytes(u"Bos.msr"_s).count("\r\n"), 21);
        QCOMPARE(s.model.toSeries(), expected);
        QCOMPARE(s.info.last(), u"Naam van deze serie: Bos.msr"_s);
        for (int card = 1; card <= 4; ++card) {
            QCOMPARE(s.photos.canvas(card), canvases[size_t(card - 1)]);
            QCOMPARE(s.photos.thumbnail(card), canvases[size_t(card - 1)]);
            // A loaded card shows the picture itself, without the canvas outline.
            QVERIFY(TestPictures::near(s.photos.cardPicture(card).pixel(0, 0), colours[card - 1]));
            QVERIFY(TestPictures::near(s.photos.master(card).pixel(600, 450), colours[card - 1]));
        }
        QCOMPARE(s.proposedName(), u"Bos"_s);
        s.newDesign(true);
        QCOMPARE(s.proposedName(), u"Default"_s);
    }

    void exportSheet_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("written") << u"blad"_s << u"written"_s;
        QTest::newRow("cancelled") << u""_s << u"nothing"_s;
        QTest::newRow("folder missing") << u"weg/blad.bmp"_s << u"reported"_s;
    }
    void exportSheet() {
        QFETCH(QString, chosen);
        QFETCH(QString, outcome);
        Session s;
        s.place(1, s.picture(u"rood.png"_s, Qt::red));
        const QString path = chosen.isEmpty() ? QString() : s.dir.filePath(chosen);
        s.prompts.answerSaveBitmapPath(path);
        s.commands.exportSheet();
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        QCOMPARE(QFileInfo::exists(path), outcome == u"written");
        QCOMPARE(s.prompts.kinds().contains(u"warn"_s), outcome == u"reported");
        if (outcome == u"written") // card 1's photo box, 3220 x 2400 twips at (580, 1700)
            QVERIFY(TestPictures::near(QImage(path, "BMP").pixel(146, 193), Qt::red));
    }

    void loadDialogListsSelectsAndLoads() {
        Session s;
        for (const char* name : {"b.msr", "c.msr"})
            s.write(QString::fromLatin1(name), 21);
        s.write(u"A.msr"_s, 10); // a short file
        QVERIFY(s.load(u"b.msr"_s));
        LoadDialog dialog(s.folder, s.loader, s.prompts, nullptr);
        dialog.show();
        auto* list = dialog.findChild<QListWidget*>(u"File1"_s);
        QStringList shown;
        for (int row = 0; row < list->count(); ++row)
            shown += list->item(row)->text();
        QCOMPARE(shown, (QStringList{"A.msr", "b.msr", "c.msr"}));
        QTest::mouseClick(dialog.findChild<QPushButton*>(u"OkKnop"_s), Qt::LeftButton);
        QCOMPARE(s.prompts.asked().front().text, u"Géén bestand geselecteerd!"_s);
        click(dialog, 0);
        QCOMPARE(dialog.findChild<QLabel*>(u"Label2"_s)->text(), u"A"_s);
        QCOMPARE(s.model.seriesName(), u"b.msr"_s); // a click only selects
        click(dialog, 0, true);
        QVERIFY(!dialog.isVisible());
        QVERIFY(s.info.last().endsWith(u" A.msr"_s));
        // Line 10 is name 1 of card 2; names 2 to 4 come from card 1; nothing is left of b.msr.
        const QStringList names{" k2n1", " k1n2", " k1n3", " k1n4"};
        for (int line = 1; line <= 4; ++line)
            QCOMPARE(s.model.name(3, line), names[line - 1]);
    }
};

QTEST_MAIN(CommandsTest)
#include "tst_commands.moc"
