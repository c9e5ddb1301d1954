// The program as a user runs it: its command line with no display (usage, refusals, PDFs, the
// check of a game's series), and where it keeps its files, built or installed.
#include "ProgramFolder.h"
#include "RenderedPdf.h"
#include "TestFolder.h"

#include <QtTest>

class CommandLineTest final : public QObject {
    Q_OBJECT

private slots:
    void runsWithoutADisplay_data() {
        QTest::addColumn<QStringList>("arguments"); // "@" stands for the test folder
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err"); // empty: nothing at all on standard error
        QTest::addColumn<int>("pages");   // 0: no PDF
        const auto row = [](const char* name, const QString& arguments, int status,
                            const QString& out, const QString& err, int pages) {
            QTest::newRow(name) << arguments.split(' ') << status << out << err << pages;
        };
        row("help", "--help", 0, "mosaret-designer --pdf UIT.pdf [SERIE.msr ...]", {}, 0);
        row("version", "--version", 0, "Mosaret Designer versie ", {}, 0);
        row("two series to open", "@/a.msr @/b.msr", 1, {}, "één serie tegelijk", 0);
        row("unknown option", "--kleur", 1, {}, "Onbekende optie: --kleur.", 0);
        row("no file name", "--pdf", 1, {}, "Na --pdf ontbreekt een waarde.", 0);
        row("design no number", "--pdf @/uit.pdf --back-design twee", 1, {}, "niet \"twee\"", 0);
        row("named series", "--pdf @/uit.pdf @/los/Vogels.msr @/los/Leeg.msr", 0,
            "@/uit.pdf geschreven: 1 serie, 2 pagina's, 1 overgeslagen.",
            "Overgeslagen: Leeg.msr: Het bestand bevat geen serie", 2);
        row("the series folder", "--pdf @/uit.pdf --back-design 2", 0,
            "2 series, 4 pagina's, 0 overgeslagen. Papier: A4.", {}, 4);
        row("Qt's own options", "-session 1a2b -style fusion --pdf @/uit.pdf", 0, "2 series", {},
            4);
        row("design missing", "--pdf @/uit.pdf --back-design 7", 1, {}, "kaart7.jpg", 0);
        row("check, every series", "--check", 2, "A.msr: zelfde onderwerp als B.msr", {}, 0);
        row("check, named series",
            "--check @/los/Vogels.msr @/los/Leeg.msr @/los/Map.msr @/pijp.msr", 2,
            "Map.msr: kan niet gelezen worden\npijp.msr: kan niet gelezen worden\n4 series "
            "nagekeken: 1 klaar, 3 niet klaar, 3 problemen.",
            {}, 0);
        row("check, finished", "--check @/los/Vogels.msr", 0,
            "1 serie nagekeken: 1 klaar, 0 niet klaar, 0 problemen.", {}, 0);
        row("check, unfinished", "--check @/los/Onaf.msr", 2,
            "Onaf.msr: kaart 1 heeft geen foto\nOnaf.msr: foto van kaart 2 niet gevonden\n"
            "Onaf.msr: naam 1 is leeg\n1 serie nagekeken: 0 klaar, 1 niet klaar, 3 problemen.",
            {}, 0);
        row("check and PDF", "--check --pdf @/uit.pdf", 1, {}, "--check gaat niet samen", 0);
        row("output named .msr", "--pdf @/los/Vogels.MSR", 1, {}, "eindigt op .msr", 0);
        row("output is a series read", "--pdf @/los/../los/serie @/los/serie", 1, {},
            "een van de series", 0);
        row("output in the series folder", "--pdf @/programma/mosaretten/spel.pdf", 1, {},
            "in de map met series", 0);
    }
    void runsWithoutADisplay() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QFETCH(int, pages);
        const TestFolder dir;
        const QString program = dir.path("programma/mosaret-designer");
        const QByteArray photo = TestPictures::encode(TestPictures::quadrants(120, 90), "JPG");
        const QByteArray series = TestFolder::seriesFile(21, {dir.path("foto.jpg").toUtf8()});
        // No photo on card 1, none found for card 2, one found beside it, names 1 only numbers.
        QString unfinished =
            TestFolder::seriesFile(21, {"", dir.path("weg.jpg").toUtf8(), "C:\\Foto\\naast.jpg"});
        unfinished.replace(QRegularExpression("k.n1\r"), "1. \r");
        QVERIFY(dir.write("foto.jpg", photo) && dir.write("los/Vogels.msr", series) &&
                dir.write("los/Leeg.msr", {}) && dir.write("los/serie", series) &&
                dir.write("programma/mosaretten/A.msr", series) &&
                dir.write("programma/mosaretten/B.msr",
                          QByteArray(series).replace("Vogels", " vogels ")) &&
                dir.make("los/Map.msr", TestFolder::Entry::Folder) &&
                dir.make("pijp.msr", TestFolder::Entry::Pipe) &&
                dir.write("los/naast.jpg", photo) &&
                dir.write("los/Onaf.msr", unfinished.toUtf8()) &&
                dir.write("programma/kaarten/kaart2.jpg", photo) &&
                QFile::copy(MOSARET_PROGRAM, program));
        QProcessEnvironment bare = QProcessEnvironment::systemEnvironment();
        for (const char* name :
             {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"})
            bare.remove(name);
        bare.insert("LANGUAGE", "nl"); // the texts below are Dutch, whatever the machine speaks
        const TestFolder::Snapshot before = dir.snapshot();
        QProcess run;
        run.setProcessEnvironment(bare);
        run.start(program, arguments.replaceInStrings("@", dir.path()));
        QVERIFY(run.waitForFinished(60000));
        const QString said = QString::fromUtf8(run.readAllStandardOutput()),
                      complained = QString::fromUtf8(run.readAllStandardError());
        QCOMPARE(run.exitStatus(), QProcess::NormalExit);
        QCOMPARE(run.exitCode(), status);
        QVERIFY2(said.contains(QString(out).replace("@", dir.path())), qPrintable(said));
        QVERIFY2(err.isEmpty() ? complained.isEmpty()
                               : complained.contains(QString(err).replace("@", dir.path())),
                 qPrintable(complained));
        QCOMPARE(RenderedPdf::pageCount(dir.path("uit.pdf")), pages);
        if (status != 0)
            QCOMPARE(dir.changedSince(before), QStringList());
    }
    void foldersFollowTheWayTheProgramRuns_data() {
        QTest::addColumn<QString>("program");  // the executable's folder, inside the test folder
        QTest::addColumn<QString>("made");     // what the test folder holds besides it
        QTest::addColumn<QString>("expected"); // settings, help, designs, series, state
        const QString built = "build/bin/Mosaret.ini|build/bin/help/help.htm|build/bin/kaarten|"
                              "build/bin/mosaretten|build/bin",
                      share = "usr/share/mosaret-designer/",
                      userDirs = "home/config/user-dirs.dirs",
                      installed = "home/config/mosaret-designer/Mosaret.ini|" + share +
                                  "help/help.htm|" + share + "kaarten|home/%1/Mosaretten|" +
                                  "home/state/mosaret-designer";
        QTest::newRow("build folder") << "build/bin"
                                      << "build/bin/help/" << built;
        QTest::newRow("installed, documents named by user-dirs")
            << "usr/bin" << share + "kaarten/ " + userDirs << installed.arg("Mijn documenten");
        QTest::newRow("installed, no user-dirs")
            << "usr/bin" << share + "help/" << installed.arg("Documents");
    }
    // Last, since it changes the environment the program would run in.
    void foldersFollowTheWayTheProgramRuns() {
        QFETCH(QString, program);
        QFETCH(QString, made);
        QFETCH(QString, expected);
        const TestFolder dir;
        for (const QString& entry : made.split(' ')) // user-dirs names the documents folder
            QVERIFY(dir.make(
                entry, entry.endsWith('/') ? TestFolder::Entry::Folder : TestFolder::Entry::File,
                "XDG_DOCUMENTS_DIR=\"$HOME/Mijn documenten\"\n"));
        QVERIFY(QDir().mkpath(dir.path(program)));
        qputenv("HOME", dir.path("home").toUtf8());
        qputenv("XDG_CONFIG_HOME", dir.path("home/config").toUtf8());
        qputenv("XDG_STATE_HOME", dir.path("home/state").toUtf8());
        const ProgramFolder folder = ProgramFolder::forProgram(dir.path(program));
        QStringList shown;
        for (const QString& path :
             {folder.settingsFile(), folder.helpPage(), folder.designsFolder(),
              folder.seriesFolder(), folder.stateFolder()})
            shown << QDir(dir.path()).relativeFilePath(path);
        QCOMPARE(shown, expected.split('|'));
        QCOMPARE(folder.besideProgram(), program == "build/bin");
    }
};

QTEST_MAIN(CommandLineTest)
#include "CommandLineTest.moc"
