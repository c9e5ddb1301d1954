// The PDFs of a series, of the test sheet and of whole games, read back by their pixels.
#include "FourCards.h"
#include "GameSheet.h"
#include "GameWriter.h"
#include "PdfPages.h"
#include "PhotoPreparer.h"
#include "RenderedPdf.h"
#include "SeriesPages.h"
#include "TestFolder.h"
#include "TestSheet.h"

#include <QtTest>

using Along = RenderedPdf::Along;

namespace {
constexpr double kDpi = 192; // a pixel is 7.5 twips, finer than the 150 dpi a back must match to
constexpr QPointF kMargin{200, 200}; // the printable area's corner on the page, in twips
const QColor kNavy(20, 40, 120);
const QList<QColor> kPhotoColours{{220, 0, 0}, {0, 0, 220}, {230, 200, 0}, {150, 0, 150}};
const QList<QPoint>& kCorners = RenderedPdf::kCardCorners;

// A back design, photos and `count` series files: five sound, then in every ten an empty, a
// binary, a short one, one with a missing and one with a damaged photo, and five sound ones.
QStringList writeGame(const TestFolder& dir, int count) {
    const QByteArray jpeg = TestPictures::encode(TestPictures::quadrants(120, 90), "JPG");
    dir.write("kaart2.jpg", TestPictures::encode(TestPictures::plain(250, 380, kNavy), "JPG"));
    dir.write("fotos/goed.jpg", jpeg);
    dir.write("fotos/kapot.jpg", jpeg.left(jpeg.size() / 2));
    const auto series = [&dir](int lines, const char* photo) {
        return TestFolder::seriesFile(lines, {dir.path(photo).toUtf8()});
    };
    const QByteArrayList odd{{},
                             QByteArray(300, '\x9c') + "\r\n\xff\x00",
                             series(5, "fotos/goed.jpg"),
                             series(21, "fotos/weg.jpg"),
                             series(21, "fotos/kapot.jpg")};
    QStringList files;
    for (int n = 0; n < count; ++n) {
        files << dir.path(QString("mosaretten/serie%1.msr").arg(n, 3, 10, QChar('0')));
        dir.write(files.last(),
                  (n + 5) % 10 < 5 ? odd[(n + 5) % 10] : series(21, "fotos/goed.jpg"));
    }
    return files;
}

} // namespace

