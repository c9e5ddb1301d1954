// Printing through the real printer code on the test print queue, read back from the PDF files the
// queue writes: fronts with their cut marks and photos, backs at their offsets, and failed jobs
// that print nothing.
#include "PrintFixture.h"
#include "PrinterPageSink.h"

#include <QtPrintSupport>

namespace {

// The standard output of a program that succeeded.
QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    const bool ok = process.waitForFinished(20000) &&
                    process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return ok ? QString::fromLocal8Bit(process.readAllStandardOutput()) : QString();
}

// A printed job as its PDF shows it; the first page addressed in twips from the printable corner.
struct Printed {
    int pages = 0;
    QImage page;
    QList<std::pair<QSize, double>> images; // on the first page: pixels and the lower ppi
    QPointF origin;                         // the printable area's corner, in rendered pixels
    QPointF at(double x, double y) const { return origin + QPointF(x, y) * kDpi / 1440; }
    // The first pixel from twips (x, y) onwards, to the right or down, near `colour`.
    QPointF find(double x, double y, bool down, const QColor& colour) const {
        for (QPoint p = at(x, y).toPoint(); page.valid(p); p += down ? QPoint(0, 1) : QPoint(1, 0))
            if (TestPictures::near(page.pixel(p), colour))
                return p;
        return {-1000, -1000};
    }
    // How far, in pixels, the box of `colour` whose corner belongs at twips `corner` is off.
    QPointF offBy(QPoint corner, const QColor& colour) const {
        const double x = corner.x(), y = corner.y();
        return QPointF(find(x - 200, y + 1000, false, colour).x(),
                       find(x + 1000, y - 200, true, colour).y()) -
               at(x, y);
    }
    // The cut marks whose middle, two pixels thick, is where it belongs.
    int marksInPlace() const {
        int found = 0;
        for (int k = 0; k < 16; ++k) {
            const QPointF m =
                k < 8 ? QPointF(k % 2 ? 11075 : 375, QList{2400, 8100, 9000, 14700}[k / 2] + 7.5)
                      : QPointF(QList{1680, 5400, 6180, 9900}[k % 4] + 7.5, k < 12 ? 375 : 15975);
            found += TestPictures::near(page.pixel(at(m.x(), m.y()).toPoint()), {112, 96, 96});
        }
        return found;
    }
};

} // namespace

class PrintQueueTest final : public QObject {
    Q_OBJECT

    const QString m_queue = qEnvironmentVariable("MOSARET_TEST_QUEUE", "MosaretPDF");
    const QString m_pdfDir = qEnvironmentVariable("MOSARET_PDF_DIR");

    static QString jobName() {
        return QString("MosaretTest%1").arg(QRandomGenerator::global()->generate());
    }
    QStringList pdfsNamed(const QString& name) const {
        return QDir(m_pdfDir).entryList({"*" + name + "*.pdf"}, QDir::Files);
    }

    // Prints through a dialog and reads back the PDF once the queue has written it whole.
    Printed print(PrintFixture& fixture, int position, DeckMode deck = DeckMode::Normal,
                  const QString& copies = "1") const {
        Printed printed;
        const QString name = jobName(), png = QDir::temp().filePath(name);
        PrinterPageSink printer(name, m_queue);
        if (!PrintFixture::print(*fixture.open(deck, &printer), copies, position))
            return printed;
        QString pdf;
        QElapsedTimer clock;
        for (clock.start(); printed.pages == 0 && clock.elapsed() < 30000; QTest::qWait(50)) {
            for (const QString& file : pdfsNamed(name)) {
                pdf = m_pdfDir + '/' + file;
                const QString info = run("pdfinfo", {pdf});
                printed.pages =
                    QRegularExpression("Pages: +(\\d+)").match(info).captured(1).toInt();
            }
        }
        run("pdftoppm", {"-r", QString::number(kDpi), "-singlefile", "-png", pdf, png});
        printed.page = QImage(png + ".png");
        // page num type width height color comp bpc enc interp object ID x-ppi y-ppi size ratio
        for (const QString& line : run("pdfimages", {"-list", pdf}).split('\n').mid(2)) {
            const QStringList f = line.simplified().split(' ');
            if (f.size() >= 14 && f[0] == "1" && f[2] == "image")
                printed.images.append(
                    {{f[3].toInt(), f[4].toInt()}, qMin(f[12].toDouble(), f[13].toDouble())});
        }
        QFile::remove(png + ".png");
        QFile::remove(pdf);
        // The printable area of an A4 page on the test queue, as the printer reports it.
        QPrinter a4(QPrinterInfo::printerInfo(m_queue), QPrinter::HighResolution);
        a4.setPageSize(QPageSize(QPageSize::A4));
        printed.origin = a4.pageLayout().paintRect(QPageLayout::Inch).topLeft() * kDpi;
        return printed;
    }

private slots:
    void initTestCase() {
        QVERIFY2(run("lpstat", {"-r"}).contains("scheduler is running"),
                 "The CUPS print server is not running: start it and the test queue with "
                 "scripts/services, or leave these tests out with ctest -LE printer.");
        QVERIFY2(!QPrinterInfo::printerInfo(m_queue).isNull(),
                 qPrintable("There is no print queue " + m_queue + ": scripts/services makes it."));
        QVERIFY2(QFileInfo(m_pdfDir).isDir(), qPrintable("No PDF folder " + m_pdfDir));
    }

