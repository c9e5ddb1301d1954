// Checks the card faces, cut marks, card backs and the exported sheet by the pixels they render.
#include "CardBacks.h"
#include "CardFaces.h"
#include "CutMarks.h"
#include "SheetExport.h"
#include "TestPictures.h"
#include "TwipsPainter.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <functional>

namespace {

const QColor kWhite(Qt::white);
const QList<QColor> kQuadrants{Qt::red, Qt::green, Qt::blue, Qt::yellow}; // clockwise
const QList<QPointF> kPageCards{{1680, 2400}, {6180, 2400}, {1680, 9000}, {6180, 9000}};
const QSizeF kPage(12000, 16800);

// A white picture of the twips from `origin` on, at `perPixel` twips a pixel, drawn by `draw`.
struct Page final {
    QImage image;
    double perPixel;
    QPointF origin;

    Page(QSizeF twips, double twipsPerPixel, const std::function<void(QPainter&)>& draw,
         QPointF from = {})
        : image((twips / twipsPerPixel).toSize(), QImage::Format_RGB32), perPixel(twipsPerPixel),
          origin(from) {
        image.fill(Qt::white);
        QPainter painter(&image);
        TwipsPainter::setUp(painter, QRectF(image.rect()), twips);
        painter.translate(-origin);
        draw(painter);
    }
    QPoint px(QPointF t) const {
        const QPointF p = (t - origin) / perPixel;
        return QPoint(int(std::floor(p.x())), int(std::floor(p.y())));
    }
    QRgb at(QPointF t) const { return image.pixel(px(t)); }
    // The pixels of a twip rectangle that pass `test`, and the span of their columns.
    int count(QRectF t, const std::function<bool(QRgb)>& test, int* left = {},
              int* right = {}) const {
        int n = 0;
        for (int y = px(t.topLeft()).y(); y < px(t.bottomRight()).y(); ++y)
            for (int x = px(t.topLeft()).x(); x < px(t.bottomRight()).x(); ++x)
                if (test(image.pixel(x, y))) {
                    ++n;
                    if (left && right) {
                        *left = n == 1 ? x : std::min(*left, x);
                        *right = n == 1 ? x + 1 : std::max(*right, x + 1);
                    }
                }
        return n;
    }
};

bool dark(QRgb c) {
    return qRed(c) < 90 && qGreen(c) < 90 && qBlue(c) < 90;
}
bool red(QRgb c) {
    return qRed(c) > 200 && qGreen(c) < 70 && qBlue(c) < 70;
}

FaceSheet sheetWith(const QImage& photo, const QImage& frame = {}) {
    FaceSheet sheet{QStringLiteral("Dieren.msr"), QStringLiteral("Boerderij"), {}, {}, frame};
    for (int card = 0; card < kCards; ++card) {
        sheet.photos[size_t(card)] = photo;
        sheet.names[size_t(card)] = {"Koe", "Varken", "Schaap", "Geit"};
    }
    return sheet;
}

// The quadrant picture is stretched onto the whole twip rectangle, with `around` just outside it.
void verifyQuadrantBox(const Page& page, QRectF box, const QColor& around = kWhite) {
    const double in = 2 * page.perPixel;
    const QList<QPointF> corners{box.topLeft() + QPointF(in, in), box.topRight() + QPointF(-in, in),
                                 box.bottomRight() - QPointF(in, in),
                                 box.bottomLeft() + QPointF(in, -in)};
    for (int i = 0; i < 4; ++i)
        QVERIFY2(TestPictures::near(page.at(corners[i]), kQuadrants[i]), "inside");
    QVERIFY2(TestPictures::near(page.at(box.topLeft() - QPointF(in, in)), around), "outside");
    QVERIFY2(TestPictures::near(page.at(box.bottomRight() + QPointF(in, in)), around), "outside");
}

} // namespace

class RenderingTest final : public QObject {
    Q_OBJECT
private slots:
    void textIsCentred_data();
    void textIsCentred();
    void photoFillsItsBox_data();
    void photoFillsItsBox();
    void smallPhotosFollowTheCardTable();
    void cutMarksSitInTheMargins();
    void backsFormTheirGrid_data();
    void backsFormTheirGrid();
    void exportedSheetShowsTheCards_data();
    void exportedSheetShowsTheCards();
    void unwritableExportIsReported_data();
    void unwritableExportIsReported();
};

void RenderingTest::textIsCentred_data() {
    QTest::addColumn<QString>("seriesName");
    QTest::addColumn<QString>("subject");
    QTest::addColumn<QRectF>("band");
    QTest::addColumn<double>("centre");
    const QRectF title(0, 1000, 12000, 400);
    QTest::newRow("empty series name") << ""
                                       << "" << title << 6000.0;
    QTest::newRow("short series name") << "Dieren.msr"
                                       << "" << title << 6000.0;
    QTest::newRow("long series name") << "Een heel lange naam voor de dieren van de boerderij.msr"
                                      << "" << title << 6000.0;
    QTest::newRow("subject on card 2, blanks around it")
        << ""
        << "  Boerderijdieren " << QRectF(6180, 2600, 3750, 400) << 6180 + 1860.0;
}

