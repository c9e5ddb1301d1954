// Framing a card's photo with the mouse in the real window: a drag moves it, a short press is
// still a click, the wheel zooms, the reset goes back, and the framing is saved and loaded.
#include "PictureBox.h"
#include "TestWindow.h"

namespace {
// The red pixels in the top strip of the widget `name` as the window shows it.
int redAtTop(const TestWindow& t, const QString& name) {
    QWidget* box = t.child(name);
    const QImage shown = box->grab().toImage();
    int count = 0;
    for (int y = 3; y < shown.height() / 8; ++y)
        for (int x = 5; x < shown.width() - 5; ++x) {
            const QRgb c = shown.pixel(x, y);
            count += qRed(c) > 200 && qGreen(c) < 70 && qBlue(c) < 70;
        }
    return count;
}
} // namespace

class FramingWindowTest final : public QObject {
    Q_OBJECT
    TestWindow t;
    QWidget* photo = nullptr;

    void drag(QPoint by) {
        const QPoint from = photo->rect().center();
        QTest::mousePress(photo, Qt::LeftButton, {}, from);
        QTest::mouseMove(photo, from + by / 2);
        QTest::mouseMove(photo, from + by);
        QTest::mouseRelease(photo, Qt::LeftButton, {}, from + by);
    }
    void wheel(int notches) {
        const QPointF at = photo->rect().center();
        QWheelEvent event(at, photo->mapToGlobal(at), {}, QPoint(0, 120 * notches), Qt::NoButton,
                          {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(photo, &event);
    }

private slots:
    void initTestCase() {
        QVERIFY(t.start());
        QImage banded = TestPictures::plain(600, 1200, Qt::gray);
        QPainter(&banded).fillRect(0, 0, 600, 120, Qt::red);
        t.dir.write("staand.png", TestPictures::encode(banded, "PNG"));
        QVERIFY(t.place(1, t.dir.path("staand.png")));
        t.window->model().setSaved(SeriesModel::Saved::Yes);
        photo = t.child("Foto_1");
    }

    void dragShowsTheTopAndClicksStillOpenTheDialog() {
        QCOMPARE(redAtTop(t, "Foto_1"), 0);
        const int asked = int(t.prompts.asked.size());
        drag(QPoint(0, 300));
        QCOMPARE(t.prompts.asked.size(), asked); // no photo dialog
        QVERIFY(t.window->model().framing(1).point.y() < 0.3);
        QVERIFY(redAtTop(t, "Foto_1") > 0);
        QVERIFY(t.window->model().hasUnsavedChanges());
        // A press released within four pixels is a click: the dialog opens (and is cancelled).
        t.prompts.openPaths << QString();
        drag(QPoint(3, 2));
        QCOMPARE(t.prompts.kinds().last(), QString("openPicture"));
        QVERIFY(t.window->model().framing(1).point.y() < 0.3);
        // The thumbnails of the children's deck follow.
        t.window->setDeckMode(DeckMode::Children);
        QVERIFY(redAtTop(t, "Foto1_4") > 0 && redAtTop(t, "Foto2_1") > 0);
        t.window->setDeckMode(DeckMode::Normal);
    }

    void wheelZoomsAndResetGoesBack() {
        wheel(3);
        QVERIFY(qAbs(t.window->model().framing(1).zoom - 1.331) < 1e-6);
        wheel(-10);
        QCOMPARE(t.window->model().framing(1).zoom, 1.0);
        t.child<PictureBox>("Foto_1")->resetFraming();
        QVERIFY(t.window->model().framing(1).isDefault());
        QCOMPARE(redAtTop(t, "Foto_1"), 0);
    }

    void framingIsSavedAndLoaded() {
        drag(QPoint(0, 300));
        wheel(2);
        const Framing framed = t.window->model().framing(1);
        t.saveAs("Kader");
        const QByteArray file = t.dir.read("mosaretten/Kader.msr");
        QCOMPARE(file.count("\r\n"), 22);
        QVERIFY(file.contains("\r\n#kader 1 0."));
        t.window->model().setPhotoPath(1, t.dir.path("staand.png")); // a new photo: centred
        QVERIFY(t.window->model().framing(1).isDefault());
        t.prompts.yesNoCancel << UserPrompts::Answer::No; // not saved first
        t.load("Kader.msr");
        const Framing loaded = t.window->model().framing(1);
        QVERIFY(qAbs(loaded.point.x() - framed.point.x()) < 1e-4 &&
                qAbs(loaded.point.y() - framed.point.y()) < 1e-4 &&
                qAbs(loaded.zoom - framed.zoom) < 1e-4);
        QVERIFY(redAtTop(t, "Foto_1") > 0);
        QVERIFY(!t.window->model().hasUnsavedChanges());
    }
};

QTEST_MAIN(FramingWindowTest)
#include "FramingWindowTest.moc"