    void frontPage_data() {
        QTest::addColumn<DeckMode>("deck");
        QTest::addColumn<QString>("copies");
        QTest::addColumn<QList<QRect>>("boxes"); // the photo boxes on a card, in twips
        QTest::addColumn<int>("photos");
        const QRect names(280, 800, 3220, 2400), large(330, 360, 3120, 3000);
        QList<QRect> pictures{large};
        for (const QPoint small :
             {QPoint(330, 3480), QPoint(1440, 3480), QPoint(2550, 3480), QPoint(1440, 4470)})
            pictures << QRect(small, QSize(900, 900));
        QTest::newRow("names layout") << DeckMode::Normal << " 3 " << QList{names} << 4;
        QTest::newRow("pictures layout") << DeckMode::Children << "1" << pictures << 20;
    }
    // The copies as pages, the cut marks and each card's photo box at their places, a photo of
    // any shape round in every box, and every photo printed in its box's proportions at 300
    // pixels per inch or more.
    void frontPage() {
        QFETCH(DeckMode, deck);
        QFETCH(QString, copies);
        QFETCH(QList<QRect>, boxes);
        QFETCH(int, photos);
        PrintFixture fixture;
        const Printed printed = print(fixture, 1, deck, copies);
        QVERIFY2(!printed.page.isNull(), qPrintable(fixture.prompts.lastText()));
        QCOMPARE(printed.pages, copies.trimmed().toInt());
        QCOMPARE(printed.marksInPlace(), 16);
        for (int card = 1; card <= 4; ++card) {
            const QPoint corner(card % 2 ? 1680 : 6180, card < 3 ? 2400 : 9000);
            const QPointF off = printed.offBy(corner + boxes[0].topLeft(), Qt::black);
            QVERIFY2(std::abs(off.x()) <= 2 && std::abs(off.y()) <= 2,
                     qPrintable(QString::number(card)));
            for (const QRect& box : boxes) {
                const QRect area =
                    QRectF(printed.at(corner.x() + box.left(), corner.y() + box.top()),
                           QSizeF(box.size()) * kDpi / 1440)
                        .toRect();
                QVERIFY2(TestPictures::round(TestPictures::disc(printed.page, area)),
                         qPrintable(QString("card %1, box at %2").arg(card).arg(box.left())));
            }
        }
        // Each photo box holds a picture of its own proportions (or the photo's, when they differ
        // too little to see), fine enough for a sharp print.
        const auto sharp = [&boxes](const auto& image) {
            const double proportions = double(image.first.width()) / image.first.height();
            return image.second >= 300 && std::ranges::any_of(boxes, [&](const QRect& box) {
                       return qAbs(proportions * box.height() / box.width() - 1) < 0.02;
                   });
        };
        QCOMPARE(std::ranges::count_if(printed.images, sharp), photos);
    }

    // Backs without cut marks at X and Y, each the design's own 250 x 380 pixels.
    void backPageMovesByTheOffsets() {
        PrintFixture fixture;
        const QColor navy = kDesignColours[2];
        QList<QPointF> offs; // the first back's, from where X and Y put it
        for (const QPoint offset : {QPoint(1680, 2400), QPoint(2000, 3000)}) {
            fixture.settings.backX = SettingValue::text(QString::number(offset.x()));
            fixture.settings.backY = offset.y();
            const Printed printed = print(fixture, 3);
            QVERIFY2(!printed.page.isNull(), qPrintable(fixture.prompts.lastText()));
            QCOMPARE(printed.marksInPlace(), 0);
            offs << printed.offBy(offset, navy);
            QVERIFY(std::abs(offs.last().x()) <= 1.5 && std::abs(offs.last().y()) <= 1.5);
            QCOMPARE(printed.images, decltype(printed.images)(4, {QSize(250, 380), 96}));
        }
        QVERIFY(std::abs(offs[1].x() - offs[0].x()) <= 1.5 &&
                std::abs(offs[1].y() - offs[0].y()) <= 1.5);
    }

    void failedJobsPrintNothing_data() {
        QTest::addColumn<QString>("printer"); // empty: the test queue
        QTest::addColumn<QString>("copies");
        QTest::addColumn<QString>("message");
        QTest::newRow("0 copies") << QString() << "0"
                                  << "Aantal afdrukken";
        QTest::newRow("no such printer") << "MosaretGeen"
                                         << "1"
                                         << "niet gevonden";
    }
    // A failed job is reported and leaves nothing in the queue: a good job printed after it comes
    // out alone, since the queue keeps its jobs in order.
    void failedJobsPrintNothing() {
        QFETCH(QString, printer);
        QFETCH(QString, copies);
        QFETCH(QString, message);
        PrintFixture fixture;
        const QString failed = jobName();
        PrinterPageSink sink(failed, printer.isEmpty() ? m_queue : printer);
        QVERIFY(!PrintFixture::print(*fixture.open(DeckMode::Normal, &sink), copies, 1));
        QCOMPARE(fixture.prompts.kinds(), QStringList{"warn"});
        QVERIFY2(fixture.prompts.lastText().contains(message), qPrintable(message));
        QVERIFY(!QGuiApplication::overrideCursor());
        QVERIFY(!print(fixture, 1).page.isNull());
        const QStringList printed = pdfsNamed(failed);
        for (const QString& file : printed) // not left behind when the test fails
            QFile::remove(m_pdfDir + '/' + file);
        QCOMPARE(printed, QStringList());
    }
};

QTEST_MAIN(PrintQueueTest)
#include "PrintQueueTest.moc"
