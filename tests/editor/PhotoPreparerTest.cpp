// Tests of photo preparation: the pixels of canvas and master, orientation, large and hostile files.
#include "BoxReducer.h"
#include "ExifOrientation.h"
#include "JpegDecoder.h"
#include "PhotoCanvas.h"
#include "PhotoPreparer.h"
#include "TestPictures.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTransform>

#include <sys/stat.h>

#include <algorithm>

namespace {
const QColor kRed(Qt::red), kGreen(Qt::green), kBlue(Qt::blue), kYellow(Qt::yellow);

int nearestQuadrant(QRgb pixel) {
    const QColor colours[] = {kRed, kGreen, kBlue, kYellow};
    const auto distance = [pixel](const QColor& c) {
        return qAbs(qRed(pixel) - c.red()) + qAbs(qGreen(pixel) - c.green()) + qAbs(qBlue(pixel) - c.blue());
    };
    return int(std::min_element(std::begin(colours), std::end(colours),
                                [&](const QColor& a, const QColor& b) { return distance(a) < distance(b); }) -
               std::begin(colours));
}

// The quadrants fill the photo area's corners and meet at its middle: the pixels on either side
// of the middle lean to their own quadrant's colour (filters may blend right at the seam).
void checkStretchedQuadrants(const QImage& image, int scale) {
    const QRect area = PhotoCanvas::photoRectOf(image.size());
    QCOMPARE(area, QRect(3 * scale, 3 * scale, 394 * scale, 294 * scale));
    QVERIFY(TestPictures::near(image.pixel(area.topLeft()), kRed));
    QVERIFY(TestPictures::near(image.pixel(area.topRight()), kGreen));
    QVERIFY(TestPictures::near(image.pixel(area.bottomRight()), kBlue));
    QVERIFY(TestPictures::near(image.pixel(area.bottomLeft()), kYellow));
    const int midX = area.left() + area.width() / 2;
    const int midY = area.top() + area.height() / 2;
    const int seam[2][2] = {{0, 1}, {3, 2}}; // [lower half][right half]
    for (int dy : {-1, 0})
        for (int dx : {-1, 0})
            QVERIFY2(nearestQuadrant(image.pixel(midX + dx, midY + dy)) == seam[dy + 1][dx + 1],
                     qPrintable(QStringLiteral("pixel %1,%2").arg(midX + dx).arg(midY + dy)));
}

// Black outline of `scale` pixels on the outermost rows and columns, then a white band of 2 * scale.
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
private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }
    void squarePictureIsStretchedIntoTheFrame_data();
    void squarePictureIsStretchedIntoTheFrame();
    void cardPictureKeepsProportions_data();
    void cardPictureKeepsProportions();
    void emptyPhotoIsOutlinedOnly();
    void canvasIsTheMasterAveragedByThree();
    void photoIsPlacedUpright_data();
    void photoIsPlacedUpright();
    void badFilesGiveAMessageNamingThem_data();
    void badFilesGiveAMessageNamingThem();
    void prepareAllKeepsOrder();
    void boxReductionAveragesBlocks_data();
    void boxReductionAveragesBlocks();
    void pairsAcrossAreRoundedMeans_data();
    void pairsAcrossAreRoundedMeans();
    void decodeScaleCoversThePrintArea_data();
    void decodeScaleCoversThePrintArea();
    void exifOrientationIsReadSafely_data();
    void exifOrientationIsReadSafely();
    void everyOrientationTurnsUpright_data();
    void everyOrientationTurnsUpright();

private:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

void PhotoPreparerTest::squarePictureIsStretchedIntoTheFrame_data() {
    QTest::addColumn<int>("side");
    QTest::addColumn<bool>("master");
    QTest::newRow("small picture, canvas") << 400 << false;
    QTest::newRow("small picture, master") << 400 << true;
    QTest::newRow("large picture, canvas") << 3000 << false; // shrunk by more than half
    QTest::newRow("large picture, master") << 3000 << true;
}

