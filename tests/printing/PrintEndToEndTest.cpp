// Printing through the real printer code on the default print queue, read back from its PDF.
#include "PrintFixture.h"
#include "PhotoCanvas.h"
#include "PrinterPageSink.h"
#include "TestPictures.h"

#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>

namespace {

constexpr double kDpi = 192; // 15 twips, the thinnest line on the page, become two pixels

QString run(const QString& program, const QStringList& arguments, bool* ok = nullptr) {
    QProcess process;
    process.start(program, arguments);
    const bool finished = process.waitForFinished(20000);
    if (ok)
        *ok = finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// A printed page as rendered from its PDF, addressed in twips from the printable area's corner.
struct Printed {
    QString pdf;
    QImage page;
    QPointF origin; // the printable area's corner, in rendered pixels
    QPointF at(double x, double y) const { return origin + QPointF(x, y) * kDpi / 1440; }
    // The first pixel from twips (x, y) onwards, to the right or down, for which `match` holds.
    template <typename Match> QPointF find(double x, double y, bool down, Match match) const {
        for (QPoint p = at(x, y).toPoint(); page.valid(p); p += down ? QPoint(0, 1) : QPoint(1, 0))
            if (match(page.pixel(p)))
                return p;
        return {-1000, -1000};
    }
};

bool dark(QRgb pixel) {
    return qGray(pixel) < 200;
}

// A picture on a printed page as pdfimages lists it: its pixels and the size it is drawn at.
struct PdfImage {
    QSize pixels;
    QSizeF ppi;
    bool drawnAt(QSizeF twips) const {
        return std::abs(pixels.width() / ppi.width() * 1440 / twips.width() - 1) < 0.03 &&
               std::abs(pixels.height() / ppi.height() * 1440 / twips.height() - 1) < 0.03;
    }
};

QList<PdfImage> imagesIn(const QString& pdf) {
    QList<PdfImage> images;
    // page num type width height color comp bpc enc interp object ID x-ppi y-ppi size ratio
    for (const QString& line : run("pdfimages", {"-list", pdf}).split('\n').mid(2)) {
        const QStringList f = line.simplified().split(' ');
        if (f.size() >= 14 && f[2] == "image")
            images.append({QSize(f[3].toInt(), f[4].toInt()), QSizeF(f[12].toDouble(), f[13].toDouble())});
    }
    return images;
}

} // namespace

class PrintEndToEndTest final : public QObject {
    Q_OBJECT

    QString m_pdfDir = qEnvironmentVariable("MOSARET_PDF_DIR", "/var/spool/cups-pdf/mosaret");
    mutable QStringList m_written; // removed after each test, passed or failed

    static QString uniqueName(const char* what) {
        return QStringLiteral("MosaretTest%1%2")
            .arg(what)
            .arg(QRandomGenerator::global()->generate());
    }
    QStringList pdfsNamed(const QString& name) const {
        return QDir(m_pdfDir).entryList({"*" + name + "*.pdf"}, QDir::Files);
    }

    // The whole PDF of the job named `name`, once the queue has written it (up to 30 s).
    QString waitForPdf(const QString& name) const {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 30000) {
            for (const QString& file : pdfsNamed(name)) {
                bool ok = false;
                if (run("pdfinfo", {m_pdfDir + '/' + file}, &ok).contains("Pages:") && ok) {
                    m_written << m_pdfDir + '/' + file;
                    return m_written.last();
                }
            }
            QTest::qWait(50);
        }
        return {};
    }

