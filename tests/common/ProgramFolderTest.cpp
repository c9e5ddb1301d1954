// Where the program keeps its files: beside itself when run from a folder of its own, the user's
// folders (as the XDG settings give them) when installed.
#include "ProgramFolder.h"

#include "TestFolder.h"

#include <QtTest>

class ProgramFolderTest final : public QObject {
    Q_OBJECT

private slots:
    void foldersFollowTheWayTheProgramRuns_data() {
        QTest::addColumn<QString>("program"); // the executable's folder, inside the test folder
        QTest::addColumn<QString>("made");    // what the test folder holds besides it
        QTest::addColumn<QStringList>("expected"); // settings, help, designs, series, state
        const QString userDirs = "home/config/user-dirs.dirs";
        QTest::newRow("build folder")
            << "build/bin"
            << "build/bin/help/"
            << QStringList{"build/bin/Mosaret.ini", "build/bin/help/help.htm", "build/bin/kaarten",
                           "build/bin/mosaretten", "build/bin"};
        QTest::newRow("installed, documents named by user-dirs")
            << "usr/bin"
            << "usr/share/mosaret-designer/kaarten/ " + userDirs
            << QStringList{"home/config/mosaret-designer/Mosaret.ini",
                           "usr/share/mosaret-designer/help/help.htm",
                           "usr/share/mosaret-designer/kaarten", "home/Mijn documenten/Mosaretten",
                           "home/state/mosaret-designer"};
        QTest::newRow("installed, no user-dirs")
            << "usr/bin"
            << "usr/share/mosaret-designer/help/"
            << QStringList{"home/config/mosaret-designer/Mosaret.ini",
                           "usr/share/mosaret-designer/help/help.htm",
                           "usr/share/mosaret-designer/kaarten", "home/Documents/Mosaretten",
                           "home/state/mosaret-designer"};
    }
    void foldersFollowTheWayTheProgramRuns() {
        QFETCH(QString, program);
        QFETCH(QString, made);
        QFETCH(QStringList, expected);
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
        const QStringList found{folder.settingsFile(), folder.helpPage(), folder.designsFolder(),
                                folder.seriesFolder(), folder.stateFolder()};
        QStringList shown;
        for (const QString& path : found)
            shown << QDir(dir.path()).relativeFilePath(path);
        QCOMPARE(shown, expected);
        QCOMPARE(folder.besideProgram(), program == "build/bin");
    }
};

QTEST_MAIN(ProgramFolderTest)
#include "ProgramFolderTest.moc"
