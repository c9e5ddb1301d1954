// Tests of the series file: round trips, exact bytes, odd files and text Windows-1252 cannot hold.
#include "SeriesFile.h"

#include <QBuffer>
#include <QStringDecoder>
#include <QTest>

class SeriesFileTest final : public QObject {
    Q_OBJECT

private slots:
    void roundTrip_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("name"); // `text` as a name reads back as this
        // clang-format off
        QTest::newRow("commas and quotes") << "Vogels, \"wild\"" << "Vogels, \"wild\"";
        QTest::newRow("accents") << "Géén Zoë café €" << "Géén Zoë café €";
        QTest::newRow("no leading blank") << "2. Mus " << "2. Mus ";
        QTest::newRow("leading blanks") << "   3. Mees" << "3. Mees";
        QTest::newRow("leading line break") << "\n 4. Uil" << "4. Uil";
        // clang-format on
    }

    void roundTrip() {
        QFETCH(QString, text);
        QFETCH(QString, name);
        Series series;
        series.subject = text;
        series.photoPaths.fill(text);
        for (auto& card : series.names)
            card.fill(text);
        const auto parsed = SeriesFile::parse(SeriesFile::serialize(series));
        QVERIFY(parsed.ok());
        const QString stored = QString(text).replace(u'\n', u' '); // a break becomes a blank
        QCOMPARE(parsed->subject, stored);
        QCOMPARE(parsed->photoPath(4), stored);
        QCOMPARE(parsed->name(4, 4), name);
    }

    void everyByteRoundTrips() {
        QByteArray bytes;
        for (int b = 0; b < 256; ++b)
            bytes += b == '\r' || b == '\n' ? QByteArray() : QByteArray(1, char(b));
        const QByteArray file = bytes + QByteArray("\r\n").repeated(SeriesFile::kLineCount);
        const auto parsed = SeriesFile::parse(file);
        QVERIFY(parsed.ok());
        QStringDecoder reference("windows-1252"); // Qt's own table, where Qt was built with ICU
        if (reference.isValid())
            QCOMPARE(parsed->subject, QString(reference.decode(bytes)));
        QVERIFY(SeriesFile::unencodableTexts(*parsed).isEmpty());
        QCOMPARE(SeriesFile::serialize(*parsed), file);
    }

    void writesExactBytesAndListsWhatChanges() {
        Series birds;
        birds.subject = QStringLiteral("Vogels\nwild");
        birds.photoPaths = {QStringLiteral("/f/merel.jpg"), QStringLiteral("/f/\U0001F600.gif"),
                            QString(), QStringLiteral("/f/uil.bmp")};
        for (auto& card : birds.names)
            card = {QStringLiteral(" 1. Merel"), QStringLiteral("2. Mus"), {}, QStringLiteral("4")};
        birds.name(2, 3) = QStringLiteral(" ł");
        const QByteArray card = "1. Merel\r\n2. Mus\r\n\r\n4\r\n";
        QCOMPARE(SeriesFile::serialize(birds),
                 "Vogels wild\r\n/f/merel.jpg\r\n/f/?.gif\r\n\r\n/f/uil.bmp\r\n" + card +
                     "1. Merel\r\n2. Mus\r\n?\r\n4\r\n" + card + card);
        QCOMPARE(SeriesFile::unencodableTexts(birds),
                 QStringList({QStringLiteral("Onderwerp: Vogels\nwild"),
                              QStringLiteral("Foto van kaart 2: /f/\U0001F600.gif"),
                              QStringLiteral("Naam 3 van kaart 2:  ł")}));
    }

    void parsesOddFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("photo2");
        QTest::addColumn<QString>("lastName");
        QByteArray lf = "Vogels\n";
        for (int i = 2; i <= 25; ++i)
            lf += "regel " + QByteArray::number(i) + '\n';
        const QByteArray huge(5 << 20, 'x');
        // clang-format off
        QTest::newRow("LF only, lines after 21 ignored") << lf << true << "regel 3" << "regel 21";
        QTest::newRow("5 MB after line 21") << lf + huge << true << "regel 3" << "regel 21";
        QTest::newRow("truncated") << QByteArray("Vogels\r\n/a\r\n/b\r\n") << true << "/b" << "";
        QTest::newRow("two lines, no line end") << QByteArray("Vogels\r\n/a") << true << "" << "";
        QTest::newRow("5 MB line") << "Vogels\r\n" + huge << false << "" << "";
        // clang-format on
    }

    void parsesOddFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, ok);
        QFETCH(QString, photo2);
        QFETCH(QString, lastName);
        QBuffer device(&bytes);
        QVERIFY(device.open(QIODevice::ReadOnly));
        for (const auto& parsed : {SeriesFile::parse(bytes), SeriesFile::parse(device)}) {
            QCOMPARE(parsed.ok(), ok);
            if (!ok)
                continue;
            QCOMPARE(parsed->subject, QStringLiteral("Vogels"));
            QCOMPARE(parsed->photoPath(2), photo2);
            QCOMPARE(parsed->name(4, 4), lastName);
        }
    }
};

QTEST_GUILESS_MAIN(SeriesFileTest)
#include "tst_SeriesFile.moc"
