// Photo preparation: the kept part, its size and proportions, orientation and decode scale.
#include "PhotoPreparer.h"

#include "JpegDecoder.h"
#include "PhotoFit.h"
#include "TestFolder.h"
#include "TestPictures.h"

#include <QTest>

namespace {
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

class PhotoPreparerTest final : public QObject {
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
        // As stored, mirrored, half a turn, upside down, transposed, a quarter right,
        // transversed, a quarter left.
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
};

QTEST_MAIN(PhotoPreparerTest)
#include "PhotoPreparerTest.moc"
