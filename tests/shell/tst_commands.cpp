// Save, new design, photo placement, export and a full round trip through the series commands.
#include "LoadSeries.h"
#include "PhotoCanvas.h"
#include "ScriptedPrompts.h"
#include "SeriesCommands.h"
#include "SeriesFile.h"
#include "TestPictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

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

    QString seriesFolder() const { return dir.filePath(QStringLiteral("mosaretten")); }
    QStringList files() const { return QDir(seriesFolder()).entryList(QDir::Files | QDir::Hidden); }
    QByteArray bytes(const QString& file) const {
        QFile f(seriesFolder() + u'/' + file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QString picture(const QString& name, const QImage& image, const char* format = "PNG") {
        const QString path = dir.filePath(name);
        return TestPictures::write(image, path, format) ? path : QString();
    }
    void saveAs(const QString& name) {
        prompts.answerText(name);
        commands.save();
    }
    Status load(const QString& file) {
        return LoadSeries(SeriesFolder(seriesFolder()), model, photos, [this](const QString& t) { info << t; })
            .run(file, nullptr);
    }
};

} // namespace

class CommandsTest final : public QObject {
    Q_OBJECT
private slots:
    void saveProposesTheCurrentName_data();
    void saveProposesTheCurrentName();
    void savedNames_data();
    void savedNames();
    void replaceQuestion_data();
    void replaceQuestion();
    void unwritableFolderIsReported_data();
    void unwritableFolderIsReported();
    void textsTheFileCannotHold_data();
    void textsTheFileCannotHold();
    void newDesign_data();
    void newDesign();
    void photoPlacement_data();
    void photoPlacement();
    void roundTripKeepsTheSeries();
    void exportSheet_data();
    void exportSheet();
};

void CommandsTest::saveProposesTheCurrentName_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("proposed");
    QTest::newRow("after start-up") << "" << "Default";
    QTest::newRow("after a load") << "load" << "Vogels";
    QTest::newRow("after a load and a new design") << "load,new" << "Default";
}

void CommandsTest::saveProposesTheCurrentName()
{
    QFETCH(QString, before);
    QFETCH(QString, proposed);
    Session s;
    s.saveAs(QStringLiteral("Vogels"));
    if (before.contains(u"load"))
        QVERIFY(s.load(QStringLiteral("Vogels.msr")).ok());
    if (before.contains(u"new")) {
        s.prompts.answerYesNo(true);
        s.commands.newDesign();
    }
    const QStringList infoBefore = s.info;
    s.prompts.clear();
    s.saveAs(QStringLiteral("Anders"));
    QCOMPARE(s.prompts.asked().size(), 1);
    QCOMPARE(s.prompts.asked().front().title, QStringLiteral(" Save"));
    QCOMPARE(s.prompts.asked().front().defaultAnswer, proposed);
    QCOMPARE(s.model.seriesName(), proposed + QStringLiteral(".msr")); // a save never renames
    QCOMPARE(s.info, infoBefore);
}

void CommandsTest::savedNames_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("kinds");
    const QStringList none;
    const QStringList refused{QStringLiteral("text"), QStringLiteral("warn")};
    QTest::newRow("plain") << "Vogels" << QStringList{"Vogels.msr"} << QStringList{"text"};
    QTest::newRow("leading blank kept") << " Zoë" << QStringList{" Zoë.msr"} << QStringList{"text"};
    QTest::newRow(".msr twice") << "a.msr" << QStringList{"a.msr.msr"} << QStringList{"text"};
    QTest::newRow("blanks only") << "   " << none << QStringList{"text"};
    QTest::newRow("cancelled") << "" << none << QStringList{"text"};
    QTest::newRow("parent folder") << "../x" << none << refused;
    QTest::newRow("backslash") << "a\\b" << none << refused;
    QTest::newRow("absolute") << "/tmp/x" << none << refused;
    QTest::newRow("dot dot") << ".." << none << refused;
    QTest::newRow("line break") << "a\nb" << none << refused;
}

