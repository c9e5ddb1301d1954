// Photos prepared from their files, and the card faces, backs and exported sheet drawn from
// them, checked by their pixels.
#include "CardBacks.h"
#include "CardFaces.h"
#include "FourCards.h"
#include "JpegDecoder.h"
#include "PhotoBox.h"
#include "PhotoFit.h"
#include "PhotoPreparer.h"
#include "SheetExport.h"
#include "TestFolder.h"
#include "TestPictures.h"
#include "TwipsPainter.h"

#include <QPainter>
#include <QtTest>

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

// The quadrants at the corners: the picture is upright and cut evenly from the middle.
bool turnedUpright(const QImage& image) {
    const QRect r = image.rect();
    return TestPictures::near(image.pixel(r.topLeft()), Qt::red) &&
           TestPictures::near(image.pixel(r.topRight()), Qt::green) &&
           TestPictures::near(image.pixel(r.bottomRight()), Qt::blue) &&
           TestPictures::near(image.pixel(r.bottomLeft()), Qt::yellow);
}

// `image` has the proportions of `size`, to the pixel.
bool inProportion(const QImage& image, QSize size) {
    return qAbs(qint64(image.width()) * size.height() - qint64(image.height()) * size.width()) <
           size.width() + size.height();
}

} // namespace

// Card 1's photo box as drawn for a prepared photo at a framing, cut out of what was drawn.
using Box = std::function<QImage(const PreparedPhoto&, const Framing&)>;
Q_DECLARE_METATYPE(Box)

class RenderingTest final : public QObject {
    Q_OBJECT
    TestFolder m_dir;

private slots:
    void photoIsKeptUprightInItsProportions_data() {
        QTest::addColumn<QSize>("upright");   // quadrants of this size; none for the empty photo
        QTest::addColumn<int>("orientation"); // of a JPEG file; 0: handed over as a picture
        QTest::addColumn<QSize>("kept");      // the size of the kept part
        const QSize photo(1600, 1200), kept(1182, 888);
        QTest::newRow("empty photo") << QSize() << 0 << QSize(0, 0);
        QTest::newRow("small square") << QSize(400, 400) << 0 << QSize(400, 400);
        QTest::newRow("large square") << QSize(3000, 3000) << 0 << QSize(1182, 1182);
        QTest::newRow("small, wider than 3:2") << QSize(100, 50) << 0 << QSize(76, 50);
        QTest::newRow("one pixel high") << QSize(2000, 1) << 0 << QSize(2, 1);
        QTest::newRow("one pixel wide") << QSize(1, 2000) << 0 << QSize(1, 1);
        for (int orientation = 1; orientation <= 8; ++orientation)
            QTest::addRow("orientation %d", orientation) << photo << orientation << kept;
        // Only the middle is decoded, and averaged down where it is far larger than needed.
        QTest::newRow("panorama") << QSize(6000, 1000) << 1 << QSize(1341, 882);
        QTest::newRow("tall, odd height") << QSize(1000, 6001) << 1 << QSize(1000, 1000);
        QTest::newRow("tall, stored turned") << QSize(1000, 6000) << 6 << QSize(1000, 1000);
        QTest::newRow("held upright") << QSize(2000, 3000) << 6 << QSize(1182, 1182);
        QTest::newRow("48 MP") << QSize(8000, 6000) << 1 << kept; // more than Qt reads
    }
    // The kept picture shows the middle of the photo upright, in the photo's own proportions
    // (cut to between square and 3:2), never stretched; so does the smaller screen picture.
    void photoIsKeptUprightInItsProportions() {
        QFETCH(QSize, upright);
        QFETCH(int, orientation);
        QFETCH(QSize, kept);
        const QImage picture = upright.isEmpty()
                                   ? QImage()
                                   : TestPictures::quadrants(upright.width(), upright.height());
        const QString file = QString("%1.jpg").arg(QTest::currentDataTag());
        QVERIFY(!orientation ||
                m_dir.write(file, TestPictures::jpegWithOrientation(picture, orientation)));
        const Result<PreparedPhoto> photo = orientation ? PhotoPreparer::fromFile(m_dir.path(file))
                                            : picture.isNull()
                                                ? PhotoPreparer::emptyPhoto()
                                                : PhotoPreparer::fromPicture(picture);
        QVERIFY(photo.ok());
        QCOMPARE(photo->picture.size(), kept);
        QCOMPARE(photo->screen.isNull(), picture.isNull());
        if (picture.isNull())
            return;
        const QSize part = PhotoFit::shownPart(upright), screen = photo->screen.size();
        QVERIFY(inProportion(photo->picture, part) && inProportion(photo->screen, part));
        // The screen picture just covers the canvas's 394 x 294 photo area, or is the whole part.
        QVERIFY(screen == kept || screen.width() == 394 || screen.height() == 294);
        if (kept.width() > 1 && kept.height() > 1)
            QVERIFY(turnedUpright(photo->picture) && turnedUpright(photo->screen) &&
                    turnedUpright(photo->whole) && turnedUpright(photo->wholeScreen));
    }

