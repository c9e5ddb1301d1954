// The print job on a page in memory: what a page of fronts or backs holds, and the copies it asks
// the sink for.
#include "PrintJob.h"

#include "CutMarks.h"
#include "ImagePageSink.h"
#include "TestFolder.h"
#include "TestPictures.h"

#include <QtTest>

namespace {
constexpr double kDpi = 192; // 15 twips, the thinnest line on the page, become two pixels

QPoint pixelAt(const ImagePageSink& sink, QPointF twips) {
    return (twips * sink.pixelsPerTwip()).toPoint();
}
} // namespace

class PrintJobTest final : public QObject {
    Q_OBJECT

private slots:
    void pageHoldsWhatTheSelectorChose_data() {
        QTest::addColumn<int>("position"); // 1: fronts, 2: backs in kaart2.jpg
        QTest::addColumn<DeckMode>("deck");
        QTest::addColumn<QString>("copies");
        QTest::newRow("fronts, names layout") << 1 << DeckMode::Normal << " 3 ";
        QTest::newRow("fronts, pictures layout") << 1 << DeckMode::Children << "1";
        QTest::newRow("backs") << 2 << DeckMode::Normal << "2";
    }
    // Fronts carry every cut mark and stand on the built-in outline, whatever frame the sheet
    // brings; backs carry no mark and show the design.
    void pageHoldsWhatTheSelectorChose() {
        QFETCH(int, position);
        QFETCH(DeckMode, deck);
        QFETCH(QString, copies);
        const TestFolder folder;
        const QColor design(0, 160, 0);
        QVERIFY(folder.write("kaart2.jpg",
                             TestPictures::encode(TestPictures::plain(250, 380, design), "JPG")));
        PrintRequest request;
        request.copiesText = copies;
        request.position = position;
        request.deckMode = deck;
        request.designPath = folder.path("kaart2.jpg");
        request.fronts = [&] {
            FaceSheet sheet{"Dieren.msr", "Dieren", {}, {}, {}};
            sheet.cardFrame = TestPictures::plain(250, 380, design); // a back left in the frame
            return sheet;
        };
        const Result<PrintJob> job = PrintJob::prepare(request);
        QVERIFY2(job.ok(), qPrintable(job.ok() ? QString() : job.error()));
        ImagePageSink sink(kDpi);
        QVERIFY(job->print(sink).ok());
        QCOMPARE(sink.copies(), copies.trimmed().toInt());
        QCOMPARE(sink.finishCount(), 1);

        const QImage& page = sink.image();
        int marks = 0;
        for (const QRect& mark : CutMarks::rects())
            marks += QColor(page.pixel(pixelAt(sink, QRectF(mark).center()))) == CutMarks::kColour;
        QCOMPARE(marks, position == 1 ? 16 : 0);
        // The left edge of card 1 halfway down: the outline's border, or the design.
        const QColor edge = page.pixelColor(pixelAt(sink, QPointF(1680 + 8, 2400 + 2850)));
        const QColor outline = QImage(":/pictures/card-outline.png").pixelColor(1, 608);
        QVERIFY2(TestPictures::near(edge.rgb(), position == 1 ? outline : design, 30),
                 qPrintable(edge.name()));
    }
};

QTEST_MAIN(PrintJobTest)
#include "PrintJobTest.moc"
