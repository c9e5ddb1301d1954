// Tests of the settings file: reading the eight fields, the exact rewritten bytes, and saving.
#include "FailingWrites.h"
#include "SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray kDefaults = "0,0,0\r\n0,0,0\r\n1680,2400\r\n";

// "n<number>", "t<text>" or "e" per value field, the whole numbers as they are.
QString describe(const SettingValue& value) {
    return value.isNumber() ? u'n' + value.display()
           : value.isText() ? u't' + value.toText()
                            : QStringLiteral("e");
}

QString describe(const Settings& s) {
    return QStringList{describe(s.reserved1), describe(s.reserved2),   QString::number(s.reserved3),
                       describe(s.reserved4), describe(s.reserved5),   QString::number(s.reserved6),
                       describe(s.backX),     QString::number(s.backY)}
        .join(u' ');
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class SettingsFileTest final : public QObject {
    Q_OBJECT

private slots:
    void parseAndRewrite_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QString>("values");
        QTest::addColumn<QByteArray>("rewritten");

        const QString defaults = QStringLiteral("n0 n0 0 n0 n0 0 n1680 2400");
        const QByteArray big(10 * 1024 * 1024, '\xE9');
        QTest::newRow("empty input gives defaults") << QByteArray() << defaults << kDefaults;
        QTest::newRow("back offsets")
            << QByteArray("0,0,0\r\n0,0,0\r\n2000,3000\r\n") << "n0 n0 0 n0 n0 0 n2000 3000"
            << QByteArray("0,0,0\r\n0,0,0\r\n2000,3000\r\n");
        QTest::newRow("quoted X stays text")
            << QByteArray("0,0,0\r\n0,0,0\r\n\"1680\",2400\r\n") << "n0 n0 0 n0 n0 0 t1680 2400"
            << QByteArray("0,0,0\r\n0,0,0\r\n\"1680\",2400\r\n");
        QTest::newRow("two lines only")
            << QByteArray("1,2,3\r\n4,5,6\r\n") << "n1 n2 3 n4 n5 6 n1680 2400"
            << QByteArray("1,2,3\r\n4,5,6\r\n1680,2400\r\n");
        QTest::newRow("300 in a byte field stops reading")
            << QByteArray("7,8,300\r\n4,5,6\r\n2000,3000\r\n") << "n7 n8 0 n0 n0 0 n1680 2400"
            << QByteArray("7,8,0\r\n0,0,0\r\n1680,2400\r\n");
        QTest::newRow("all eight on one line, LF only")
            << QByteArray("1,2,3,4,5,6,2000,3000\n") << "n1 n2 3 n4 n5 6 n2000 3000"
            << QByteArray("1,2,3\r\n4,5,6\r\n2000,3000\r\n");
        QTest::newRow("extra lines dropped")
            << QByteArray("0,0,0\r\n0,0,0\r\n1,2,3\r\nmore\r\n") << "n0 n0 0 n0 n0 0 n1 2"
            << QByteArray("0,0,0\r\n0,0,0\r\n1,2\r\n");
        QTest::newRow("64-bit Y fails")
            << QByteArray("0,0,0\r\n0,0,0\r\n2000,4294967296\r\n") << "n0 n0 0 n0 n0 0 n2000 2400"
            << QByteArray("0,0,0\r\n0,0,0\r\n2000,2400\r\n");
        QTest::newRow("quoted Y fails")
            << QByteArray("0,0,0\r\n0,0,0\r\n2000,\"3000\"\r\n") << "n0 n0 0 n0 n0 0 n2000 2400"
            << QByteArray("0,0,0\r\n0,0,0\r\n2000,2400\r\n");
        QTest::newRow("blanks before fields")
            << QByteArray("  1,\t2, 3\r\n 4 , 5 ,6\r\n  2000 ,  3000\r\n")
            << "n1 n2 3 n4 n5 6 n2000 3000" << QByteArray("1,2,3\r\n4,5,6\r\n2000,3000\r\n");
        QTest::newRow("negative and fractional")
            << QByteArray("-1.5,0.25,0\r\n-7,12.50,255\r\n-100,-2147483648\r\n")
            << "n-1.5 n0.25 0 n-7 n12.5 255 n-100 -2147483648"
            << QByteArray("-1.5,0.25,0\r\n-7,12.5,255\r\n-100,-2147483648\r\n");
        QTest::newRow("never an exponent")
            << QByteArray("100000000000000000000,0.0000001,0\r\n")
            << "n100000000000000000000 n0.0000001 0 n0 n0 0 n1680 2400"
            << QByteArray("100000000000000000000,0.0000001,0\r\n0,0,0\r\n1680,2400\r\n");
        QTest::newRow("unquoted text, empty, comma in quotes")
            << QByteArray("abc ,,1\r\n\"x,y\"junk,1.,2\r\n\"caf\xE9\",3\r\n")
            << QString::fromUtf8("tabc e 1 tx,y t1. 2 tcafé 3")
            << QByteArray("\"abc\",,1\r\n\"x,y\",\"1.\",2\r\n\"caf\xE9\",3\r\n");
        QTest::newRow("quote never closed")
            << QByteArray("0,0,0\r\n0,0,0\r\n\"16") << "n0 n0 0 n0 n0 0 t16 2400"
            << QByteArray("0,0,0\r\n0,0,0\r\n\"16\",2400\r\n");
        QTest::newRow("10 MB quoted field")
            << '"' + big + "\",1,2\r\n"
            << u't' + QString(big.size(), QChar(0xE9)) + " n1 2 n0 n0 0 n1680 2400"
            << '"' + big + "\",1,2\r\n0,0,0\r\n1680,2400\r\n";
    }

    void parseAndRewrite() {
        QFETCH(QByteArray, input);
        QFETCH(QString, values);
        QFETCH(QByteArray, rewritten);
        const Settings settings = SettingsFile::parse(input);
        QCOMPARE(describe(settings), values);
        QCOMPARE(SettingsFile::serialize(settings), rewritten);
    }

    void saveAndLoadRoundTrip() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Mosaret.ini"));
        QCOMPARE(describe(SettingsFile::load(path)), describe(Settings{})); // missing file
        Settings settings;
        settings.reserved2 = SettingValue();
        settings.reserved6 = 255;
        settings.backX = SettingValue::text(QStringLiteral("12,5"));
        settings.backY = -40;
        QVERIFY(SettingsFile::save(path, settings).ok());
        QCOMPARE(readAll(path), QByteArray("0,,0\r\n0,0,255\r\n\"12,5\",-40\r\n"));
        QVERIFY(SettingsFile::load(path) == settings);
    }

    void failedSaveKeepsOldFile_data() {
        QTest::addColumn<FailingWrites::Way>("way");
        QTest::newRow("read-only folder") << FailingWrites::Way::ReadOnlyFolder;
        QTest::newRow("disk full") << FailingWrites::Way::FileSizeLimit;
    }

    void failedSaveKeepsOldFile() {
        QFETCH(FailingWrites::Way, way);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Mosaret.ini"));
        QVERIFY(SettingsFile::save(path, Settings{}).ok());
        Settings changed;
        changed.backY = 1234;
        Status status;
        {
            const FailingWrites failing(way, dir.path());
            if (!failing.unavailable().isEmpty())
                QSKIP(qPrintable(failing.unavailable()));
            status = SettingsFile::save(path, changed);
        }
        QVERIFY(!status.ok());
        QVERIFY2(
            status.error().startsWith(QStringLiteral("De instellingen zijn niet opgeslagen: ")),
            qPrintable(status.error()));
        QCOMPARE(readAll(path), kDefaults);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("Mosaret.ini")});
    }
};

QTEST_GUILESS_MAIN(SettingsFileTest)
#include "tst_SettingsFile.moc"