class PdfTest final : public QObject {
    Q_OBJECT

private slots:
    void seriesPagesLieBackToBack_data() {
        QTest::addColumn<DeckMode>("deck");
        QTest::addColumn<int>("paper"); // a QPageSize::PageSizeId
        QTest::newRow("names layout") << DeckMode::Normal << int(QPageSize::A4);
        QTest::newRow("pictures layout") << DeckMode::Children << int(QPageSize::A4);
        QTest::newRow("names layout, Letter") << DeckMode::Normal << int(QPageSize::Letter);
    }
    // Page 1: title, photos at 300 ppi or more in their boxes' proportions, cut marks, an embedded
    // font; page 2, mirrored, each back on its card to a pixel; on Letter all moves up alike.
    void seriesPagesLieBackToBack() {
        QFETCH(DeckMode, deck);
        QFETCH(int, paper);
        const bool children = deck == DeckMode::Children;
        const QPoint photo = children ? QPoint(330, 360) : QPoint(280, 800); // on the card
        const TestFolder dir;
        dir.write("kaart2.jpg", TestPictures::encode(TestPictures::plain(250, 380, kNavy), "JPG"));
        QList<QImage> pictures;
        for (const QColor& colour : kPhotoColours)
            pictures << TestPictures::plain(1200, 900, colour);
        const QString pdf = dir.path("serie.pdf");
        const Status written = SeriesPages::writeSeries(
            pdf, fourCards(pictures, PhotoFrame::Outlined), deck, dir.path("kaart2.jpg"),
            QPageSize(QPageSize::PageSizeId(paper)));
        QVERIFY2(written.ok(), qPrintable(written.error()));
        const RenderedPdf fronts(pdf, kDpi, 1, kMargin);
        RenderedPdf backs(pdf, kDpi, 2, kMargin);
        QCOMPARE(fronts.pages, 2);
        QCOMPARE(fronts.paper.toLower(), paper == QPageSize::A4 ? "a4" : "letter");
        const QColor outline = QImage(":/pictures/card-outline.png").pixelColor(1, 608);
        const QPointF moved = fronts.offBy(kCorners[0], outline);
        QVERIFY(paper == QPageSize::A4 ? RenderedPdf::longest(moved) <= 1.5
                                       : moved.y() < -20 && std::abs(moved.x()) <= 1.5);
        const double up = moved.y() * 1440 / kDpi;
        QCOMPARE(fronts.marksInPlace(up), 16);
        const QList<double> title = fronts.darkRuns(1200 + up, 0, 11500, Along::Across);
        QVERIFY(title.size() > 10 && std::abs((title.first() + title.last()) / 2 - 6000) < 100);
        QCOMPARE(fronts.sharpImages(children ? QList<QSizeF>{{3120, 3000}, {900, 900}}
                                             : QList<QSizeF>{{3220, 2400}}),
                 children ? 20 : 4);
        QVERIFY(std::ranges::all_of(fronts.images, [](const auto& i) { return i.second >= 300; }));
        QVERIFY(QRegularExpression("TrueType.* yes +(yes|no) +yes")
                    .match(RenderedPdf::run("pdffonts", {pdf}))
                    .hasMatch());

        backs.page = backs.page.mirrored(true, false);
        for (const QPoint& corner : kCorners) {
            const QPointF front = fronts.offBy(corner, outline), back = backs.offBy(corner, kNavy);
            QVERIFY2(RenderedPdf::longest(fronts.offBy(corner + photo, Qt::black) - moved) <= 1.5,
                     "photo");
            QVERIFY2(RenderedPdf::longest(front - moved) <= 1.5, "frame");
            QVERIFY2(RenderedPdf::longest(back - front) <= 1, "back");
        }
        // In the pictures layout the large box shows the card's own photo, the four small ones
        // the other cards' photos in turn and then its own.
        const QList<QPoint> middles{
            {1890, 1860}, {780, 3930}, {1890, 3930}, {3000, 3930}, {1890, 4920}};
        for (int card = 0; children && card < kCards; ++card)
            for (int box = 0; box < middles.size(); ++box) {
                const QPointF at = fronts.at(kCorners[card].x() + middles[box].x(),
                                             kCorners[card].y() + middles[box].y());
                const int shown = box % 4 == 0 ? card : box - 1 + (box - 1 >= card);
                QVERIFY(TestPictures::near(fronts.page.pixel(at.toPoint()), kPhotoColours[shown]));
            }
    }

    // The series file's framing reaches card 1's photo: an upright photo's red top tenth shows
    // when framed upwards and not at the default framing (each layout: RenderingTest).
    void pdfFollowsTheFraming() {
        const std::vector photos(kCards,
                                 Result(PhotoPreparer::fromPicture(TestPictures::upright())));
        const TestFolder dir;
        dir.write("rug.png", TestPictures::encode(TestPictures::plain(250, 380, kNavy), "PNG"));
        const QRect box(kCorners[0] + QPoint(280, 800), QSize(3220, 2400));
        for (const bool framed : {false, true}) {
            Series series; // framed upwards, or at the default framing
            series.framings.fill(framed ? Framing{QPointF(0.5, 0), 1} : Framing{});
            const QString pdf = dir.path(framed ? "kader.pdf" : "midden.pdf");
            QVERIFY(SeriesPages::writeSeries(pdf, GameSheet::build("a.msr", series, photos),
                                             DeckMode::Normal, dir.path("rug.png"))
                        .ok());
            const RenderedPdf page(pdf, 72, 1, kMargin);
            int red = 0;
            for (int y = box.top() + 100; y < box.top() + 300; y += 20)
                for (int x = box.left() + 200; x < box.right() - 200; x += 40)
                    red += TestPictures::near(page.page.pixel(page.at(x, y).toPoint()), Qt::red);
            QVERIFY2(framed ? red > 20 : red == 0, qPrintable(QString::number(red)));
        }
    }

