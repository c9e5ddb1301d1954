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
#include <sys/stat.h>

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
    // Writes the first `lines` lines of a series: subject, photo paths, names "k<card>n<line>".
    void write(const QString& name, int lines, const QStringList& paths = {"", "", "", ""}) const {
        QStringList values = QStringList{QStringLiteral("Vogels, bos")} + paths;
        for (int card = 1; card <= 4; ++card)
            for (int line = 1; line <= 4; ++line)
                values += QStringLiteral("k%1n%2").arg(card).arg(line);
        writeBytes(
            name,
            (values.mid(0, lines).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
    }
    void writeBytes(const QString& name, const QByteArray& bytes) const {
        QFile file(folder.path() + u'/' + name);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    QString picture(const QString& name, const QColor& colour) const {
        const QString path = dir.filePath(name);
        return TestPictures::write(TestPictures::plain(40, 30, colour), path, "PNG") ? path
                                                                                     : QString();
    }
};

// Clicks a row of the dialog's list; a double click starts with a click, as it does for the user.
void click(LoadDialog& dialog, int row, bool twice = false) {
    auto* list = dialog.findChild<QListWidget*>(QStringLiteral("File1"));
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
    void doubleClickLoadsWhatTheFileHas();
    void brokenFileChangesNothing_data();
    void brokenFileChangesNothing();
    void menuOpensTheDialogCentred();
};

void LoadDialogTest::layoutAndList() {
    Session s;
    for (const char* name : {"b.msr", "A.msr", "c.msr", "notes.txt"})
        s.write(QString::fromLatin1(name), 21);
    QDir().mkpath(s.folder.path() + QStringLiteral("/map.msr"));
    LoadDialog dialog(s.folder, s.loader, s.prompts, nullptr);
    QCOMPARE(dialog.size(), QSize(234, 328));
    auto* list = dialog.findChild<QListWidget*>(QStringLiteral("File1"));
    QCOMPARE(list->geometry(), QRect(8, 14, 207, 278));
    QCOMPARE(list->palette().color(QPalette::Base), QColor(190, 200, 210));
    QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("OkKnop"))->geometry(),
             QRect(176, 302, 38, 20));
    QStringList shown;
    for (int row = 0; row < list->count(); ++row)
        shown += list->item(row)->text();
    QCOMPARE(shown, (QStringList{"A.msr", "b.msr", "c.msr"}));

    QVERIFY(QDir(s.folder.path()).removeRecursively());
    LoadDialog empty(s.folder, s.loader, s.prompts, nullptr);
    QCOMPARE(empty.findChild<QListWidget*>(QStringLiteral("File1"))->count(), 0);
}

void LoadDialogTest::clickShowsNameAndOkWithoutSelectionAsks() {
    Session s;
    s.write(QStringLiteral("Vogels.msr"), 21);
    LoadDialog dialog(s.folder, s.loader, s.prompts, nullptr);
    dialog.show();
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("OkKnop")), Qt::LeftButton);
    QCOMPARE(s.prompts.kinds(), QStringList{QStringLiteral("inform")});
    QCOMPARE(s.prompts.asked().front().text, QStringLiteral("Géén bestand geselecteerd!"));
    QVERIFY(dialog.isVisible());

    click(dialog, 0);
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("Label2"))->text(), QStringLiteral("Vogels"));
    QCOMPARE(s.model.seriesName(), QStringLiteral("Default.msr")); // a click only selects
}