void PhotoPreparerTest::squarePictureIsStretchedIntoTheFrame() {
    QFETCH(int, side);
    QFETCH(bool, master);
    const PreparedPhoto photo = PhotoPreparer::fromPicture(TestPictures::quadrants(side, side));
    const QImage& image = master ? photo.master : photo.canvas;
    QCOMPARE(image.size(), master ? PhotoCanvas::kMasterSize : PhotoCanvas::kCanvasSize);
    checkFrame(image, master ? 3 : 1);
    checkStretchedQuadrants(image, master ? 3 : 1);
}

void PhotoPreparerTest::cardPictureKeepsProportions_data() {
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("card");
    QTest::newRow("square") << QSize(400, 400) << QSize(294, 294);
    QTest::newRow("four by three") << QSize(1600, 1200) << QSize(392, 294);
    QTest::newRow("small stays whole") << QSize(100, 50) << QSize(100, 50);
    QTest::newRow("one pixel high") << QSize(2000, 1) << QSize(394, 1);
    QTest::newRow("one pixel wide") << QSize(1, 2000) << QSize(1, 294);
}

void PhotoPreparerTest::cardPictureKeepsProportions() {
    QFETCH(QSize, picture);
    QFETCH(QSize, card);
    const QImage red = TestPictures::plain(picture.width(), picture.height(), Qt::red);
    const PreparedPhoto photo = PhotoPreparer::fromPicture(red);
    QCOMPARE(photo.cardImage.size(), card);
    QVERIFY(TestPictures::near(photo.cardImage.pixel(card.width() - 1, card.height() - 1), kRed));
    QVERIFY(TestPictures::near(photo.canvas.pixel(200, 150), kRed));
}

void PhotoPreparerTest::emptyPhotoIsOutlinedOnly() {
    const PreparedPhoto empty = PhotoPreparer::emptyPhoto();
    QVERIFY(empty.cardImage.isNull());
    for (const QImage& image : {empty.canvas, empty.master}) {
        const int scale = image.width() / 400;
        checkFrame(image, scale);
        QCOMPARE(image.copy(PhotoCanvas::photoRectOf(image.size())),
                 PhotoCanvas::blank(PhotoCanvas::photoRectOf(image.size()).size()));
    }
}

void PhotoPreparerTest::photoIsPlacedUpright_data() {
    QTest::addColumn<QSize>("upright");
    QTest::addColumn<int>("orientation");
    for (int orientation : {1, 3, 6, 8})
        QTest::addRow("orientation %d", orientation) << QSize(1600, 1200) << orientation;
    // Averaged down while decoding in the direction that is far larger than the card needs.
    QTest::newRow("panorama") << QSize(6000, 1000) << 1;
    QTest::newRow("tall, odd height") << QSize(1000, 6001) << 1;
    QTest::newRow("tall, stored turned") << QSize(1000, 6000) << 6;
    // Beyond what Qt's reader would allocate at full size.
    QTest::newRow("48 MP") << QSize(8000, 6000) << 1;
}

void PhotoPreparerTest::photoIsPlacedUpright() {
    QFETCH(QSize, upright);
    QFETCH(int, orientation);
    const QString file = path(QStringLiteral("turned%1.jpg").arg(QTest::currentDataTag()));
    QVERIFY(TestPictures::writeJpegWithOrientation(
        TestPictures::quadrants(upright.width(), upright.height()), file, orientation));
    const Result<PreparedPhoto> photo = PhotoPreparer::fromFile(file);
    QVERIFY2(photo.ok(), qPrintable(photo.ok() ? QString() : photo.error()));
    checkStretchedQuadrants(photo->canvas, 1);
    checkStretchedQuadrants(photo->master, 3);
    // The card's own picture keeps the photo's proportions within the photo area.
    const QSize card = photo->cardImage.size();
    QVERIFY(card.width() == 394 || card.height() == 294);
    QVERIFY(qAbs(card.width() * upright.height() - card.height() * upright.width()) <
            upright.width() + upright.height());
    QVERIFY(TestPictures::near(photo->cardImage.pixel(0, 0), kRed));
}

