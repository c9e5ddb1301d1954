// Checks the card faces, card backs and the exported sheet by the pixels they render.
#include "CardBacks.h"
#include "CardFaces.h"
#include "FourCards.h"
#include "PhotoBox.h"
#include "PhotoPreparer.h"
#include "SheetExport.h"
#include "TestPictures.h"
#include "TwipsPainter.h"

#include <QPainter>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <functional>

namespace {

const QList<QColor> kQuadrants{Qt::red, Qt::green, Qt::blue, Qt::yellow}; // clockwise

// A white picture of `twips` at `perPixel` twips a pixel, drawn by `draw`.
struct Page final {
    QImage image;
    double perPixel;

    Page(QSizeF twips, double twipsPerPixel, const std::function<void(QPainter&)>& draw)
        : image((twips / twipsPerPixel).toSize(), QImage::Format_RGB32), perPixel(twipsPerPixel) {
        image.fill(Qt::white);
        QPainter painter(&image);
        TwipsPainter::setUp(painter, QRectF(image.rect()), twips);
        draw(painter);
    }
    Page(QImage drawn, double twipsPerPixel) : image(std::move(drawn)), perPixel(twipsPerPixel) {}
    QRgb at(QPointF t) const { return image.pixel((t / perPixel).toPoint()); }
    // The pixels of a twip rectangle that pass `test`.
    QList<QPoint> find(QRectF t, bool (*test)(QRgb)) const {
        QList<QPoint> found;
        for (int y = int(t.top() / perPixel); y < int(t.bottom() / perPixel); ++y)
            for (int x = int(t.left() / perPixel); x < int(t.right() / perPixel); ++x)
                if (test(image.pixel(x, y)))
                    found << QPoint(x, y);
        return found;
    }
};

const auto dark = [](QRgb c) { return qRed(c) < 90 && qGreen(c) < 90 && qBlue(c) < 90; };
const auto red = [](QRgb c) { return qRed(c) > 200 && qGreen(c) < 70 && qBlue(c) < 70; };

// Just inside the corners of `box` the colours `inside` (clockwise), just outside `around`.
void verifyBox(const Page& page, QRectF box, const QList<QColor>& inside, const QColor& around) {
    const double in = 2 * page.perPixel;
    const QRectF inner = box.adjusted(in, in, -in, -in);
    const QList<QPointF> corners{inner.topLeft(), inner.topRight(), inner.bottomRight(),
                                 inner.bottomLeft()};
    for (int i = 0; i < 4; ++i)
        QVERIFY2(TestPictures::near(page.at(corners[i]), inside[i % inside.size()]), "inside");
    QVERIFY2(TestPictures::near(page.at(box.topLeft() - QPointF(in, in)), around), "outside");
    QVERIFY2(TestPictures::near(page.at(box.bottomRight() + QPointF(in, in)), around), "outside");
}

// The top strip of a box, where only a photo framed upwards shows its top.
QRectF topOf(QRectF box) {
    return {box.x() + box.width() * 0.1, box.y() + box.height() * 0.03, box.width() * 0.8,
            box.height() * 0.1};
}

} // namespace

// How many red pixels a box shows of the prepared photo at a framing.
using Box = std::function<qsizetype(const PreparedPhoto&, const Framing&)>;
Q_DECLARE_METATYPE(Box)