void LoadDialogTest::doubleClickLoadsWhatTheFileHas() {
    Session s;
    const QString red = s.picture(QStringLiteral("rood.png"), Qt::red);
    s.write(QStringLiteral("Vol.msr"), 21, {red, red, red, red});
    const QString fifo = s.dir.filePath(QStringLiteral("pijp.jpg"));
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    s.write(QStringLiteral("Kort.msr"), 10, {red, "", fifo, s.dir.path()});
    QVERIFY(s.loader.run(QStringLiteral("Vol.msr"), nullptr).ok());
    LoadDialog dialog(s.folder, s.loader, s.prompts, nullptr);
    dialog.show();
    click(dialog, 0, true);

    QVERIFY(!dialog.isVisible());
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    QVERIFY(s.prompts.asked().isEmpty());
    QCOMPARE(s.info.last(), QStringLiteral("Naam van deze serie: Kort.msr"));
    QCOMPARE(s.model.subject(), QStringLiteral("Vogels, bos"));
    // Line 10 is name 1 of card 2; names 2 to 4 come from card 1; nothing is left of Vol.msr.
    const QStringList names{" k2n1", " k1n2", " k1n3", " k1n4"};
    for (int line = 1; line <= 4; ++line)
        QCOMPARE(s.model.name(3, line), names[line - 1]);
    QCOMPARE(s.model.photoPath(4), s.dir.path());
    QVERIFY(TestPictures::near(s.photos.canvas(1).pixel(200, 150), Qt::red));
    // An empty photo line, a pipe and a folder give an empty outlined canvas and an empty card.
    for (int card : {2, 3, 4}) {
        QCOMPARE(s.photos.canvas(card), PhotoCanvas::emptyOutlined(PhotoCanvas::kCanvasSize));
        QCOMPARE(s.photos.thumbnail(card), s.photos.canvas(card));
        QVERIFY(!s.photos.cardShowsPlaceholder(card) && s.photos.cardPicture(card).isNull());
    }
}

void LoadDialogTest::brokenFileChangesNothing_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("one line") << QByteArray("Vogels\r\n");
    QTest::newRow("binary without line end") << QByteArray(3000, '\0') + "\xff\xfe";
    QTest::newRow("over 4 MB") << QByteArray(5 << 20, 'a') + "\r\nb\r\n";
    QTest::newRow("file gone after listing") << QByteArray("gone");
}

void LoadDialogTest::brokenFileChangesNothing() {
    QFETCH(QByteArray, bytes);
    Session s;
    s.writeBytes(QStringLiteral("Kapot.msr"), bytes);
    s.write(QStringLiteral("Goed.msr"), 21);
    s.model.setSubject(QStringLiteral("Mijn werk"));
    const Series before = s.model.toSeries();
    LoadDialog dialog(s.folder, s.loader, s.prompts, nullptr);
    dialog.show();
    if (bytes == "gone")
        QFile::remove(s.folder.path() + QStringLiteral("/Kapot.msr"));
    click(dialog, 1, true);

    QCOMPARE(s.prompts.kinds(), QStringList{QStringLiteral("warn")});
    QCOMPARE(s.prompts.asked().front().title, QStringLiteral("Error"));
    QCOMPARE(s.prompts.asked().front().text, QStringLiteral("Fout bij het laden!"));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(s.model.toSeries(), before);
    QCOMPARE(s.model.seriesName(), QStringLiteral("Default.msr"));
    QVERIFY(s.info.isEmpty());

    LoadDialog again(s.folder, s.loader, s.prompts, nullptr); // the next load works as usual
    again.show();
    click(again, 0, true);
    QCOMPARE(s.model.seriesName(), QStringLiteral("Goed.msr"));
}

void LoadDialogTest::menuOpensTheDialogCentred() {
    Session s;
    QWidget window;
    window.resize(400, 600);
    window.show();
    SeriesCommands commands(
        {ProgramFolder(s.dir.path()), &s.model, &s.photos, &s.prompts, &window, {}});
    QString title;
    QPoint offCentre;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        title = modal->windowTitle();
        offCentre = modal->frameGeometry().center() - window.frameGeometry().center();
        QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("CancelKnop")),
                          Qt::LeftButton);
    });
    commands.openLoadDialog();
    QCOMPARE(title, QStringLiteral(" Puzzel laden"));
    QVERIFY(offCentre.manhattanLength() <= 4);
}

QTEST_MAIN(LoadDialogTest)
#include "tst_loaddialog.moc"