void PhotoPreparerTest::badFilesGiveAMessageNamingThem_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("contents"); // "dir", "fifo" and "missing" make no file
    QTest::addColumn<bool>("accepted");
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    QVERIFY(buffer.open(QIODevice::WriteOnly));
    QVERIFY(TestPictures::quadrants(800, 600).save(&buffer, "JPG"));
    QByteArray absurd = jpeg;
    const qsizetype sof = absurd.indexOf("\xff\xc0");
    absurd.replace(sof + 5, 4, QByteArray("\xff\xf0\xff\xf0", 4)); // 65520 x 65520
    QTest::newRow("not a picture") << "tekst.jpg" << QByteArray("geen foto\n") << false;
    QTest::newRow("empty file") << "leeg.jpg" << QByteArray() << false;
    QTest::newRow("header only") << "kop.jpg" << jpeg.left(300) << false;
    QTest::newRow("absurd size") << "reus.jpg" << absurd << false;
    QTest::newRow("folder") << "map.jpg" << QByteArray("dir") << false;
    QTest::newRow("pipe") << "pijp.jpg" << QByteArray("fifo") << false;
    QTest::newRow("missing") << "weg.jpg" << QByteArray("missing") << false;
    QTest::newRow("truncated photo is shown") << "half.jpg" << jpeg.left(jpeg.size() / 2) << true;
}

void PhotoPreparerTest::badFilesGiveAMessageNamingThem() {
    QFETCH(QString, name);
    QFETCH(QByteArray, contents);
    QFETCH(bool, accepted);
    const QString file = path(name);
    if (contents == "dir") {
        QVERIFY(QDir(m_dir.path()).mkdir(name));
    } else if (contents == "fifo") {
        QCOMPARE(mkfifo(QFile::encodeName(file).constData(), 0600), 0);
    } else if (contents != "missing") {
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(contents) == contents.size());
    }
    const Result<PreparedPhoto> photo = PhotoPreparer::fromFile(file);
    QCOMPARE(photo.ok(), accepted);
    if (!accepted)
        QVERIFY2(photo.error().contains(QStringLiteral("\"%1\"").arg(file)), qPrintable(photo.error()));
}

void PhotoPreparerTest::prepareAllKeepsOrder() {
    const QList<QColor> colours = {kRed, kGreen, kBlue, kYellow};
    QStringList paths;
    for (const QColor& colour : colours) {
        paths << path(colour.name() + ".png");
        QVERIFY(TestPictures::write(TestPictures::plain(640, 480, colour), paths.last(), "PNG"));
    }
    paths.insert(2, QString());
    paths.insert(4, path("weg.gif"));
    QFuture<std::vector<Result<PreparedPhoto>>> future = PhotoPreparer::prepareAll(paths);
    const std::vector<Result<PreparedPhoto>> results = future.result();
    QCOMPARE(results.size(), size_t(paths.size()));
    const QList<int> photoAt = {0, 1, -1, 2, -1, 3};
    for (int i = 0; i < paths.size(); ++i) {
        QCOMPARE(results[i].ok(), i != 4);
        const QRgb centre = results[i].ok() ? results[i]->canvas.pixel(200, 150) : 0;
        if (photoAt[i] >= 0)
            QVERIFY(TestPictures::near(centre, colours[photoAt[i]], 8));
    }
    QCOMPARE(results[2]->canvas, PhotoPreparer::emptyPhoto().canvas);
    QVERIFY(results[4].error().contains("weg.gif"));
}

void PhotoPreparerTest::canvasIsTheMasterAveragedByThree() {
    QImage picture(PhotoCanvas::kMasterPhotoArea, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb((x * 7 + y) % 256, (x * y) % 256, (x ^ y) % 256));
    const PreparedPhoto photo = PhotoPreparer::fromPicture(picture);
    checkFrame(photo.canvas, 1);
    for (const QPoint p : {QPoint(0, 0), QPoint(100, 37), QPoint(393, 293), QPoint(250, 200)}) {
        int sum[3] = {0, 0, 0};
        for (int dy = 0; dy < 3; ++dy)
            for (int dx = 0; dx < 3; ++dx) {
                const QRgb m = photo.master.pixel(9 + 3 * p.x() + dx, 9 + 3 * p.y() + dy);
                sum[0] += qRed(m), sum[1] += qGreen(m), sum[2] += qBlue(m);
            }
        QCOMPARE(photo.canvas.pixel(p + QPoint(3, 3)),
                 qRgb((sum[0] + 4) / 9, (sum[1] + 4) / 9, (sum[2] + 4) / 9));
    }
}

