// Tests of start-up and shutdown: the settings file read and rewritten, written again at the end.
#include "MainWindow.h"
#include "ScriptedPrompts.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {
QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
} // namespace

class MainWindowStartupTest final : public QObject {
    Q_OBJECT

private slots:
    void startUpRewritesTheSettingsFile_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QString>("backX");
        QTest::newRow("empty folder") << QByteArray() << QByteArray("0,0,0\r\n0,0,0\r\n1680,2400\r\n") << "1680";
        QTest::newRow("own back position") << QByteArray("0,0,0\r\n0,0,0\r\n2000,3000\r\n")
                                           << QByteArray("0,0,0\r\n0,0,0\r\n2000,3000\r\n") << "2000";
    }
    void startUpRewritesTheSettingsFile() {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QFETCH(QString, backX);
        QTemporaryDir dir;
        const ProgramFolder folder(dir.path());
        if (!before.isEmpty())
            QVERIFY(writeAll(folder.settingsFile(), before));
        ScriptedPrompts prompts;
        MainWindow window(folder, prompts);
        QCOMPARE(readAll(folder.settingsFile()), after);
        QCOMPARE(window.settings().backX.display(), backX);
        QCOMPARE(window.deckMode(), DeckMode::Normal);
        QCOMPARE(window.info(), QStringLiteral("Klik op de vakken voor de foto en teksten"));
        QVERIFY(prompts.asked().isEmpty());
    }

    void endingTheProgramWritesTheBackPosition_data() {
        QTest::addColumn<bool>("exitButton");
        QTest::newRow("Exit button") << true;
        QTest::newRow("closed by the window manager") << false;
    }
    void endingTheProgramWritesTheBackPosition() {
        QFETCH(bool, exitButton);
        QTemporaryDir dir;
        const ProgramFolder folder(dir.path());
        ScriptedPrompts prompts;
        MainWindow window(folder, prompts);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // What the print dialog leaves behind after the user typed new offsets.
        window.settings().backX = SettingValue::text(QStringLiteral("2100"));
        window.settings().backY = -150;
        if (exitButton)
            QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("ExitKnop")), Qt::LeftButton);
        else
            QVERIFY(window.close());
        QVERIFY(!window.isVisible());
        QCOMPARE(readAll(folder.settingsFile()), QByteArray("0,0,0\r\n0,0,0\r\n\"2100\",-150\r\n"));
    }

    void unwritableFolderStartsAndEndsQuietly_data() {
        QTest::addColumn<bool>("underAFile");
        QTest::newRow("folder path under a regular file") << true;
        QTest::newRow("read-only folder with settings") << false;
    }
    void unwritableFolderStartsAndEndsQuietly() {
        QFETCH(bool, underAFile);
        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("program"));
        if (underAFile) {
            QVERIFY(writeAll(path, "not a folder"));
            path += QStringLiteral("/inside");
        } else {
            if (geteuid() == 0)
                QSKIP("permission bits do not stop root from writing");
            QVERIFY(QDir().mkpath(path));
            QVERIFY(writeAll(path + QStringLiteral("/Mosaret.ini"), "0,0,0\r\n0,0,0\r\n2000,3000\r\n"));
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner));
        }
        const ProgramFolder folder(path);
        ScriptedPrompts prompts;
        {
            MainWindow window(folder, prompts);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QCOMPARE(window.settings().backY, underAFile ? 2400 : 3000);
            QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("ExitKnop")), Qt::LeftButton);
            QVERIFY(!window.isVisible());
        }
        QVERIFY(prompts.asked().isEmpty());
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};

QTEST_MAIN(MainWindowStartupTest)
#include "tst_mainwindow_startup.moc"
