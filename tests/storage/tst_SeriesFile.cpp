// Tests of the series file: round trips, exact bytes, odd and hostile files, unencodable text.
#include "SeriesFile.h"

#include <QBuffer>
#include <QStringDecoder>
#include <QTest>

namespace {

// Every value differs, so a value landing on the wrong line shows.
Series numbered(const QString& subject, const QString& path, const QString& name) {
    Series series;
    series.subject = subject;
    for (int card = 1; card <= kCards; ++card) {
        series.photoPath(card) = path + QString::number(card);
        for (int line = 1; line <= kLines; ++line)
            series.name(card, line) = name + QString::number(card * 10 + line);
    }
    return series;
}

Result<Series> parseFromDevice(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return SeriesFile::parse(buffer);
}

} // namespace

class SeriesFileTest final : public QObject {
    Q_OBJECT

private slots:
    void roundTrip_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>(
            "storedName"); // `text` as a name reads back without leading blanks
        QTest::newRow("commas") << "Vogels, wild"
                                << "Vogels, wild";
        QTest::newRow("quotes") << "Zeg \"kaas\""
                                << "Zeg \"kaas\"";
        QTest::newRow("accents") << QString::fromUtf8("Géén Zoë café €")
                                 << QString::fromUtf8("Géén Zoë café €");
        QTest::newRow("one leading blank") << " 1. "
                                           << "1. ";
        QTest::newRow("no leading blank") << "2. Mus "
                                          << "2. Mus ";
        QTest::newRow("three leading blanks") << "   3. Mees"
                                              << "3. Mees";
    }

    void roundTrip() {
        QFETCH(QString, text);
        QFETCH(QString, storedName);
        const auto parsed = SeriesFile::parse(SeriesFile::serialize(numbered(text, text, text)));
        QVERIFY(parsed.ok());
        QCOMPARE(*parsed, numbered(text, text, storedName));
    }

    void everyByteRoundTrips() {
        QByteArray bytes;
        for (int b = 0; b < 256; ++b) {
            if (b != '\r' && b != '\n')
                bytes += char(b);
        }
        QByteArray file = bytes + "\r\n";
        for (int i = 1; i < SeriesFile::kLineCount; ++i)
            file += "\r\n";
        const auto parsed = SeriesFile::parse(file);
        QVERIFY(parsed.ok());
        QStringDecoder reference("windows-1252"); // Qt's own table, where Qt was built with ICU
        if (reference.isValid())
            QCOMPARE(parsed->subject, QString(reference.decode(bytes)));
        QVERIFY(SeriesFile::unencodableTexts(*parsed).isEmpty());
        QCOMPARE(SeriesFile::serialize(*parsed), file);
    }

    void writesExactBytes() {
        Series birds;
        birds.subject = QStringLiteral("Vogels");
        birds.photoPaths = {QStringLiteral("/home/anna/Foto/merel.jpg"),
                            QStringLiteral("/home/anna/Foto/mus.gif"), QString(),
                            QStringLiteral("/home/anna/Foto/uil.bmp")};
        const QByteArray group = "1. Merel\r\n2. Mus\r\n3. Mees\r\n4. Uil\r\n";
        for (auto& card : birds.names)
            card = {QStringLiteral(" 1. Merel"), QStringLiteral("2. Mus"),
                    QStringLiteral("  3. Mees"), QStringLiteral(" 4. Uil")};
        QCOMPARE(SeriesFile::serialize(birds),
                 "Vogels\r\n/home/anna/Foto/merel.jpg\r\n/home/anna/Foto/mus.gif\r\n\r\n"
                 "/home/anna/Foto/uil.bmp\r\n" +
                     group + group + group + group);
    }

    void parsesOddFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("photo2");
        QTest::addColumn<QString>("lastName");

        QByteArray lfOnly = "Vogels\n";
        for (int i = 2; i <= 25; ++i)
            lfOnly += "regel " + QByteArray::number(i) + '\n';
        QTest::newRow("LF only, lines after 21 ignored") << lfOnly << true << "regel 3"
                                                         << "regel 21";
        QTest::newRow("truncated")
            << QByteArray("Vogels\r\n/a.jpg\r\n/b.jpg\r\n") << true << "/b.jpg"
            << "";
        QTest::newRow("two lines, no line end") << QByteArray("Vogels\r\n/a.jpg") << true << ""
                                                << "";
        QTest::newRow("empty") << QByteArray() << false << ""
                               << "";
        QTest::newRow("one line") << QByteArray("Vogels\r\n") << false << ""
                                  << "";
        QTest::newRow("5 MB line")
            << QByteArray("Vogels\r\n") + QByteArray(5 << 20, 'x') << false << ""
            << "";
        QTest::newRow("5 MB after line 21")
            << lfOnly + QByteArray(5 << 20, 'x') << true << "regel 3"
            << "regel 21";
    }

    void parsesOddFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, ok);
        QFETCH(QString, photo2);
        QFETCH(QString, lastName);
        for (const auto& parsed : {SeriesFile::parse(bytes), parseFromDevice(bytes)}) {
            QCOMPARE(parsed.ok(), ok);
            if (!ok) {
                QVERIFY(!parsed.error().isEmpty());
                continue;
            }
            QCOMPARE(parsed->subject, QStringLiteral("Vogels"));
            QCOMPARE(parsed->photoPath(2), photo2);
            QCOMPARE(parsed->name(4, 4), lastName);
        }
    }

    void unencodableTextIsListedAndWrittenAsQuestionMark() {
        Series series =
            numbered(QStringLiteral("a\nb"), QStringLiteral("/foto/"), QString::fromUtf8("Géén €"));
        series.photoPath(1) = QString::fromUtf8("/foto/\U0001F600.jpg");
        series.name(2, 3) = QString::fromUtf8(" ł");
        QCOMPARE(SeriesFile::unencodableTexts(series),
                 QStringList({QStringLiteral("Onderwerp: a\nb"),
                              QString::fromUtf8("Foto van kaart 1: /foto/\U0001F600.jpg"),
                              QString::fromUtf8("Naam 3 van kaart 2:  ł")}));
        const QByteArray bytes = SeriesFile::serialize(series);
        QVERIFY(bytes.startsWith("a b\r\n/foto/?.jpg\r\n"));
        QVERIFY(bytes.contains("\r\n?\r\n"));
        QCOMPARE(bytes.count("\r\n"), SeriesFile::kLineCount);
    }
};

QTEST_GUILESS_MAIN(SeriesFileTest)
#include "tst_SeriesFile.moc"