void PhotoPreparerTest::boxReductionAveragesBlocks_data() {
    QTest::addColumn<QSize>("factors");
    QTest::addColumn<QList<QRgb>>("expected");
    // Two rows of three pixels: red = 10 * column, green = 100 * row, blue = 1 + column + row.
    QTest::newRow("pairs across, odd column repeated") << QSize(2, 1)
        << QList<QRgb>{qRgb(5, 0, 2), qRgb(20, 0, 3)};
    QTest::newRow("pairs down, rounded") << QSize(1, 2)
        << QList<QRgb>{qRgb(0, 50, 2), qRgb(10, 50, 3), qRgb(20, 50, 4)};
    QTest::newRow("squares") << QSize(2, 2) << QList<QRgb>{qRgb(5, 50, 2), qRgb(20, 50, 4)};
    QTest::newRow("wider than the row") << QSize(4, 1) << QList<QRgb>{qRgb(13, 0, 2)};
}

void PhotoPreparerTest::boxReductionAveragesBlocks() {
    QFETCH(QSize, factors);
    QFETCH(QList<QRgb>, expected);
    QImage picture(3, 2, QImage::Format_RGB32);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            picture.setPixel(x, y, qRgb(10 * x, 100 * y, 1 + x + y));
    QList<QRgb> reduced(expected.size());
    BoxReducer::reduceRow(reinterpret_cast<const QRgb*>(picture.constBits()),
                          picture.bytesPerLine() / 4, 3, factors, reduced.data());
    QCOMPARE(reduced, expected);
}

void PhotoPreparerTest::pairsAcrossAreRoundedMeans_data() {
    QTest::addColumn<int>("width");
    QTest::newRow("one block of four and a rest") << 11;
    QTest::newRow("a photo's row") << 3000;
}

// Long rows take the vector path; every channel, alpha included, is (a + b + 1) / 2.
void PhotoPreparerTest::pairsAcrossAreRoundedMeans() {
    QFETCH(int, width);
    QList<QRgb> row(width);
    for (int x = 0; x < width; ++x)
        row[x] = qRgba((x * 37) % 256, (x * 101 + 7) % 256, (x * x) % 256, 255 - x % 2);
    QList<QRgb> reduced((width + 1) / 2);
    BoxReducer::reduceRow(row.constData(), width, width, QSize(2, 1), reduced.data());
    const auto mean = [](int a, int b) { return (a + b + 1) / 2; };
    for (int o = 0; o < reduced.size(); ++o) {
        const QRgb a = row[2 * o];
        const QRgb b = row[qMin(2 * o + 1, width - 1)];
        QCOMPARE(reduced[o], qRgba(mean(qRed(a), qRed(b)), mean(qGreen(a), qGreen(b)),
                                   mean(qBlue(a), qBlue(b)), mean(qAlpha(a), qAlpha(b))));
    }
}

void PhotoPreparerTest::decodeScaleCoversThePrintArea_data() {
    QTest::addColumn<QSize>("stored");
    QTest::addColumn<bool>("turned");
    QTest::addColumn<int>("denominator");
    QTest::newRow("12 MP") << QSize(4000, 3000) << false << 2;
    QTest::newRow("24 MP") << QSize(6000, 4000) << false << 4;
    QTest::newRow("24 MP held upright") << QSize(6000, 4000) << true << 2;
    QTest::newRow("108 MP") << QSize(12000, 9000) << false << 8;
    QTest::newRow("just covers at 1/2") << QSize(2363, 1763) << false << 2;
    QTest::newRow("one pixel short at 1/2") << QSize(2362, 1764) << false << 1;
    QTest::newRow("smaller than the area") << QSize(800, 600) << false << 1;
}