void RenderingTest::textIsCentred() {
    QFETCH(QString, seriesName);
    QFETCH(QString, subject);
    QFETCH(QRectF, band);
    QFETCH(double, centre);
    FaceSheet sheet;
    sheet.seriesName = seriesName;
    sheet.subject = subject;
    const Page page(kPage, 10, [&](QPainter& p) { CardFaces::drawNamesLayout(p, sheet); });
    int left = 0, right = 0;
    QVERIFY(page.count(band, dark, &left, &right) > 0);
    QCOMPARE_LE(std::abs((left + right) / 2.0 * page.perPixel - centre), 2 * page.perPixel);
}

void RenderingTest::photoFillsItsBox_data() {
    QTest::addColumn<bool>("pictures");
    QTest::addColumn<QSize>("photoSize");
    QTest::addColumn<QRectF>("box");
    const QRectF names(280, 800, 3220, 2400);
    QTest::newRow("names layout, screen canvas") << false << QSize(400, 300) << names;
    QTest::newRow("names layout, print master") << false << QSize(1200, 900) << names;
    QTest::newRow("pictures layout") << true << QSize(400, 300) << QRectF(330, 360, 3120, 3000);
}

void RenderingTest::photoFillsItsBox() {
    QFETCH(bool, pictures);
    QFETCH(QSize, photoSize);
    QFETCH(QRectF, box);
    const FaceSheet sheet =
        sheetWith(TestPictures::quadrants(photoSize.width(), photoSize.height()));
    const Page page(kPage, 6, [&](QPainter& p) {
        pictures ? CardFaces::drawPicturesLayout(p, sheet) : CardFaces::drawNamesLayout(p, sheet);
    });
    for (const QPointF& corner : kPageCards)
        verifyQuadrantBox(page, box.translated(corner));
}

void RenderingTest::smallPhotosFollowTheCardTable() {
    const QList<QColor> colours{Qt::red, Qt::green, Qt::blue, Qt::magenta};
    FaceSheet sheet;
    for (int k = 0; k < kCards; ++k)
        sheet.photos[size_t(k)] = TestPictures::plain(400, 300, colours[k]);
    const Page page(kPage, 10, [&](QPainter& p) { CardFaces::drawPicturesLayout(p, sheet); });
    // Per card, the cards whose photos the four small boxes show.
    const int shown[kCards][4] = {{2, 3, 4, 1}, {1, 3, 4, 2}, {1, 2, 4, 3}, {1, 2, 3, 4}};
    const QList<QPointF> smalls{{330, 3480}, {1440, 3480}, {2550, 3480}, {1440, 4470}};
    for (int card = 1; card <= kCards; ++card) {
        const QPointF corner = kPageCards[card - 1];
        QVERIFY(TestPictures::near(page.at(corner + QPointF(1890, 1860)), colours[card - 1]));
        for (int s = 0; s < 4; ++s) {
            const QRectF box(corner + smalls[s], QSizeF(900, 900));
            const QColor expected = colours[shown[card - 1][s] - 1];
            QVERIFY(TestPictures::near(page.at(box.topLeft() + QPointF(20, 20)), expected));
            QVERIFY(TestPictures::near(page.at(box.bottomRight() - QPointF(20, 20)), expected));
            QVERIFY(TestPictures::near(page.at(box.bottomRight() + QPointF(20, 20)), kWhite));
        }
    }
}

void RenderingTest::cutMarksSitInTheMargins() {
    const QList<QRect> marks{
        {0, 2400, 750, 15},     {10700, 2400, 750, 15},  {0, 8100, 750, 15},
        {10700, 8100, 750, 15}, {0, 9000, 750, 15},      {10700, 9000, 750, 15},
        {0, 14700, 750, 15},    {10700, 14700, 750, 15}, {1680, 0, 15, 750},
        {5400, 0, 15, 750},     {6180, 0, 15, 750},      {9900, 0, 15, 750},
        {1680, 15600, 15, 750}, {5400, 15600, 15, 750},  {6180, 15600, 15, 750},
        {9900, 15600, 15, 750}};
    const auto rects = CutMarks::rects();
    QCOMPARE(QList<QRect>(rects.begin(), rects.end()), marks);
    const Page page({11500, 16500}, 5, [](QPainter& p) { CutMarks::draw(p); });
    const auto other = [](QRgb c) { return QColor(c) != CutMarks::kColour; };
    const auto marked = [](QRgb c) { return QColor(c) == CutMarks::kColour; };
    for (const QRect& mark : marks)
        QCOMPARE(page.count(mark, other), 0);
    QCOMPARE(page.count(QRectF(0, 0, 11500, 16500), marked), 16 * 150 * 3);
}