    // Fine detail is averaged on the screen picture, not thinned out: a checkerboard turns grey.
    void screenAveragesFineDetail() {
        QImage board(1182, 888, QImage::Format_RGB32);
        for (int y = 0; y < board.height(); ++y)
            for (int x = 0; x < board.width(); ++x)
                board.setPixel(x, y, (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
        const QImage screen = PhotoPreparer::fromPicture(board).screen;
        QCOMPARE(screen.size(), QSize(394, 296));
        for (int y = 0; y < screen.height(); ++y)
            for (int x = 0; x < screen.width(); ++x)
                QVERIFY(qAbs(qGray(screen.pixel(x, y)) - 128) < 20);
    }

    // The least decoding whose kept part still covers its kept size: sharp prints, no waste.
    void decodeScaleCoversTheKeptSize() {
        QCOMPARE(JpegDecoder::scaleDenominator({12000, 9000}, {1182, 888}), 8);
        QCOMPARE(JpegDecoder::scaleDenominator({4000, 4000}, {1182, 1182}), 2); // held upright
        QCOMPARE(JpegDecoder::scaleDenominator({2364, 1776}, {1182, 888}), 2);
        QCOMPARE(JpegDecoder::scaleDenominator({2363, 1776}, {1182, 888}), 1);
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

    // The exported sheet: the title, each card on its frame with the subject centred without its
    // blanks, the photo, its own name red and the others black.
    void exportedSheetShowsTheCards() {
        const QColor frame(200, 220, 255);
        FaceSheet sheet =
            fourCards({TestPictures::quadrants(400, 300)}, PhotoFrame::Bare, "  Dieren ");
        sheet.cardFrame = TestPictures::plain(250, 380, frame);
        const Page page(SheetExport::render(sheet), 15);
        QCOMPARE(page.image.size(), QSize(600, 900));
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
    void boxesShowThePhotoAsFramed_data() {
        QTest::addColumn<Box>("box");
        const auto sheetOf = [](const PreparedPhoto& photo, const Framing& framing) {
            FaceSheet sheet = fourCards({photo.picture}, PhotoFrame::Outlined, "  Dieren ");
            for (FacePhoto& each : sheet.photos)
                each = {photo.picture, PhotoFrame::Outlined, photo.whole, framing};
            return sheet;
        };
        const auto cut = [](const QImage& drawn, QRectF twips) {
            return drawn.copy(QRectF(twips.topLeft() / 15, twips.size() / 15).toRect());
        };
        const auto printed = [=](void (*draw)(QPainter&, const FaceSheet&), QRectF box) {
            return Box([=](const PreparedPhoto& p, const Framing& f) {
                const Page page({12000, 16800}, 15, [&](QPainter& pt) { draw(pt, sheetOf(p, f)); });
                return cut(page.image, box.translated(1680, 2400));
            });
        };
        QTest::newRow("canvas") << Box([](const PreparedPhoto& p, const Framing& f) {
            return PhotoBox::render(FramedPicture{p.picture, p.whole, f}, PhotoBox::kCanvasSize,
                                    PhotoFrame::Outlined);
        });
        QTest::newRow("names layout")
            << printed(CardFaces::drawNamesLayout, {280, 800, 3220, 2400});
        QTest::newRow("pictures layout, large")
            << printed(CardFaces::drawPicturesLayout, {330, 360, 3120, 3000});
        QTest::newRow("pictures layout, small")
            << printed(CardFaces::drawPicturesLayout, {330, 3480, 900, 900});
        QTest::newRow("exported sheet") << Box([=](const PreparedPhoto& p, const Framing& f) {
            return cut(SheetExport::render(sheetOf(p, f)), {580, 1700, 3220, 2400});
        });
    }
    // Each box shows a photo's middle, its disc round (a 4:3 photo in a 4:3 box whole, to a pixel),
    // and an upright photo's red top only framed upwards, also zoomed, never at the default
    // framing nor framed far down (clamped). The window's boxes: MainWindowTest.
    void boxesShowThePhotoAsFramed() {
        QFETCH(Box, box);
        for (const QSize size : kPhotoSizes) {
            const QImage shown = box(
                PhotoPreparer::fromPicture(TestPictures::target(size.width(), size.height())), {});
            const QRectF disc = TestPictures::disc(shown, shown.rect());
            const QPointF off = disc.center() - QRectF(shown.rect()).center();
            QVERIFY2(TestPictures::round(disc) && qAbs(off.x()) <= shown.width() * 0.02 &&
                         qAbs(off.y()) <= shown.height() * 0.02,
                     qPrintable(QString::number(size.width())));
            if (size != QSize(1600, 1200) || qAbs(shown.width() * 0.75 / shown.height() - 1) > 0.02)
                continue;
            // The photo fills the box less 3/400 of its width each way, its disc in the middle.
            const QSizeF area = QSizeF(shown.size()) - QSizeF(1, 1) * shown.width() * 6 / 400;
            QVERIFY(qAbs(disc.width() - area.width() * 3 / 8) <= 1 &&
                    qAbs(disc.height() - area.height() / 2) <= 1 &&
                    qMax(qAbs(off.x()), qAbs(off.y())) <= 1);
        }
        const PreparedPhoto photo = PhotoPreparer::fromPicture(TestPictures::upright());
        const auto redAtTop = [&](const Framing& framing) {
            const Page page(box(photo, framing), 1);
            return page.find(topOf(QRectF(page.image.rect())), red).size();
        };
        QCOMPARE(redAtTop(Framing{}), 0);
        QVERIFY(redAtTop(Framing{QPointF(0.5, 0), 1}) > 0);
        QVERIFY(redAtTop(Framing{QPointF(0.5, 0.02), 2.5}) > 0);
        QCOMPARE(redAtTop(Framing{QPointF(0.5, 0.8), 1}), 0);
    }
};

QTEST_MAIN(RenderingTest)
#include "RenderingTest.moc"