    // A label is the value that puts the back's centre on its tick, a millimetre being 56.69 twips.
    void testSheetLabels() {
        const auto label = [](double current, int mm) {
            return TestSheet::labelText(TestSheet::labelValue(current, mm));
        };
        QCOMPARE(label(1680, 5), "1963");
        QCOMPARE(label(1680, -15), "830");
        QCOMPARE(label(-100, -5), "-383");
        QCOMPARE(label(1680.5, 0), "1680.5"); // typed with a fraction
    }

    // Side 1: a cross at each cell's centre; side 2: ticks a millimetre apart around each back.
    void testSheetTicksAreAMillimetreApart() {
        const TestFolder dir;
        PrintRequest request;
        request.backX = SettingValue::number(2000);
        request.backY = 2600;
        const Result<std::array<PrintJob, 2>> sides = PrintJob::prepareTestSheet(request);
        QVERIFY(sides.ok());
        auto pages = PdfPages::open(dir.path("testvel.pdf"), "Testvel", "Niet opgeslagen");
        QVERIFY(pages.ok() && pages.value()->add(sides.value()[0]).ok() &&
                pages.value()->add(sides.value()[1]).ok() && pages.value()->finish().ok());
        const RenderedPdf front(dir.path("testvel.pdf"), 300, 1, kMargin);
        const RenderedPdf back(dir.path("testvel.pdf"), 300, 2, kMargin);
        const double mm = TestSheet::kMillimetre, pixel = 1440 / 300.0;
        for (const QPoint& corner : kCorners) {
            const QPointF cell = QRectF(corner, QSizeF(3720, 5700)).center();
            const QList<double> arm =
                front.darkRuns(cell.y(), cell.x() - 12 * mm, cell.x() + 12 * mm, Along::Across);
            QVERIFY(arm.size() == 1 && std::abs(arm[0] - cell.x()) < pixel);
            const QPointF c = TestSheet::backCentre(corner + QPoint(320, 200));
            const QList<QList<double>> scales{
                back.darkRuns(c.y() + 0.5 * mm, c.x() - 0.5 * mm, c.x() + 15.5 * mm, Along::Across),
                back.darkRuns(c.x() - 0.5 * mm, c.y() - 0.5 * mm, c.y() + 15.5 * mm, Along::Down)};
            for (const QList<double>& ticks : scales) {
                QCOMPARE(ticks.size(), 16);
                for (qsizetype k = 1; k < ticks.size(); ++k)
                    QVERIFY(std::abs(ticks[k] - ticks[k - 1] - mm) < pixel);
                QVERIFY(std::abs(ticks.last() - ticks.first() - 15 * mm) < pixel);
            }
            QVERIFY(std::abs(scales[0].first() - c.x()) < pixel);
        }
    }