class RenderingTest final : public QObject {
    Q_OBJECT
private slots:
    void photosFillTheirBoxesUndistorted_data() {
        QTest::addColumn<QSize>("photo"); // TestPictures::target of this size
        for (const QSize photo : kPhotoSizes)
            QTest::addRow("%d x %d", photo.width(), photo.height()) << photo;
    }
    // The canvas and the exported sheet show the middle of the photo with the disc round; a 4:3
    // photo in these boxes of about 4:3 shows whole, as when it was stretched, to within a pixel.
    void photosFillTheirBoxesUndistorted() {
        QFETCH(QSize, photo);
        const FaceSheet sheet = fourCards({TestPictures::target(photo.width(), photo.height())},
                                          PhotoFrame::Outlined, "  Dieren ");
        const QImage canvas =
            PhotoBox::render(sheet.photos[0].picture, PhotoBox::kCanvasSize, PhotoFrame::Outlined);
        const QImage exported = SheetExport::render(sheet);
        // Card 1's photo box on the canvas and on the exported sheet, in screen pixels.
        const QList<std::tuple<const char*, const QImage&, QRectF>> boxes{
            {"canvas", canvas, QRectF(0, 0, 400, 300)},
            {"export", exported, QRectF(QPointF(580, 1700) / 15, QSizeF(3220, 2400) / 15)}};
        for (const auto& [name, image, pixels] : boxes) {
            // Neither the outline nor the white band counts as red or blue.
            const QRect area = pixels.toRect();
            const QRectF disc = TestPictures::disc(image, area);
            const QPointF off = disc.center() - QRectF(area).center();
            QVERIFY2(TestPictures::round(disc) && qAbs(off.x()) <= area.width() * 0.02 &&
                         qAbs(off.y()) <= area.height() * 0.02,
                     name);
            if (photo != QSize(1600, 1200))
                continue;
            // The photo fills the box less 3/400 of its width each way: its disc, 3/8 of its width
            // and half its height, lies in the middle to within a pixel.
            const QSizeF photoArea = pixels.size() - QSizeF(1, 1) * pixels.width() * 6 / 400;
            QVERIFY2(qAbs(disc.width() - photoArea.width() * 3 / 8) <= 1 &&
                         qAbs(disc.height() - photoArea.height() / 2) <= 1 &&
                         qMax(qAbs(off.x()), qAbs(off.y())) <= 1,
                     name);
        }
    }

    void backsFormTheirGrid_data() {
        QTest::addColumn<QList<QPointF>>("corners"); // the first is at BackX, BackY
        using P = QList<QPointF>;
        QTest::newRow("1680") << P{{1680, 2400}, {6180, 2400}, {1680, 9000}, {6180, 9000}};
        QTest::newRow("3000: two a row") << P{{3000, 0}, {7500, 0}, {3000, 6600}, {7500, 6600}};
        QTest::newRow("3001: one a row")
            << P{{3001, 0}, {3001, 6600}, {3001, 13200}, {3001, 19800}};
        QTest::newRow("-1500") << P{{-1500, -300}, {3000, -300}, {7500, -300}, {-1500, 6300}};
    }
    void backsFormTheirGrid() {
        QFETCH(QList<QPointF>, corners);
        // A design twice the usual size is scaled onto each back whole, so all four quadrants show.
        const QImage design = TestPictures::quadrants(500, 760);
        const QPointF shift(3000, 1000); // so that backs left of and above the page show
        const Page page({16000, 27000}, 20, [&](QPainter& p) {
            p.translate(shift);
            CardBacks::draw(p, design, corners[0].x(), qint32(corners[0].y()));
        });
        for (const QPointF& corner : corners)
            verifyBox(page, QRectF(corner + shift, QSizeF(3750, 5700)), kQuadrants, Qt::white);
    }

