// Tests of the settings file: reading the eight fields and the exact rewritten bytes.
#include "SettingsFile.h"

#include <QTest>

class SettingsFileTest final : public QObject {
    Q_OBJECT

private slots:
    // Every value read shows in the bytes written back: a number plain, a text quoted.
    void parseAndRewrite_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("rewritten"); // null: the input as it is
        const QByteArray zeros = "0,0,0\r\n0,0,0\r\n";
        const QByteArray big = '1' + QByteArray(400, '0'); // too many digits for a double
        const QByteArray same;
        // clang-format off
        QTest::newRow("empty: defaults") << QByteArray() << zeros + "1680,2400\r\n";
        QTest::newRow("back offsets") << zeros + "2000,3000\r\n" << same;
        QTest::newRow("quoted X stays text") << zeros + "\"1680\",2400\r\n" << same;
        QTest::newRow("two lines only") << QByteArray("1,2,3\r\n4,5,6\r\n")
            << QByteArray("1,2,3\r\n4,5,6\r\n1680,2400\r\n");
        QTest::newRow("300 in a byte field") << QByteArray("7,8,300\r\n4,5,6\r\n2000,3000\r\n")
            << QByteArray("7,8,0\r\n0,0,0\r\n1680,2400\r\n");
        QTest::newRow("all eight on one line, LF") << QByteArray("1,2,3,4,5,6,2000,3000\n")
            << QByteArray("1,2,3\r\n4,5,6\r\n2000,3000\r\n");
        QTest::newRow("extra lines") << zeros + "1,2,3\r\nmore\r\n" << zeros + "1,2\r\n";
        QTest::newRow("64-bit Y") << zeros + "2000,4294967296\r\n" << zeros + "2000,2400\r\n";
        QTest::newRow("quoted Y") << zeros + "2000,\"3000\"\r\n" << zeros + "2000,2400\r\n";
        QTest::newRow("blanks before fields") << QByteArray("  1,\t2, 3\r\n 4 , 5 ,6\r\n 20 , 30")
            << QByteArray("1,2,3\r\n4,5,6\r\n20,30\r\n");
        QTest::newRow("negative, fractional, 32-bit Y")
            << QByteArray("-1.5,0.25,0\r\n-7,12.50,255\r\n-100,-2147483648\r\n")
            << QByteArray("-1.5,0.25,0\r\n-7,12.5,255\r\n-100,-2147483648\r\n");
        QTest::newRow("never an exponent") << "100000000000000000000,0.0000001,0\r\n" + big
            << "100000000000000000000,0.0000001,0\r\n\"" + big + "\",0,0\r\n1680,2400\r\n";
        QTest::newRow("text, empty, comma in quotes")
            << QByteArray("abc ,,1\r\n\"x,y\"junk,1.,2\r\n\"caf\xE9\",3\r\n")
            << QByteArray("\"abc\",,1\r\n\"x,y\",\"1.\",2\r\n\"caf\xE9\",3\r\n");
        QTest::newRow("quote never closed") << zeros + "\"16" << zeros + "\"16\",2400\r\n";
        // clang-format on
    }

    void parseAndRewrite() {
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, rewritten);
        const QByteArray bytes = SettingsFile::serialize(SettingsFile::parse(input));
        QCOMPARE(bytes, rewritten.isNull() ? input : rewritten);
    }
};

QTEST_GUILESS_MAIN(SettingsFileTest)
#include "tst_SettingsFile.moc"
