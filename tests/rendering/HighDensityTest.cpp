// Checks that on a screen of device pixel ratio 2 the window's pictures are drawn at the screen's
// own pixels: sharper than the ratio-1 drawing enlarged, and card photos no softer than the photo
// scaled straight to the box.
#include "TestWindow.h"

namespace {

// `widget` drawn on white at `ratio`, in device pixels.
QImage rendered(QWidget* widget, qreal ratio) {
    QImage image(widget->size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    widget->render(&image);
    image.setDevicePixelRatio(1);
    return image;
}

// The sum of the squared brightness steps between neighbouring pixels inside `inset` pixels of the
// edge: the more and the crisper the edges of a picture, the larger.
double edgeEnergy(const QImage& image, int inset) {
    double sum = 0;
    for (int y = inset; y < image.height() - inset - 1; ++y)
        for (int x = inset; x < image.width() - inset - 1; ++x) {
            const int here = qGray(image.pixel(x, y));
            sum += std::pow(qGray(image.pixel(x + 1, y)) - here, 2) +
                   std::pow(qGray(image.pixel(x, y + 1)) - here, 2);
        }
    return sum;
}

QColor meanColour(const QImage& image) {
    const QImage one = image.scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return one.pixelColor(0, 0);
}

// Compares `widget` at the screen's ratio with its ratio-1 drawing enlarged: the same picture (mean
// colour), with at least `sharper` times the edge energy (a margin of `inset` logical pixels left
// out).
void compareWithEnlarged(QWidget* widget, double sharper, int inset) {
    const QImage two = rendered(widget, qApp->devicePixelRatio());
    const QImage enlarged =
        rendered(widget, 1).scaled(two.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QVERIFY2(TestPictures::near(meanColour(two).rgb(), meanColour(enlarged), 12), "same picture");
    // One added to each, so a plain picture compares as equal.
    const double gain = (edgeEnergy(two, 2 * inset) + 1) / (edgeEnergy(enlarged, 2 * inset) + 1);
    QVERIFY2(gain >= sharper, qPrintable(QString("edge energy x %1").arg(gain)));
}

} // namespace

class HighDensityTest final : public QObject {
    Q_OBJECT
    std::unique_ptr<TestWindow> m_w;

private slots:
    void init() {
        // QT_SCALE_FACTOR, set by the test's registration.
        QVERIFY(qApp->devicePixelRatio() > 1.0);
        m_w = std::make_unique<TestWindow>();
        QVERIFY(m_w->start());
    }
    void cleanup() { m_w.reset(); }

    void picturesAreSharperThanEnlarged_data() {
        QTest::addColumn<QString>("widget");
        QTest::addColumn<double>("sharper"); // 1: a plain picture, no softer
        QTest::addColumn<int>("inset");      // logical pixels of button face left out
        for (int k = 1; k <= 6; ++k)
            QTest::addRow("menu picture %d", k) << QString("Menuknop_%1").arg(k) << 1.4 << 0;
        QTest::newRow("normal deck") << "NormaalKnop" << 1.4 << 3;
        QTest::newRow("children's deck") << "KinderKnop" << 1.4 << 3;
        QTest::newRow("photo placeholder") << "Foto_1" << 1.4 << 0;
        QTest::newRow("thumbnail placeholder") << "Foto1_2" << 1.0 << 0;
        QTest::newRow("card outline") << "Kaart1" << 1.4 << 0;
        QTest::newRow("print preview") << "Picture2" << 1.4 << 0;
    }
    void picturesAreSharperThanEnlarged() {
        QFETCH(QString, widget);
        QFETCH(double, sharper);
        QFETCH(int, inset);
        m_w->click("KinderKnop"); // shows the thumbnails
        if (widget != "Picture2")
            return compareWithEnlarged(m_w->child(widget), sharper, inset);
        m_w->click("NormaalKnop");
        bool compared = false;
        m_w->whileLoading(
            [&](QDialog& dialog) {
                compareWithEnlarged(dialog.findChild<QWidget*>(widget), sharper, inset);
                compared = !QTest::currentTestFailed();
            },
            "Menuknop_5");
        QVERIFY(compared);
    }

    void cardPhotoIsNoSofterThanScaledStraight() {
        // Squares of 30 pixels: the box of 240 x 160 device pixels shows them 7.5 pixels wide, so
        // how their edges fall on the pixels does not depend on where the box's cut begins.
        QImage photo(960, 640, QImage::Format_RGB32);
        for (int y = 0; y < photo.height(); ++y)
            for (int x = 0; x < photo.width(); ++x)
                photo.setPixel(x, y,
                               (x / 30 + y / 30) % 2 ? qRgb(30, 30, 160) : qRgb(240, 220, 90));
        m_w->dir.write("ruit.png", TestPictures::encode(photo, "PNG"));
        QVERIFY(m_w->place(1, m_w->dir.path("ruit.png")));
        const QImage two = rendered(m_w->child("Foto_1"), qApp->devicePixelRatio());
        const QImage straight =
            photo.scaled(two.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const double ratio = edgeEnergy(two, 4) / edgeEnergy(straight, 4);
        QVERIFY2(ratio >= 0.9, qPrintable(QString("edge energy x %1").arg(ratio)));
    }
};

QTEST_MAIN(HighDensityTest)
#include "HighDensityTest.moc"