    // Prints through the dialog and waits until the queue has written the whole PDF.
    Printed print(PrintFixture& fixture, const QString& copies, int position) const {
        const QString name = uniqueName("Page");
        PrinterPageSink printer(name);
        QElapsedTimer clock;
        clock.start();
        Printed printed;
        if (!fixture.print(copies, position, &printer))
            return printed;
        const qint64 handedOver = clock.elapsed();
        printed.pdf = waitForPdf(name);
        qInfo("job handed over after %lld ms, PDF written after %lld ms (%lld ms less the sweep)",
              handedOver, clock.elapsed(), clock.elapsed() - 950);
        const QString png = QDir::temp().filePath(name);
        run("pdftoppm",
            {"-r", QString::number(kDpi), "-f", "1", "-singlefile", "-png", printed.pdf, png});
        printed.page = QImage(png + ".png");
        QFile::remove(png + ".png");
        // The printable area of an A4 page on the default printer, as the printer reports it.
        QPrinter a4(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
        a4.setPageSize(QPageSize(QPageSize::A4));
        printed.origin = a4.pageLayout().paintRect(QPageLayout::Inch).topLeft() * kDpi;
        return printed;
    }

private slots:
    void cleanup() {
        for (const QString& pdf : std::exchange(m_written, {}))
            QFile::remove(pdf);
    }

    void initTestCase() {
        QVERIFY2(run("lpstat", {"-r"}).contains("scheduler is running"),
                 "The CUPS print server is not running: start it with scripts/services.");
        QVERIFY2(!QPrinterInfo::defaultPrinter().isNull(), "No default printer is set.");
        QVERIFY2(QFileInfo(m_pdfDir).isDir(), qPrintable("No PDF folder " + m_pdfDir));
    }

    void frontPageInThreeCopies() {
        PrintFixture fixture;
        const Printed printed = print(fixture, " 3 ", 1);
        QVERIFY2(!printed.page.isNull(), qPrintable(fixture.prompts.asked().value(0).text));
        QVERIFY(run("pdfinfo", {printed.pdf}).contains(QRegularExpression("Pages:\\s+3\\n")));
        // The sixteen cut marks: the near edge of each, found across its thin side.
        const auto mark = [](QRgb p) { return TestPictures::near(p, QColor(112, 96, 96), 40); };
        for (int k = 0; k < 16; ++k) {
            const bool across = k < 8;
            const double x = across ? (k % 2 ? 10700 : 0) : QList{1680, 5400, 6180, 9900}[k % 4];
            const double y = across ? QList{2400, 8100, 9000, 14700}[k / 2] : (k < 12 ? 0 : 15600);
            const QPointF edge = across ? printed.find(x + 375, y - 60, true, mark)
                                        : printed.find(x - 60, y + 375, false, mark);
            const QPointF off = edge - printed.at(x, y);
            QVERIFY2(std::abs(across ? off.y() : off.x()) <= 1.5,
                     qPrintable(QString::number(k + 1)));
        }
        // Each card: the outline's left border where the card starts, its own photo in its box.
        const QImage outline(":/pictures/card-outline.png");
        int border = 0;
        while (border < 60 && !dark(outline.pixel(border, 190)))
            ++border;
        QVERIFY2(border < 60, "The built-in card outline has no border to find.");
        for (int card = 1; card <= 4; ++card) {
            const double x = card % 2 ? 1680 : 6180, y = card < 3 ? 2400 : 9000;
            const QPointF frame = printed.find(x - 300, y + 2850, false, dark);
            QVERIFY2(std::abs(frame.x() - printed.at(x + border * 15, 0).x()) <= 2,
                     qPrintable(QStringLiteral("card %1 frame").arg(card)));
            const QPointF photo = printed.find(x + 100, y + 2000, false, [card](QRgb p) {
                return TestPictures::near(p, PrintFixture::photoColour(card), 40);
            });
            QVERIFY2(std::abs(photo.x() - printed.at(x + 280, 0).x()) <= 2,
                     qPrintable(QStringLiteral("card %1 photo").arg(card)));
        }
    }

    void backPageMovesByTheOffsets() {
        PrintFixture fixture;
        const auto navy = [](QRgb p) { return TestPictures::near(p, QColor(20, 40, 120), 40); };
        QList<QPointF> corners;
        for (const QPoint offset : {QPoint(1680, 2400), QPoint(2000, 3000)}) {
            fixture.settings.backX = SettingValue::text(QString::number(offset.x()));
            fixture.settings.backY = offset.y();
            const Printed printed = print(fixture, "1", 3);
            QVERIFY2(!printed.page.isNull(), qPrintable(fixture.prompts.asked().value(0).text));
            corners << QPointF(printed.find(500, 5000, false, navy).x(),
                               printed.find(3600, 1000, true, navy).y());
            const QPointF expected = printed.at(offset.x(), offset.y());
            QVERIFY(std::abs(corners.last().x() - expected.x()) <= 1.5);
            QVERIFY(std::abs(corners.last().y() - expected.y()) <= 1.5);
            // The four backs carry the design's own pixels, neither thinned out nor blown up.
            const QList<PdfImage> images = imagesIn(printed.pdf);
            QCOMPARE(std::count_if(images.begin(), images.end(), [](const PdfImage& image) {
                         return image.drawnAt({3750, 5700}) && image.pixels == QSize(250, 380);
                     }),
                     4);
        }
        const QPointF moved = corners[1] - corners[0];
        QVERIFY(std::abs(moved.x() - 320 * kDpi / 1440) <= 1.5);
        QVERIFY(std::abs(moved.y() - 600 * kDpi / 1440) <= 1.5);
    }

    void photosPrintAtTheirOwnResolution_data() {
        QTest::addColumn<DeckMode>("deck");
        QTest::addColumn<QList<QSizeF>>("boxes"); // where photos are drawn, in twips
        QTest::addColumn<int>("photos");
        QTest::newRow("names layout") << DeckMode::Normal << QList<QSizeF>{{3220, 2400}} << 4;
        QTest::newRow("pictures layout")
            << DeckMode::Children << QList<QSizeF>{{3120, 3000}, {900, 900}} << 20;
    }

    // Every photo reaches the paper as its whole 1200 x 900 print master, which is 300 pixels
    // per inch or more in every box it is drawn in.
    void photosPrintAtTheirOwnResolution() {
        QFETCH(DeckMode, deck);
        QFETCH(QList<QSizeF>, boxes);
        QFETCH(int, photos);
        PrintFixture fixture;
        const QString name = uniqueName("Sharp");
        PrinterPageSink printer(name);
        QVERIFY(fixture.print("1", 1, &printer, deck));
        const QString pdf = waitForPdf(name);
        QVERIFY2(!pdf.isEmpty(), "The queue wrote no PDF.");
        int found = 0;
        for (const PdfImage& image : imagesIn(pdf)) {
            if (std::none_of(boxes.begin(), boxes.end(), [&](QSizeF b) { return image.drawnAt(b); }))
                continue;
            ++found;
            QCOMPARE(image.pixels, PhotoCanvas::kMasterSize);
            QVERIFY2(image.ppi.width() >= 300 && image.ppi.height() >= 300,
                     qPrintable(QStringLiteral("%1 x %2 ppi").arg(image.ppi.width()).arg(image.ppi.height())));
        }
        QCOMPARE(found, photos);
    }

    void failuresPrintNothing() {
        PrintFixture fixture;
        QStringList names;
        for (const char* failure : {"Copies", "X", "Printer"}) {
            const QString why = QLatin1String(failure);
            fixture.settings.backX = SettingValue::text(why == "X" ? "links" : "1680");
            names << uniqueName(failure);
            PrinterPageSink printer(names.last(), why == "Printer" ? "MosaretGeenPrinter" : "");
            QVERIFY(!fixture.print(why == "Copies" ? "0" : "1", why == "X" ? 2 : 1, &printer));
        }
        QCOMPARE(fixture.prompts.kinds(), (QStringList{"warn", "warn", "warn"}));
        // The queue keeps its jobs in order: once a later PDF is written, an earlier one would be.
        fixture.settings.backX = SettingValue::text("1680");
        const Printed after = print(fixture, "1", 1);
        QVERIFY(!after.pdf.isEmpty());
        for (const QString& name : names)
            QVERIFY2(pdfsNamed(name).isEmpty(), qPrintable(name));
    }
};

QTEST_MAIN(PrintEndToEndTest)
#include "PrintEndToEndTest.moc"
