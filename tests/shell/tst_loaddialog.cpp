// The load dialog: its list, selection, the messages, and loads of good, short and broken files.
#include "LoadDialog.h"
#include "LoadSeries.h"
#include "PhotoCanvas.h"
#include "ScriptedPrompts.h"
#include "SeriesCommands.h"
#include "TestPictures.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Session {
    QTemporaryDir dir;
    SeriesModel model;
    CardPhotos photos;
    ScriptedPrompts prompts;
    QStringList info;
    SeriesFolder folder{dir.filePath(QStringLiteral("mosaretten"))};
    LoadSeries loader{folder, model, photos, [this](const QString& text) { info << text; }};

    Session() { QDir().mkpath(folder.path()); }
    void write(const QString& name, const QByteArray& bytes) const {
        QFile file(folder.path() + u'/' + name);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    // A series file of the first `lines` lines: subject, photo paths, then names "k<card>n<line>".
    QByteArray series(int lines, const QStringList& paths) const {
        QStringList values{QStringLiteral("Vogels, bos")};
        values += paths;
        for (int card = 1; card <= 4; ++card)
            for (int line = 1; line <= 4; ++line)
                values += QStringLiteral("k%1n%2").arg(card).arg(line);
        return (values.mid(0, lines).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1();
    }
    QString picture(const QString& name, const QColor& colour) const {
        const QString path = dir.filePath(name);
        return TestPictures::write(TestPictures::plain(40, 30, colour), path, "PNG") ? path : QString();
    }
};

void click(QListWidget* list, int row, bool twice = false)
{
    // A double click starts with a click, as it does for the user.
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    if (twice)
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

} // namespace

class LoadDialogTest final : public QObject {
    Q_OBJECT
private slots:
    void layoutAndList();
    void clickShowsNameAndOkWithoutSelectionAsks();
    void doubleClickLoads();
    void brokenFileChangesNothing_data();
    void brokenFileChangesNothing();
    void shortFileLoadsWhatItHas();
    void menuOpensModalDialog();
};

void LoadDialogTest::layoutAndList()
{
    Session s;
    for (const char* name : {"b.msr", "A.msr", "c.msr", "notes.txt"})
        s.write(QString::fromLatin1(name), "x\r\n");
    QDir().mkpath(s.folder.path() + QStringLiteral("/map.msr"));
    LoadDialog dialog(s.folder, s.loader, s.prompts, nullptr);
    QCOMPARE(dialog.objectName(), QStringLiteral("Loadform"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral(" Puzzel laden"));
    QCOMPARE(dialog.size(), QSize(234, 328));
    auto* list = dialog.findChild<QListWidget*>(QStringLiteral("File1"));
    QCOMPARE(list->geometry(), QRect(8, 14, 207, 278));
    QCOMPARE(list->palette().color(QPalette::Base), QColor(190, 200, 210));
    QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("OkKnop"))->geometry(), QRect(176, 302, 38, 20));
    QStringList shown;
    for (int row = 0; row < list->count(); ++row)
        shown += list->item(row)->text();
    QCOMPARE(shown, (QStringList{"A.msr", "b.msr", "c.msr"}));

    QVERIFY(QDir(s.folder.path()).removeRecursively());
    LoadDialog empty(s.folder, s.loader, s.prompts, nullptr);
    QCOMPARE(empty.findChild<QListWidget*>(QStringLiteral("File1"))->count(), 0);
}

void LoadDialogTest::clickShowsNameAndOkWithoutSelectionAsks()
{
    Session s;
    s.write(QStringLiteral("Vogels.msr"), s.series(21, {"", "", "", ""}));
    LoadDialog dialog(s.folder, s.loader, s.prompts, nullptr);
    dialog.show();
    auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("OkKnop"));
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(s.prompts.asked().size(), 1);
    QCOMPARE(s.prompts.asked().front().text, QStringLiteral("Géén bestand geselecteerd!"));
    QVERIFY(dialog.isVisible());

    click(dialog.findChild<QListWidget*>(QStringLiteral("File1")), 0);
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("Label2"))->text(), QStringLiteral("Vogels"));
    QCOMPARE(s.model.subject(), QStringLiteral("Onderwerp")); // a click only selects
}

