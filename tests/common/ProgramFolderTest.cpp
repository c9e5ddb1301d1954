// Where the program keeps its files: beside itself when built, the user's folders when installed.
#include "ProgramFolder.h"

#include "TestFolder.h"

#include <QtTest>

class ProgramFolderTest final : public QObject {
    Q_OBJECT

private slots:
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
    void foldersFollowTheWayTheProgramRuns() {
        QFETCH(QString, program);
        QFETCH(QString, made);
        QFETCH(QString, expected);
        const TestFolder dir;
        for (const QString& entry : made.split(' ')) {
            const bool folder = entry.endsWith('/');
            const QByteArray dirs = "XDG_DOCUMENTS_DIR=\"$HOME/Mijn documenten\"\n";
            QVERIFY(dir.make(entry, folder ? TestFolder::Entry::Folder : TestFolder::Entry::File,
                             dirs));
        }
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

QTEST_MAIN(ProgramFolderTest)
#include "ProgramFolderTest.moc"
