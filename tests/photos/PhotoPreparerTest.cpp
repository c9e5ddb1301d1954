// Tests of photo preparation: canvas and master pixels, orientation, large files, decode scale.
#include "PhotoPreparer.h"

#include "JpegDecoder.h"
#include "PhotoCanvas.h"
#include "TestFolder.h"
#include "TestPictures.h"

#include <QTest>
#include <algorithm>

namespace {
const QList<QColor> kQuadrants = {Qt::red, Qt::green, Qt::blue, Qt::yellow}; // clockwise

// The quadrants fill the photo area's corners and meet at its middle, where the pixels on either
// side are nearest to their own quadrant's colour (filters may blend right at the seam).
void checkStretchedQuadrants(const QImage& image, int scale) {
    const QRect area = PhotoCanvas::photoRectOf(image.size());
    QCOMPARE(area, QRect(3 * scale, 3 * scale, 394 * scale, 294 * scale));
    const QPoint corners[] = {area.topLeft(), area.topRight(), area.bottomRight(),
                              area.bottomLeft()};
    for (int q = 0; q < 4; ++q) {
        QVERIFY(TestPictures::near(image.pixel(corners[q]), kQuadrants[q]));
        const QRgb mid = image.pixel(area.center() + QPoint(q == 1 || q == 2, q > 1));
        const auto distance = [mid](const QColor& c) {
            return qAbs(qRed(mid) - c.red()) + qAbs(qGreen(mid) - c.green()) +
                   qAbs(qBlue(mid) - c.blue());
        };
        QCOMPARE(std::ranges::min_element(kQuadrants, {}, distance) - kQuadrants.begin(), q);
    }
}

// A black outline `scale` pixels wide on the outermost rows and columns, then a white band.
void checkFrame(const QImage& image, int scale) {
    const int w = image.width(), h = image.height();
    for (int d = 0; d < 3 * scale; ++d) {
        const QRgb expected = d < scale ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
        for (int x = d; x < w - d; ++x)
            QVERIFY(image.pixel(x, d) == expected && image.pixel(x, h - 1 - d) == expected);
        for (int y = d; y < h - d; ++y)
            QVERIFY(image.pixel(d, y) == expected && image.pixel(w - 1 - d, y) == expected);
    }
}
} // namespace

class PhotoPreparerTest final : public QObject {
    Q_OBJECT
    TestFolder m_dir;

private slots:
    void photoIsFramedAndUpright_data() {
        QTest::addColumn<QSize>("upright");   // quadrants of this size; none for the empty photo
        QTest::addColumn<int>("orientation"); // of a JPEG file; 0: handed over as a picture
        QTest::addColumn<QSize>("card"); // the card's own picture; none: the photo's proportions
        const QSize photo(1600, 1200), fits;
        QTest::newRow("empty photo") << QSize() << 0 << QSize(0, 0);
        QTest::newRow("small square") << QSize(400, 400) << 0 << QSize(294, 294);
        QTest::newRow("large square") << QSize(3000, 3000) << 0 << QSize(294, 294);
        QTest::newRow("small stays whole") << QSize(100, 50) << 0 << QSize(100, 50);
        QTest::newRow("one pixel high") << QSize(2000, 1) << 0 << QSize(394, 1);
        QTest::newRow("one pixel wide") << QSize(1, 2000) << 0 << QSize(1, 294);
        QTest::newRow("1 as stored") << photo << 1 << QSize(392, 294);
        QTest::newRow("2 mirrored") << photo << 2 << fits;
        QTest::newRow("3 half a turn") << photo << 3 << fits;
        QTest::newRow("4 upside down") << photo << 4 << fits;
        QTest::newRow("5 transposed") << photo << 5 << fits;
        QTest::newRow("6 a quarter right") << photo << 6 << fits;
        QTest::newRow("7 transversed") << photo << 7 << fits;
        QTest::newRow("8 a quarter left") << photo << 8 << fits;
        // Averaged down while decoding in the direction far larger than the master needs.
        QTest::newRow("panorama") << QSize(6000, 1000) << 1 << fits;
        QTest::newRow("tall, odd height") << QSize(1000, 6001) << 1 << fits;
        QTest::newRow("tall, stored turned") << QSize(1000, 6000) << 6 << fits;
        // Stored 3000 x 2000 on its side: pairs of pixels across are averaged by the vector path.
        QTest::newRow("held upright, halved across") << QSize(2000, 3000) << 6 << fits;
        QTest::newRow("48 MP") << QSize(8000, 6000) << 1 << fits; // more than Qt reads
    }
    void photoIsFramedAndUpright() {
        QFETCH(QSize, upright);
        QFETCH(int, orientation);
        QFETCH(QSize, card);
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
        QVERIFY2(photo.ok(), qPrintable(photo.ok() ? QString() : photo.error()));
        for (int scale : {1, 3}) {
            const QImage& image = scale == 1 ? photo->canvas : photo->master;
            QCOMPARE(image.size(), PhotoCanvas::kCanvasSize * scale);
            checkFrame(image, scale);
            const QRect area = PhotoCanvas::photoRectOf(image.size());
            if (picture.isNull())
                QCOMPARE(image.copy(area), PhotoCanvas::blank(area.size()));
            else if (upright.boundedTo(PhotoCanvas::kPhotoArea) == PhotoCanvas::kPhotoArea)
                checkStretchedQuadrants(image, scale); // a blown-up picture blurs the seam
        }
        const QSize shown = photo->cardImage.size();
        if (card.isValid())
            QCOMPARE(shown, card);
        else // the photo's proportions, filling the photo area one way
            QVERIFY((shown.width() == 394 || shown.height() == 294) &&
                    qAbs(shown.width() * upright.height() - shown.height() * upright.width()) <
                        upright.width() + upright.height());
        if (!picture.isNull()) // its bottom right quadrant is blue
            QVERIFY(TestPictures::near(
                photo->cardImage.pixel(shown.width() - 1, shown.height() - 1), Qt::blue));
    }

    // Fine detail is averaged on the canvas, not thinned out: a one-pixel checkerboard turns grey.
    void canvasAveragesFineDetail() {
        QImage board(PhotoCanvas::kMasterPhotoArea, QImage::Format_RGB32);
        for (int y = 0; y < board.height(); ++y)
            for (int x = 0; x < board.width(); ++x)
                board.setPixel(x, y, (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
        const QImage canvas = PhotoPreparer::fromPicture(board).canvas;
        const QRect area = PhotoCanvas::photoRectOf(canvas.size());
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                QVERIFY(qAbs(qGray(canvas.pixel(x, y)) - 128) < 20);
    }

    // The least decoding whose output still covers the master's photo area: sharp prints, no waste.
    void decodeScaleCoversThePrintArea() {
        const QSize area = PhotoCanvas::kMasterPhotoArea;
        QCOMPARE(JpegDecoder::scaleDenominator({12000, 9000}, area, false), 8);
        QCOMPARE(JpegDecoder::scaleDenominator({6000, 4000}, area, true), 2); // held upright
        QCOMPARE(JpegDecoder::scaleDenominator({2363, 1763}, area, false), 2);
        QCOMPARE(JpegDecoder::scaleDenominator({2362, 1764}, area, false), 1);
    }
};

QTEST_MAIN(PhotoPreparerTest)
#include "PhotoPreparerTest.moc"