void PhotoPreparerTest::decodeScaleCoversThePrintArea() {
    QFETCH(QSize, stored);
    QFETCH(bool, turned);
    QFETCH(int, denominator);
    QCOMPARE(JpegDecoder::scaleDenominator(stored, PhotoCanvas::kMasterPhotoArea, turned), denominator);
}

void PhotoPreparerTest::exifOrientationIsReadSafely_data() {
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<int>("orientation");
    const QByteArray head("Exif\0\0", 6);
    const QByteArray motorola = head + QByteArray::fromHex("4d4d002a00000008000101120003000000010006000000000000");
    const QByteArray intel = head + QByteArray::fromHex("49492a000800000001001201030001000000080000000000");
    QTest::newRow("big-endian 6") << motorola << 6;
    QTest::newRow("little-endian 8") << intel << 8;
    QTest::newRow("cut off in the entry") << motorola.left(20) << 1;
    QTest::newRow("directory beyond the end") << QByteArray(motorola).replace(13, 1, "\x7f") << 1;
    QTest::newRow("value out of range") << QByteArray(motorola).replace(25, 1, "\x09") << 1;
    QTest::newRow("not Exif") << QByteArray("XMP data") << 1;
}

void PhotoPreparerTest::exifOrientationIsReadSafely() {
    QFETCH(QByteArray, payload);
    QFETCH(int, orientation);
    QCOMPARE(ExifOrientation::fromApp1(payload), orientation);
}

void PhotoPreparerTest::everyOrientationTurnsUpright_data() {
    // What each Exif orientation means: a turn clockwise, then a mirror of the turned picture.
    QTest::addColumn<int>("orientation");
    QTest::addColumn<int>("degrees");
    QTest::addColumn<bool>("mirrorAcross");
    QTest::addColumn<bool>("mirrorDown");
    QTest::newRow("1 as stored") << 1 << 0 << false << false;
    QTest::newRow("2 mirrored") << 2 << 0 << true << false;
    QTest::newRow("3 half a turn") << 3 << 180 << false << false;
    QTest::newRow("4 upside down") << 4 << 0 << false << true;
    QTest::newRow("5 transposed") << 5 << 90 << true << false;
    QTest::newRow("6 a quarter right") << 6 << 90 << false << false;
    QTest::newRow("7 transversed") << 7 << 90 << false << true;
    QTest::newRow("8 a quarter left") << 8 << 270 << false << false;
}

void PhotoPreparerTest::everyOrientationTurnsUpright() {
    QFETCH(int, orientation);
    QFETCH(int, degrees);
    QFETCH(bool, mirrorAcross);
    QFETCH(bool, mirrorDown);
    QImage stored(37, 70, QImage::Format_RGB32); // more than one tile down, part of one across
    for (int y = 0; y < stored.height(); ++y)
        for (int x = 0; x < stored.width(); ++x)
            stored.setPixel(x, y, qRgb(x * 6, y * 3, (x + y) % 256));
    const QImage expected =
        stored.transformed(QTransform().rotate(degrees)).mirrored(mirrorAcross, mirrorDown);
    QCOMPARE(ExifOrientation::upright(stored, orientation), expected);
    // Turned into place inside a larger picture, nothing around it is touched.
    QImage target(100, 100, QImage::Format_RGB32);
    target.fill(Qt::white);
    ExifOrientation::drawUpright(stored, orientation, target, QPoint(5, 7));
    QCOMPARE(target.copy(QRect(QPoint(5, 7), expected.size())), expected);
    QCOMPARE(target.copy(0, 0, 100, 7), PhotoCanvas::blank(QSize(100, 7)));
    QCOMPARE(target.copy(0, 7, 5, 93), PhotoCanvas::blank(QSize(5, 93)));
}

QTEST_MAIN(PhotoPreparerTest)
#include "PhotoPreparerTest.moc"