    void gameEndsWholeOrNotAtAll_data() {
        QTest::addColumn<int>("series");
        QTest::addColumn<int>("cancelAt"); // progress steps done; -2: right after the start
        QTest::addColumn<QString>("trouble");
        QTest::addColumn<int>("written"); // -1: nothing written
        QTest::addColumn<QString>("said");
        const auto row = [](const char* name, int series, int cancelAt, const QString& trouble,
                            int written, const QString& said) {
            QTest::newRow(name) << series << cancelAt << trouble << written << said;
        };
        row("100 series, some broken", 100, -1, {}, 90, "serie095.msr: Het bestand bevat geen");
        for (int stage : {-2, 0, 1, 2})
            row(qPrintable(QString("cancelled at %1").arg(stage)), 3, stage, {}, -1, "afgebroken");
        row("no series", 0, -1, {}, -1, "geen series");
        row("no design", 3, -1, "no design", -1, "kan niet worden geladen");
        row("folder missing", 3, -1, "no folder", -1, "bestaat niet");
        row("read-only folder", 3, -1, "read-only", -1, "mag schrijven");
        row("disk full", 3, -1, "full", -1, "schijf vol");
    }
    // Every readable series is written, the others named; a game that stops or fails leaves no
    // file, and an old file of the name as it was.
    void gameEndsWholeOrNotAtAll() {
        QFETCH(int, series);
        QFETCH(int, cancelAt);
        QFETCH(QString, trouble);
        QFETCH(int, written);
        QFETCH(QString, said);
        TestFolder dir;
        const QString folder = dir.path(trouble == "no folder" ? "weg" : "uit");
        if ((trouble == "read-only" || trouble == "full") &&
            !(dir.mountDisk("uit", 16) && dir.write("uit/spel.pdf", {}) &&
              (trouble == "full" || dir.makeReadOnly("uit"))))
            QSKIP("no small disk can be mounted here");
        if (trouble.isEmpty())
            QVERIFY(dir.write("uit/spel.pdf", "oud"));
        const QStringList files = writeGame(dir, series);
        const TestFolder::Snapshot before = dir.snapshot();
        GameWriter writer({files, folder + "/spel.pdf", DeckMode::Normal,
                           dir.path(trouble == "no design" ? "kaart9.jpg" : "kaart2.jpg")});
        std::optional<GameReport> report;
        connect(&writer, &GameWriter::finished, this, [&](const GameReport& r) { report = r; });
        connect(&writer, &GameWriter::progress, this, [&](int done) {
            if (done == cancelAt)
                writer.cancel();
        });
        writer.start();
        if (cancelAt == -2)
            writer.cancel();
        QTRY_VERIFY_WITH_TIMEOUT(report.has_value(), 120000);
        QVERIFY2(report->message().contains(said), qPrintable(report->message()));
        QCOMPARE(report->written, std::max(0, written));
        if (written >= 0) {
            QCOMPARE(report->skipped.size(), series - written);
            QCOMPARE(RenderedPdf::pageCount(folder + "/spel.pdf"), 2 * written);
        } else {
            QCOMPARE(dir.changedSince(before), QStringList());
        }
    }
    // While a game is written, the owner's events never wait half as long as one series' drawing.
    void gameLeavesTheOwnerFree() {
        TestFolder dir;
        QImage noise(1800, 1350, QImage::Format_RGB32); // costly to compress, like a photo
        QRandomGenerator random(7);
        for (int y = 0; y < noise.height(); ++y)
            random.fillRange(reinterpret_cast<quint32*>(noise.scanLine(y)), noise.width());
        const QStringList files = writeGame(dir, 3);
        QVERIFY(dir.write("fotos/goed.jpg", TestPictures::encode(noise, "JPG", 95)));
        const QImage kept = PhotoPreparer::fromFile(dir.path("fotos/goed.jpg"))->picture;
        const Result<SeriesPages> series =
            SeriesPages::prepare(DeckMode::Children, dir.path("kaart2.jpg"));
        const auto pages = PdfPages::open(dir.path("een.pdf"), "een", "fout");
        QElapsedTimer drawing;
        drawing.start();
        QVERIFY(series->add(*pages.value(), fourCards({kept}, PhotoFrame::Outlined)).ok());
        const qint64 oneSeries = drawing.elapsed();

        GameWriter writer(
            {files, dir.path("spel.pdf"), DeckMode::Children, dir.path("kaart2.jpg")});
        QEventLoop loop; // handles every event as it comes, unlike the waits of QTRY_VERIFY
        GameReport report;
        connect(&writer, &GameWriter::finished, &loop, [&](const GameReport& r) {
            report = r;
            loop.quit();
        });
        QElapsedTimer clock;
        qint64 last = 0, longest = 0;
        QTimer tick;
        connect(&tick, &QTimer::timeout, this, [&] {
            longest = std::max(longest, clock.elapsed() - last);
            last = clock.elapsed();
        });
        tick.start(1);
        clock.start();
        writer.start();
        loop.exec();
        QCOMPARE(report.written, 3);
        QVERIFY2(longest < oneSeries / 2, qPrintable(QString("%1 ms").arg(longest)));
    }
};

QTEST_MAIN(PdfTest)
#include "PdfTest.moc"
