// Framings in series files and copies of unsaved work: older files and readers stay as they were,
// and no framing line, however broken, refuses a load.
#include "RecoveryCopy.h"
#include "SeriesFile.h"

#include <QtTest>

namespace {
Series birds() {
    Series s;
    s.subject = "Vogels";
    s.photoPaths = {"/foto/merel.jpg", "/foto/mus.jpg", "", "/foto/uil.jpg"};
    for (auto& card : s.names)
        card = {"1. Merel", "2. Mus", "3. Mees", "4. Uil"};
    return s;
}

Series framed() {
    Series s = birds();
    s.framing(2) = Framing{QPointF(0.5, 0.3125), 1.5};
    s.framing(4) = Framing{QPointF(0, 1), 4};
    return s;
}

bool near(const Framing& a, const Framing& b) {
    return qAbs(a.point.x() - b.point.x()) < 1e-4 && qAbs(a.point.y() - b.point.y()) < 1e-4 &&
           qAbs(a.zoom - b.zoom) < 1e-4;
}

QList<QByteArray> linesOf(const QByteArray& bytes) {
    QList<QByteArray> lines = bytes.split('\n');
    lines.removeLast(); // after the last line end
    return lines;
}
} // namespace

Q_DECLARE_METATYPE(Framing)

class FramingFileTest final : public QObject {
    Q_OBJECT
private slots:
    void unframedSeriesKeepsItsBytes() {
        const QByteArray bytes = SeriesFile::serialize(birds());
        QCOMPARE(linesOf(bytes).size(), SeriesFile::kLineCount);
        QVERIFY(bytes.startsWith("Vogels\r\n/foto/merel.jpg\r\n/foto/mus.jpg\r\n\r\n"));
        QVERIFY(bytes.endsWith("\r\n4. Uil\r\n"));
    }

    void framedSeriesAddsLinesAfterTheSeries() {
        const QByteArray bytes = SeriesFile::serialize(framed());
        const QList<QByteArray> lines = linesOf(bytes);
        QCOMPARE(lines.mid(0, SeriesFile::kLineCount), linesOf(SeriesFile::serialize(birds())));
        QCOMPARE(lines.mid(SeriesFile::kLineCount),
                 (QList<QByteArray>{"#kader 2 0.5000 0.3125 1.5000\r",
                                    "#kader 4 0.0000 1.0000 4.0000\r"}));
        const Result<Series> read = SeriesFile::parse(bytes);
        QVERIFY(read.ok());
        for (int card = 1; card <= kCards; ++card)
            QVERIFY(near(read.value().framing(card), framed().framing(card)));
        QCOMPARE(SeriesFile::serialize(read.value()), bytes);
    }

    void framingLinesReadSafely_data() {
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<Framing>("card2");
        const Framing centre;
        QTest::newRow("valid, bare LF")
            << QByteArray("#kader 2 0.25 0.75 2\n") << Framing{QPointF(0.25, 0.75), 2};
        QTest::newRow("first valid line wins")
            << QByteArray("#kader 2 x 0.5 1\r\n#kader 2 0.1 0.2 1.5\r\n#kader 2 0.9 0.9 3\r\n")
            << Framing{QPointF(0.1, 0.2), 1.5};
        QTest::newRow("values clamped")
            << QByteArray("#kader 2 -5 1e300 99\r\n") << Framing{QPointF(0, 1), 4};
        QTest::newRow("zoom below one") << QByteArray("#kader 2 0.5 0.5 0.2\r\n") << centre;
        QTest::newRow("nan") << QByteArray("#kader 2 nan 0.5 1.5\r\n") << centre;
        QTest::newRow("infinity") << QByteArray("#kader 2 0.5 inf 1.5\r\n") << centre;
        QTest::newRow("letters") << QByteArray("#kader twee 0.5 0.5 2\r\n") << centre;
        QTest::newRow("card out of range")
            << QByteArray("#kader 5 0.1 0.1 2\r\n#kader 0 0.1 0.1 2\r\n") << centre;
        QTest::newRow("too few values") << QByteArray("#kader 2 0.1 2\r\n") << centre;
        QTest::newRow("unknown and binary lines")
            << QByteArray("#iets 2\r\n\x01\xff\x00junk\r\n#kader 2 0.3 0.3 1\r\n",
                          sizeof("#iets 2\r\n\x01\xff\x00junk\r\n#kader 2 0.3 0.3 1\r\n") - 1)
            << Framing{QPointF(0.3, 0.3), 1};
    }
    void framingLinesReadSafely() {
        QFETCH(QByteArray, after);
        QFETCH(Framing, card2);
        const Result<Series> read = SeriesFile::parse(SeriesFile::serialize(birds()) + after);
        QVERIFY(read.ok());
        QVERIFY2(near(read.value().framing(2), card2),
                 qPrintable(QString::number(read.value().framing(2).point.x())));
        QVERIFY(read.value().framing(1).isDefault());
        Series texts = read.value();
        texts.framings = {};
        QCOMPARE(texts, birds());
    }

    void recoveryCopiesKeepFramings() {
        const QByteArray copy = RecoveryCopy::serialize(framed(), "Vögel.msr");
        QVERIFY(copy.startsWith("#mosaret-herstel utf-8\r\n"));
        const Result<RecoveredSeries> back = RecoveryCopy::parse(copy);
        QVERIFY(back.ok());
        QCOMPARE(back.value().seriesName, QString("Vögel.msr"));
        for (int card = 1; card <= kCards; ++card)
            QVERIFY(near(back.value().series.framing(card), framed().framing(card)));
        // An unframed copy keeps its 23 lines, and a copy cut inside its framing lines is refused.
        QCOMPARE(linesOf(RecoveryCopy::serialize(birds(), "a.msr")).size(), 23);
        QVERIFY(!RecoveryCopy::parse(copy.first(copy.indexOf("#kader"))).ok());
    }
};

QTEST_GUILESS_MAIN(FramingFileTest)
#include "FramingFileTest.moc"