void CommandsTest::savedNames()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, files);
    QFETCH(QStringList, kinds);
    Session s;
    s.saveAs(typed);
    QCOMPARE(s.files(), files);
    QCOMPARE(s.prompts.kinds(), kinds);
    // Nothing lands beside the series folder either.
    QCOMPARE(QDir(s.dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList());
}

void CommandsTest::replaceQuestion_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("Yes writes the new series") << true;
    QTest::newRow("No keeps the old file") << false;
}

void CommandsTest::replaceQuestion()
{
    QFETCH(bool, yes);
    Session s;
    s.model.setSubject(QStringLiteral("Een veel langer eerste onderwerp"));
    s.saveAs(QStringLiteral("Vogels"));
    const QByteArray first = s.bytes(QStringLiteral("Vogels.msr"));
    s.model.setSubject(QStringLiteral("Kort"));
    s.prompts.answerYesNo(yes);
    s.saveAs(QStringLiteral("Vogels"));
    QCOMPARE(s.prompts.asked().last().title, QStringLiteral(" Exist"));
    QCOMPARE(s.prompts.asked().last().text, QStringLiteral("Deze naam bestaat reeds, wilt u toch saven?"));
    QCOMPARE(s.bytes(QStringLiteral("Vogels.msr")), yes ? SeriesFile::serialize(s.model.toSeries()) : first);
    QCOMPARE(s.files(), QStringList{QStringLiteral("Vogels.msr")});
}

void CommandsTest::unwritableFolderIsReported_data()
{
    QTest::addColumn<bool>("folderIsAFile");
    QTest::newRow("read-only series folder") << false;
    QTest::newRow("series folder replaced by a file") << true;
}

void CommandsTest::unwritableFolderIsReported()
{
    QFETCH(bool, folderIsAFile);
    Session s;
    s.saveAs(QStringLiteral("Vogels"));
    const QString old = s.seriesFolder() + QStringLiteral("/Vogels.msr");
    const QByteArray oldBytes = s.bytes(QStringLiteral("Vogels.msr"));
    if (folderIsAFile) {
        QVERIFY(QFile::remove(old) && QDir().rmdir(s.seriesFolder()));
        QFile blocker(s.seriesFolder());
        QVERIFY(blocker.open(QIODevice::WriteOnly) && blocker.write("keep") == 4);
    } else {
        if (geteuid() == 0)
            QSKIP("root writes into read-only folders; the other row covers the failure");
        QVERIFY(QFile::setPermissions(s.seriesFolder(), QFile::ReadOwner | QFile::ExeOwner));
    }
    s.model.setSubject(QStringLiteral("Nieuw"));
    s.prompts.answerYesNo(true);
    s.saveAs(QStringLiteral("Vogels"));
    QCOMPARE(s.prompts.asked().last().kind, QStringLiteral("warn"));
    QVERIFY(s.prompts.asked().last().text.startsWith(QStringLiteral("De serie is niet opgeslagen")));
    QFile kept(folderIsAFile ? s.seriesFolder() : old);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), folderIsAFile ? QByteArray("keep") : oldBytes);
    QFile::setPermissions(s.seriesFolder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void CommandsTest::textsTheFileCannotHold_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("cancel writes nothing") << false;
    QTest::newRow("Yes writes with question marks") << true;
}

void CommandsTest::textsTheFileCannotHold()
{
    QFETCH(bool, yes);
    Session s;
    s.model.setSubject(QStringLiteral("Łódź"));
    s.model.setName(1, 2, QStringLiteral(" 2. Zoë"));
    s.prompts.answerYesNo(yes);
    s.saveAs(QStringLiteral("Steden"));
    QCOMPARE(s.prompts.kinds(), (QStringList{"text", "yesno"}));
    const QString question = s.prompts.asked().last().text;
    QVERIFY(question.contains(QStringLiteral("Onderwerp: Łódź")));
    QVERIFY(!question.contains(QStringLiteral("Zoë"))); // Windows-1252 holds ë
    QCOMPARE(s.files().size(), yes ? 1 : 0);
    if (yes)
        QVERIFY(s.bytes(QStringLiteral("Steden.msr")).startsWith("?\xf3" "d?\r\n"));
}