    // The exported sheet in the names layout (writing it as a BMP is left to the command test):
    // the title, each card on its frame with the subject centred without its blanks, the
    // quadrant photo, its own name red and the others black.
    void exportedSheetShowsTheCards() {
        const QColor frame(200, 220, 255);
        FaceSheet sheet =
            fourCards({TestPictures::quadrants(400, 300)}, PhotoFrame::Bare, "  Dieren ");
        sheet.cardFrame = TestPictures::plain(250, 380, frame);
        const QImage rendered = SheetExport::render(sheet);
        QCOMPARE(rendered.size(), QSize(600, 900));
        const Page page({9000, 13500}, 15,
                        [&](QPainter& p) { p.drawImage(QRectF(0, 0, 9000, 13500), rendered); });
        QVERIFY(page.find(QRectF(1950, 180, 3000, 450), dark).size() > 50); // the title
        const QList<QPointF> cards{{300, 900}, {4800, 900}, {300, 7200}, {4800, 7200}};
        for (int card = 1; card <= kCards; ++card) {
            const QPointF corner = cards[card - 1];
            verifyBox(page, QRectF(corner, QSizeF(3750, 5700)), {frame}, Qt::white);
            verifyBox(page, QRectF(corner + QPointF(280, 800), QSizeF(3220, 2400)), kQuadrants,
                      frame);
            const QList<QPoint> subject =
                page.find(QRectF(corner + QPointF(0, 200), QSizeF(3750, 400)), dark);
            QVERIFY(!subject.isEmpty());
            const auto [left, right] = std::ranges::minmax(subject, {}, &QPoint::x);
            QVERIFY(std::abs((left.x() + right.x() + 1) / 2.0 * 15 - corner.x() - 1860) <= 30);
            for (int line = 1; line <= kLines; ++line) {
                const QRectF band(corner + QPointF(600, 3090 + 450 * line), QSizeF(2400, 450));
                const qsizetype reds = page.find(band, red).size(),
                                darks = page.find(band, dark).size();
                QVERIFY(line == card ? reds > 20 && darks == 0 : darks > 20 && reds == 0);
            }
        }
    }
    void everyBoxFollowsTheFraming_data() {
        QTest::addColumn<Box>("box");
        const auto sheetOf = [](const PreparedPhoto& photo, const Framing& framing) {
            FaceSheet sheet = fourCards({photo.picture}, PhotoFrame::Outlined);
            for (FacePhoto& each : sheet.photos)
                each = {photo.picture, PhotoFrame::Outlined, photo.whole, framing};
            return sheet;
        };
        const auto printed = [=](void (*draw)(QPainter&, const FaceSheet&), QRectF box) {
            return Box([=](const PreparedPhoto& p, const Framing& f) {
                const Page page({12000, 16800}, 15, [&](QPainter& pt) { draw(pt, sheetOf(p, f)); });
                return page.find(topOf(box.translated(1680, 2400)), red).size();
            });
        };
        QTest::newRow("canvas") << Box([](const PreparedPhoto& p, const Framing& f) {
            const FramedPicture canvas{p.picture, p.whole, f};
            return Page(PhotoBox::render(canvas, PhotoBox::kCanvasSize, PhotoFrame::Outlined), 1)
                .find(QRectF(20, 5, 360, 30), red)
                .size();
        });
        QTest::newRow("names layout")
            << printed(CardFaces::drawNamesLayout, {280, 800, 3220, 2400});
        QTest::newRow("pictures layout, large")
            << printed(CardFaces::drawPicturesLayout, {330, 360, 3120, 3000});
        QTest::newRow("pictures layout, small")
            << printed(CardFaces::drawPicturesLayout, {330, 3480, 900, 900});
        QTest::newRow("exported sheet") << Box([=](const PreparedPhoto& p, const Framing& f) {
            return Page(SheetExport::render(sheetOf(p, f)), 15)
                .find(topOf({580, 1700, 3220, 2400}), red)
                .size();
        });
    }
    // An upright photo's red top shows framed upwards, also zoomed in, and neither at the default
    // framing nor framed far down (clamped inside the photo); the window's boxes: MainWindowTest.
    void everyBoxFollowsTheFraming() {
        QFETCH(Box, box);
        const PreparedPhoto photo = PhotoPreparer::fromPicture(TestPictures::upright());
        QCOMPARE(box(photo, Framing{}), 0);
        QVERIFY(box(photo, Framing{QPointF(0.5, 0), 1}) > 0);
        QVERIFY(box(photo, Framing{QPointF(0.5, 0.02), 2.5}) > 0);
        QCOMPARE(box(photo, Framing{QPointF(0.5, 0.8), 1}), 0);
    }
};

QTEST_MAIN(RenderingTest)
#include "RenderingTest.moc"