void LoadDialogTest::doubleClickLoads()
{
    Session s;
    const QString red = s.picture(QStringLiteral("rood.png"), Qt::red);
    s.write(QStringLiteral("Vogels.msr"), s.series(21, {red, "", s.dir.filePath("weg.jpg"), red}));
    LoadDialog dialog(s.folder, s.loader, s.prompts, nullptr);
    dialog.show();
    click(dialog.findChild<QListWidget*>(QStringLiteral("File1")), 0, true);

    QVERIFY(!dialog.isVisible());
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    QCOMPARE(s.prompts.asked().size(), 0);
    QCOMPARE(s.info, QStringList{QStringLiteral("Naam van deze serie: Vogels.msr")});
    QCOMPARE(s.model.subject(), QStringLiteral("Vogels, bos"));
    QCOMPARE(s.model.name(2, 3), QStringLiteral(" k4n3"));
    QVERIFY(TestPictures::near(s.photos.canvas(4).pixel(200, 150), Qt::red));
    // An empty line and a missing picture both give an empty outlined canvas and an empty card.
    const QImage emptyCanvas = PhotoCanvas::emptyOutlined(PhotoCanvas::kCanvasSize);
    for (int card : {2, 3}) {
        QCOMPARE(s.photos.canvas(card), emptyCanvas);
        QCOMPARE(s.photos.thumbnail(card), emptyCanvas);
        QVERIFY(!s.photos.cardShowsPlaceholder(card) && s.photos.cardPicture(card).isNull());
    }
    QCOMPARE(s.model.photoPath(3), s.dir.filePath("weg.jpg"));
}

void LoadDialogTest::brokenFileChangesNothing_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("one line") << QByteArray("Vogels\r\n");
    QTest::newRow("file gone after listing") << QByteArray("gone");
}

void LoadDialogTest::brokenFileChangesNothing()
{
    QFETCH(QByteArray, bytes);
    Session s;
    s.write(QStringLiteral("Kapot.msr"), bytes);
    s.write(QStringLiteral("Goed.msr"), s.series(21, {"", "", "", ""}));
    s.model.setSubject(QStringLiteral("Mijn werk"));
    const Series before = s.model.toSeries();
    LoadDialog dialog(s.folder, s.loader, s.prompts, nullptr);
    dialog.show();
    if (bytes == "gone")
        QFile::remove(s.folder.path() + QStringLiteral("/Kapot.msr"));
    auto* list = dialog.findChild<QListWidget*>(QStringLiteral("File1"));
    click(list, 1, true);

    QCOMPARE(s.prompts.kinds(), QStringList{QStringLiteral("warn")});
    QCOMPARE(s.prompts.asked().front().title, QStringLiteral("Error"));
    QCOMPARE(s.prompts.asked().front().text, QStringLiteral("Fout bij het laden!"));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(s.model.toSeries(), before);
    QCOMPARE(s.model.seriesName(), QStringLiteral("Default.msr"));
    QVERIFY(s.info.isEmpty());

    // The next load works as usual.
    LoadDialog again(s.folder, s.loader, s.prompts, nullptr);
    again.show();
    click(again.findChild<QListWidget*>(QStringLiteral("File1")), 0, true);
    QCOMPARE(s.model.seriesName(), QStringLiteral("Goed.msr"));
}

void LoadDialogTest::shortFileLoadsWhatItHas()
{
    Session s;
    const QString red = s.picture(QStringLiteral("rood.png"), Qt::red);
    s.write(QStringLiteral("Vol.msr"), s.series(21, {red, red, red, red}));
    s.write(QStringLiteral("Kort.msr"), s.series(10, {"", s.picture(QStringLiteral("blauw.png"), Qt::blue), "", ""}));
    QVERIFY(s.loader.run(QStringLiteral("Vol.msr"), nullptr).ok());
    QVERIFY(s.loader.run(QStringLiteral("Kort.msr"), nullptr).ok());

    // Line 10 holds name 1 of card 2; names 2 to 4 come from card 1's group; nothing from Vol.msr.
    const QStringList names{" k2n1", " k1n2", " k1n3", " k1n4"};
    for (int line = 1; line <= 4; ++line)
        QCOMPARE(s.model.name(3, line), names[line - 1]);
    QCOMPARE(s.model.photoPath(4), QString());
    QVERIFY(TestPictures::near(s.photos.canvas(2).pixel(200, 150), Qt::blue));
    for (int card : {1, 3, 4})
        QCOMPARE(s.photos.canvas(card), PhotoCanvas::emptyOutlined(PhotoCanvas::kCanvasSize));
}

void LoadDialogTest::menuOpensModalDialog()
{
    Session s;
    s.write(QStringLiteral("Vogels.msr"), s.series(21, {"", "", "", ""}));
    QWidget window;
    window.resize(400, 600);
    window.show();
    SeriesCommands commands({ProgramFolder(s.dir.path()), &s.model, &s.photos, &s.prompts, &window, {}});
    QString seen;
    QPoint offCentre;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        seen = modal->objectName();
        offCentre = modal->frameGeometry().center() - window.frameGeometry().center();
        QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("CancelKnop")), Qt::LeftButton);
    });
    commands.openLoadDialog();
    QCOMPARE(seen, QStringLiteral("Loadform"));
    QVERIFY(offCentre.manhattanLength() <= 4);
    QCOMPARE(s.model.seriesName(), QStringLiteral("Default.msr"));
}

QTEST_MAIN(LoadDialogTest)
#include "tst_loaddialog.moc"