void RenderingTest::backsFormTheirGrid_data() {
    QTest::addColumn<double>("backX");
    QTest::addColumn<int>("backY");
    QTest::addColumn<QList<QPointF>>("corners");
    QTest::newRow("defaults") << 1680.0 << 2400
                              << QList<QPointF>{
                                     {1680, 2400}, {6180, 2400}, {1680, 9000}, {6180, 9000}};
    QTest::newRow("X 3000 still two by two")
        << 3000.0 << 2400 << QList<QPointF>{{3000, 2400}, {7500, 2400}, {3000, 9000}, {7500, 9000}};
    QTest::newRow("X 3001 one a row")
        << 3001.0 << 2400
        << QList<QPointF>{{3001, 2400}, {3001, 9000}, {3001, 15600}, {3001, 22200}};
    QTest::newRow("X -1500 three in the first row")
        << -1500.0 << -300
        << QList<QPointF>{{-1500, -300}, {3000, -300}, {7500, -300}, {-1500, 6300}};
}

void RenderingTest::backsFormTheirGrid() {
    QFETCH(double, backX);
    QFETCH(int, backY);
    QFETCH(QList<QPointF>, corners);
    const auto positions = CardBacks::positions(backX, backY);
    QCOMPARE(QList<QPointF>(positions.begin(), positions.end()), corners);
    // A design twice the usual size is scaled onto each back whole, so all four quadrants show.
    const QImage design = TestPictures::quadrants(500, 760);
    const Page page(
        {16000, 29000}, 20, [&](QPainter& p) { CardBacks::draw(p, design, backX, backY); },
        QPointF(-3000, -1000));
    for (const QPointF& corner : corners)
        verifyQuadrantBox(page, QRectF(corner, QSizeF(3750, 5700)));
}

void RenderingTest::exportedSheetShowsTheCards_data() {
    QTest::addColumn<QString>("fileName");
    QTest::newRow("bmp extension") << "blad.bmp";
    QTest::newRow("no extension") << "blad";
    QTest::newRow("other extension") << "blad.png";
}

void RenderingTest::exportedSheetShowsTheCards() {
    QFETCH(QString, fileName);
    const QColor frame(200, 220, 255);
    const FaceSheet sheet =
        sheetWith(TestPictures::quadrants(400, 300), TestPictures::plain(250, 380, frame));
    QTemporaryDir dir;
    const QString path = dir.filePath(fileName);
    QVERIFY(SheetExport::save(SheetExport::render(sheet), path).ok());

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.read(2), QByteArray("BM"));
    const QImage saved(path, "BMP");
    QCOMPARE(saved.size(), QSize(600, 900));
    const Page page({9000, 13500}, 15,
                    [&](QPainter& p) { p.drawImage(QRectF(0, 0, 9000, 13500), saved); });
    QVERIFY(page.count(QRectF(1950, 180, 3000, 450), dark) > 50);
    const QList<QPointF> cards{{300, 900}, {4800, 900}, {300, 7200}, {4800, 7200}};
    for (int card = 1; card <= kCards; ++card) {
        const QPointF corner = cards[card - 1];
        QVERIFY(TestPictures::near(page.at(corner + QPointF(45, 45)), frame));
        QVERIFY(TestPictures::near(page.at(corner + QPointF(3705, 5655)), frame));
        QVERIFY(TestPictures::near(page.at(corner - QPointF(45, 45)), kWhite));
        verifyQuadrantBox(page, QRectF(corner + QPointF(280, 800), QSizeF(3220, 2400)), frame);
        for (int line = 1; line <= kLines; ++line) {
            const QRectF band(corner + QPointF(600, 3540 + 450 * (line - 1)), QSizeF(2400, 450));
            const int reds = page.count(band, red);
            const int darks = page.count(band, dark);
            QVERIFY2(line == card ? reds > 20 && darks == 0 : darks > 20 && reds == 0,
                     qPrintable(QStringLiteral("card %1 line %2: %3 red, %4 dark")
                                    .arg(card)
                                    .arg(line)
                                    .arg(reds)
                                    .arg(darks)));
        }
    }
}

void RenderingTest::unwritableExportIsReported_data() {
    QTest::addColumn<QString>("target");
    QTest::newRow("a folder is in the way") << "oud.bmp";
    QTest::newRow("folder does not exist") << "bestaat-niet/blad.bmp";
}

void RenderingTest::unwritableExportIsReported() {
    QFETCH(QString, target);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("oud.bmp"));
    QFile old(dir.filePath("oud.bmp/oud.txt"));
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("oud") == 3);
    old.close();

    const Status status = SheetExport::save(SheetExport::render(FaceSheet{}), dir.filePath(target));
    QVERIFY(!status.ok());
    QVERIFY2(status.error().startsWith("De afbeelding is niet opgeslagen: "),
             qPrintable(status.error()));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("oud"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             QStringList{"oud.bmp"});
}

QTEST_MAIN(RenderingTest)
#include "RenderingTest.moc"
