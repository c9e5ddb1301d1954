// A card's framing in every box drawn from the prepared photo: the canvas, the thumbnail, both
// printed layouts and the exported sheet show the top of an upright photo once it is framed
// upwards, and its middle at the default framing.
#include "CardFaces.h"
#include "FourCards.h"
#include "PhotoBox.h"
#include "PhotoPreparer.h"
#include "SheetExport.h"
#include "TestPictures.h"
#include "TwipsPainter.h"

#include <QPainter>
#include <QtTest>
#include <functional>

namespace {
// An upright grey photo with a red band along its top tenth, which no default box shows.
QImage bandedPhoto() {
    QImage photo = TestPictures::plain(600, 1200, Qt::gray);
    QPainter(&photo).fillRect(0, 0, 600, 120, Qt::red);
    return photo;
}

const auto red = [](QRgb c) { return qRed(c) > 200 && qGreen(c) < 70 && qBlue(c) < 70; };

// How many pixels of `area` in `image` are red.
int redIn(const QImage& image, QRect area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += red(image.pixel(x, y));
    return count;
}

// A page of the pictures or names layout at 15 twips a pixel.
QImage page(const FaceSheet& sheet, void (*draw)(QPainter&, const FaceSheet&)) {
    const QSizeF twips(12000, 16800);
    QImage image((twips / 15).toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    TwipsPainter::setUp(painter, QRectF(image.rect()), twips);
    draw(painter, sheet);
    return image;
}

// The top strip of a box given in twips of the page, in its pixels (15 twips a pixel).
QRect topOf(QRectF twips) {
    const QRectF px(twips.topLeft() / 15, twips.size() / 15);
    return QRectF(px.left() + px.width() * 0.1, px.top() + px.height() * 0.03, px.width() * 0.8,
                  px.height() * 0.1)
        .toRect();
}
} // namespace

using Box = std::function<int(const PreparedPhoto&, const Framing&)>;
Q_DECLARE_METATYPE(Box)

class FramingRenderTest final : public QObject {
    Q_OBJECT
private slots:
    void everyBoxFollowsTheFraming_data() {
        QTest::addColumn<Box>("box");
        const auto sheetOf = [](const PreparedPhoto& photo, const Framing& framing) {
            FaceSheet sheet = fourCards({photo.picture}, PhotoFrame::Outlined);
            for (FacePhoto& each : sheet.photos) {
                each.whole = photo.whole;
                each.framing = framing;
            }
            return sheet;
        };
        const QPointF card1(1680, 2400); // card 1's corner on a printed page
        QTest::newRow("canvas") << Box([](const PreparedPhoto& p, const Framing& f) {
            const QImage canvas = PhotoBox::render(FramedPicture{p.picture, p.whole, f},
                                                   PhotoBox::kCanvasSize, PhotoFrame::Outlined);
            return redIn(canvas, QRect(20, 5, 360, 30));
        });
        QTest::newRow("card and thumbnail on the screen") << Box([](const PreparedPhoto& p,
                                                                    const Framing& f) {
            const FramedPicture screen{p.screen, p.wholeScreen, f};
            const QImage card = PhotoBox::render(screen, QSize(120, 80), PhotoFrame::Bare);
            const QImage thumb = PhotoBox::render(screen, QSize(37, 37), PhotoFrame::Outlined);
            return std::min(redIn(card, QRect(10, 0, 100, 6)), redIn(thumb, QRect(8, 2, 20, 3)));
        });
        QTest::newRow("names layout") << Box([=](const PreparedPhoto& p, const Framing& f) {
            return redIn(page(sheetOf(p, f), CardFaces::drawNamesLayout),
                         topOf(QRectF(card1 + QPointF(280, 800), QSizeF(3220, 2400))));
        });
        QTest::newRow("pictures layout, large and small")
            << Box([=](const PreparedPhoto& p, const Framing& f) {
                   const QImage image = page(sheetOf(p, f), CardFaces::drawPicturesLayout);
                   return std::min(
                       redIn(image, topOf(QRectF(card1 + QPointF(330, 360), QSizeF(3120, 3000)))),
                       redIn(image, topOf(QRectF(card1 + QPointF(330, 3480), QSizeF(900, 900)))));
               });
        QTest::newRow("exported sheet") << Box([=](const PreparedPhoto& p, const Framing& f) {
            return redIn(SheetExport::render(sheetOf(p, f)),
                         topOf(QRectF(QPointF(300 + 280, 900 + 800), QSizeF(3220, 2400))));
        });
    }
    void everyBoxFollowsTheFraming() {
        QFETCH(Box, box);
        const PreparedPhoto photo = PhotoPreparer::fromPicture(bandedPhoto());
        QCOMPARE(box(photo, Framing{}), 0);
        QVERIFY(box(photo, Framing{QPointF(0.5, 0), 1}) > 0);
        // Zoomed in, the band is still at the top; the framing far off the photo stays inside.
        QVERIFY(box(photo, Framing{QPointF(0.5, 0.02), 2.5}) > 0);
        QCOMPARE(box(photo, Framing{QPointF(0.5, 0.8), 1}), 0);
    }
};

QTEST_MAIN(FramingRenderTest)
#include "FramingRenderTest.moc"