void CommandsTest::newDesign_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("No changes nothing") << false;
    QTest::newRow("Yes resets everything") << true;
}

void CommandsTest::newDesign()
{
    QFETCH(bool, yes);
    Session s;
    s.model.setSubject(QStringLiteral("Vogels"));
    s.model.setName(2, 3, QStringLiteral(" 3. Mees"));
    s.model.setSeriesName(QStringLiteral("Vogels.msr"));
    s.prompts.answerOpenPicture(s.picture(QStringLiteral("rood.png"), TestPictures::plain(40, 30, Qt::red)));
    s.commands.placePhoto(3);
    const Series before = s.model.toSeries();
    s.info << QStringLiteral("Naam van deze serie: Vogels.msr");
    s.prompts.answerYesNo(yes);
    s.commands.newDesign();
    QCOMPARE(s.prompts.asked().last().title, QStringLiteral("Nieuw"));
    QCOMPARE(s.prompts.asked().last().text, QStringLiteral("Wilt u een nieuw ontwerp maken?"));
    SeriesModel fresh;
    QCOMPARE(s.model.toSeries(), yes ? fresh.toSeries() : before);
    QCOMPARE(s.model.seriesName(), yes ? QStringLiteral("Default.msr") : QStringLiteral("Vogels.msr"));
    QCOMPARE(s.photos.cardShowsPlaceholder(3), yes);
    QCOMPARE(s.photos.thumbnail(3).isNull(), yes);
    QCOMPARE(s.photos.canvas(3) == PhotoCanvas::blank(PhotoCanvas::kCanvasSize), yes);
    QCOMPARE(s.info.size(), 1); // the info bar keeps its text
}

void CommandsTest::photoPlacement_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<bool>("placed");
    QTest::newRow("picture for card 2") << "groen.png" << true;
    QTest::newRow("cancelled") << "" << false;
    QTest::newRow("not a picture") << "tekst.jpg" << false;
    QTest::newRow("gone") << "weg.jpg" << false;
}

void CommandsTest::photoPlacement()
{
    QFETCH(QString, chosen);
    QFETCH(bool, placed);
    Session s;
    s.picture(QStringLiteral("groen.png"), TestPictures::plain(50, 50, Qt::green));
    QFile text(s.dir.filePath(QStringLiteral("tekst.jpg")));
    QVERIFY(text.open(QIODevice::WriteOnly) && text.write("geen foto") > 0);
    text.close();
    const QString path = chosen.isEmpty() ? QString() : s.dir.filePath(chosen);
    s.prompts.answerOpenPicture(path);
    s.commands.placePhoto(2);

    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    QVERIFY(s.prompts.asked().front().text.contains(QStringLiteral("*.jpg *.JPG *.jpeg *.JPEG *.png *.PNG")));
    QCOMPARE(s.model.photoPath(2), placed ? path : QString());
    QCOMPARE(s.photos.cardShowsPlaceholder(2), !placed);
    QVERIFY(s.photos.cardShowsPlaceholder(1) && s.photos.thumbnail(1).isNull());
    if (placed) {
        QCOMPARE(s.photos.cardPicture(2), s.photos.canvas(2)); // the card shows the canvas
        QCOMPARE(s.photos.thumbnail(2), s.photos.canvas(2));
        QVERIFY(TestPictures::near(s.photos.canvas(2).pixel(200, 150), Qt::green));
    }
    const bool reported = !chosen.isEmpty() && !placed;
    QCOMPARE(s.prompts.kinds().contains(QStringLiteral("warn")), reported);
    if (reported)
        QVERIFY(s.prompts.asked().last().text.contains(path));
}

