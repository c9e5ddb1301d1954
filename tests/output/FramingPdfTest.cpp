// The game's PDF shows each card's photo as the series file frames it, in both layouts.
#include "GameSheet.h"
#include "PhotoPreparer.h"
#include "RenderedPdf.h"
#include "SeriesPages.h"
#include "TestFolder.h"

#include <QPainter>
#include <QtTest>

class FramingPdfTest final : public QObject {
    Q_OBJECT
private slots:
    void pdfFollowsTheFraming_data() {
        QTest::addColumn<DeckMode>("deck");
        QTest::addColumn<QRect>("box"); // card 1's large photo box on the page, in twips
        QTest::newRow("names layout")
            << DeckMode::Normal << QRect(QPoint(1680 + 280, 2400 + 800), QSize(3220, 2400));
        QTest::newRow("pictures layout")
            << DeckMode::Children << QRect(QPoint(1680 + 330, 2400 + 360), QSize(3120, 3000));
    }
    void pdfFollowsTheFraming() {
        QFETCH(DeckMode, deck);
        QFETCH(QRect, box);
        // An upright photo with a red band along its top tenth.
        QImage upright = TestPictures::plain(600, 1200, Qt::gray);
        QPainter(&upright).fillRect(0, 0, 600, 120, Qt::red);
        const std::vector<Result<PreparedPhoto>> photos(kCards,
                                                        PhotoPreparer::fromPicture(upright));
        const TestFolder dir;
        dir.write("rug.png", TestPictures::encode(TestPictures::plain(250, 380, Qt::blue), "PNG"));
        for (const bool framed : {false, true}) {
            Series series;
            if (framed)
                series.framings.fill(Framing{QPointF(0.5, 0), 1});
            const QString pdf = dir.path(framed ? "kader.pdf" : "midden.pdf");
            QVERIFY(SeriesPages::writeSeries(pdf, GameSheet::build("a.msr", series, photos), deck,
                                             dir.path("rug.png"))
                        .ok());
            const RenderedPdf page(pdf, 72, 1, QPointF(200, 200));
            int red = 0;
            for (int y = box.top() + 100; y < box.top() + 300; y += 20)
                for (int x = box.left() + 200; x < box.right() - 200; x += 40)
                    red +=
                        TestPictures::near(page.page.pixel(page.at(x, y).toPoint()), Qt::red, 60);
            QVERIFY2(framed ? red > 20 : red == 0, qPrintable(QString::number(red)));
        }
    }
};

QTEST_MAIN(FramingPdfTest)
#include "FramingPdfTest.moc"