void CommandsTest::roundTripKeepsTheSeries()
{
    Session s;
    const QList<QColor> colours{Qt::red, Qt::green, Qt::blue, Qt::yellow};
    const char* formats[] = {"JPG", "PNG", "BMP", "PNG"};
    for (int card = 1; card <= 4; ++card) {
        const QString name = QStringLiteral("foto %1, kaart.%2").arg(card).arg(QString::fromLatin1(formats[card - 1]).toLower());
        s.prompts.answerOpenPicture(s.picture(name, TestPictures::plain(64, 48, colours[card - 1]), formats[card - 1]));
        s.commands.placePhoto(card);
    }
    s.model.setSubject(QStringLiteral("Vogels, bos & café"));
    s.model.setName(1, 1, QStringLiteral(" 1. Géén"));
    s.model.setName(1, 2, QStringLiteral("   2. Zoë \"de uil\""));
    const Series saved = s.model.toSeries();
    std::array<QImage, 4> canvases;
    for (int card = 1; card <= 4; ++card)
        canvases[size_t(card - 1)] = s.photos.canvas(card);

    s.saveAs(QStringLiteral("Bos"));
    s.prompts.answerYesNo(true);
    s.commands.newDesign();
    QVERIFY(s.load(QStringLiteral("Bos.msr")).ok());

    const QByteArray bytes = s.bytes(QStringLiteral("Bos.msr"));
    QCOMPARE(bytes.count("\r\n"), 21);
    QVERIFY(bytes.endsWith("\r\n"));
    Series expected = saved;
    for (auto& group : expected.names)
        group[1] = QStringLiteral(" 2. Zoë \"de uil\""); // one leading blank comes back
    QCOMPARE(s.model.toSeries(), expected);
    QCOMPARE(s.model.seriesName(), QStringLiteral("Bos.msr"));
    QCOMPARE(s.info.last(), QStringLiteral("Naam van deze serie: Bos.msr"));
    for (int card = 1; card <= 4; ++card) {
        QCOMPARE(s.photos.canvas(card), canvases[size_t(card - 1)]);
        QCOMPARE(s.photos.thumbnail(card), canvases[size_t(card - 1)]);
        QVERIFY(TestPictures::near(s.photos.cardPicture(card).pixel(0, 0), colours[card - 1])); // raw, no outline
    }
}

void CommandsTest::exportSheet_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("outcome");
    QTest::newRow("with extension") << "blad.bmp" << "written";
    QTest::newRow("without extension") << "blad" << "written";
    QTest::newRow("cancelled") << "" << "nothing";
    QTest::newRow("folder missing") << "weg/blad.bmp" << "reported";
}

void CommandsTest::exportSheet()
{
    QFETCH(QString, chosen);
    QFETCH(QString, outcome);
    Session s;
    s.prompts.answerOpenPicture(s.picture(QStringLiteral("rood.png"), TestPictures::plain(40, 30, Qt::red)));
    s.commands.placePhoto(1);
    const QString path = chosen.isEmpty() ? QString() : s.dir.filePath(chosen);
    s.prompts.clear();
    s.prompts.answerSaveBitmapPath(path);
    s.commands.exportSheet();

    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    QCOMPARE(s.prompts.asked().front().text, QStringLiteral("Bitmap (*.bmp)"));
    QCOMPARE(QFileInfo::exists(path), outcome == u"written");
    QCOMPARE(s.prompts.kinds().contains(QStringLiteral("warn")), outcome == u"reported");
    if (outcome == u"reported")
        QVERIFY(s.prompts.asked().last().text.contains(QStringLiteral("niet opgeslagen")));
    if (outcome != u"written")
        return;
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly) && file.read(2) == "BM");
    const QImage sheet(path, "BMP");
    QCOMPARE(sheet.size(), QSize(600, 900));
    // Card 1's photo box, 3220 x 2400 twips at (580, 1700), shows the canvas of card 1.
    QVERIFY(TestPictures::near(sheet.pixel(146, 193), Qt::red));
    QCOMPARE(s.commands.faceSheet(true).photos[0].size(), QSize(1200, 900));
}

QTEST_MAIN(CommandsTest)
#include "tst_commands.moc"
