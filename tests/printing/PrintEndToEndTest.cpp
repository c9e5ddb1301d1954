// Printing through the real printer code on the default print queue, read back from its PDF.
#include "PhotoCanvas.h"
#include "PrintFixture.h"
#include "PrinterPageSink.h"

#include <QGuiApplication>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>

namespace {

constexpr double kDpi = 192; // 15 twips, the thinnest line on the page, become two pixels

// What the program writes on its standard output; nothing when it fails.
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

class PrintEndToEndTest final : public QObject {
    Q_OBJECT

    const QString m_pdfDir = qEnvironmentVariable("MOSARET_PDF_DIR", "/var/spool/cups-pdf/mosaret");
    QStringList m_failed; // the jobs of failuresAreReported()

    static QString jobName() {
        return QString("MosaretTest%1").arg(QRandomGenerator::global()->generate());
    }
    QStringList pdfsNamed(const QString& name) const {
        return QDir(m_pdfDir).entryList({"*" + name + "*.pdf"}, QDir::Files);
    }

    // Prints through a dialog, waits until the queue has written the whole PDF (up to 30 s) and
    // reads it back; the PDF is removed then.
    Printed print(PrintFixture& fixture, int position, DeckMode deck = DeckMode::Normal,
                  const QString& copies = "1") const {
        Printed printed;
        const QString name = jobName(), png = QDir::temp().filePath(name);
        PrinterPageSink printer(name);
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
        // The printable area of an A4 page on the default printer, as the printer reports it.
        QPrinter a4(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
        a4.setPageSize(QPageSize(QPageSize::A4));
        printed.origin = a4.pageLayout().paintRect(QPageLayout::Inch).topLeft() * kDpi;
        return printed;
    }

private slots:
    void initTestCase() {
        QVERIFY2(run("lpstat", {"-r"}).contains("scheduler is running"),
                 "The CUPS print server is not running: start it with scripts/services.");
        QVERIFY2(!QPrinterInfo::defaultPrinter().isNull(), "No default printer is set.");
        QVERIFY2(QFileInfo(m_pdfDir).isDir(), qPrintable("No PDF folder " + m_pdfDir));
    }

    void frontPage_data() {
        QTest::addColumn<DeckMode>("deck");
        QTest::addColumn<QString>("copies");
        QTest::addColumn<QPoint>("photo"); // the photo box's corner on the card, in twips
        QTest::addColumn<int>("photos");
        QTest::newRow("names layout") << DeckMode::Normal << " 3 " << QPoint(280, 800) << 4;
        QTest::newRow("pictures layout") << DeckMode::Children << "1" << QPoint(330, 360) << 20;
    }
    // The copies as pages, the cut marks and each card's photo at their places, and every photo
    // printed from its whole print master at 300 pixels per inch or more.
    void frontPage() {
        QFETCH(DeckMode, deck);
        QFETCH(QString, copies);
        QFETCH(QPoint, photo);
        QFETCH(int, photos);
        PrintFixture fixture;
        const Printed printed = print(fixture, 1, deck, copies);
        QVERIFY2(!printed.page.isNull(), qPrintable(fixture.prompts.lastText()));
        QCOMPARE(printed.pages, copies.trimmed().toInt());
        QCOMPARE(printed.marksInPlace(), 16);
        for (int card = 1; card <= 4; ++card) {
            const QColor own = PrintFixture::kPhotoColours[card - 1];
            const QPoint box = QPoint(card % 2 ? 1680 : 6180, card < 3 ? 2400 : 9000) + photo;
            const QPointF off =
                QPointF(printed.find(box.x() - 200, box.y() + 1000, false, own).x(),
                        printed.find(box.x() + 1000, box.y() - 200, true, own).y()) -
                printed.at(box.x(), box.y());
            QVERIFY2(std::abs(off.x()) <= 2 && std::abs(off.y()) <= 2,
                     qPrintable(QString("card %1").arg(card)));
        }
        const auto sharp = [](const auto& image) {
            return image.first == PhotoCanvas::kMasterSize && image.second >= 300;
        };
        QCOMPARE(std::ranges::count_if(printed.images, sharp), photos);
    }

    // Backs without cut marks at X and Y, moved by exactly the change of X and Y, each the
    // design's own 250 x 380 pixels.
    void backPageMovesByTheOffsets() {
        PrintFixture fixture;
        const QColor navy = PrintFixture::kDesignColours[2];
        QList<QPointF> corners;
        for (const QPoint offset : {QPoint(1680, 2400), QPoint(2000, 3000)}) {
            fixture.settings.backX = SettingValue::text(QString::number(offset.x()));
            fixture.settings.backY = offset.y();
            const Printed printed = print(fixture, 3);
            QVERIFY2(!printed.page.isNull(), qPrintable(fixture.prompts.lastText()));
            QCOMPARE(printed.marksInPlace(), 0);
            corners << QPointF(printed.find(500, 5000, false, navy).x(),
                               printed.find(3600, 1000, true, navy).y());
            const QPointF off = corners.last() - printed.at(offset.x(), offset.y());
            QVERIFY(std::abs(off.x()) <= 1.5 && std::abs(off.y()) <= 1.5);
            QCOMPARE(printed.images, decltype(printed.images)(4, {QSize(250, 380), 96}));
        }
        const QPointF moved = corners[1] - corners[0] - QPointF(320, 600) * kDpi / 1440;
        QVERIFY(std::abs(moved.x()) <= 1.5 && std::abs(moved.y()) <= 1.5);
    }

    void failuresAreReported_data() {
        QTest::addColumn<QString>("field"); // typed into before printing; "printer": printed on
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("message");
        // clang-format off
        QTest::newRow("0 copies") << "Text1" << "0" << 1 << "Aantal afdrukken";
        QTest::newRow("X no number") << "Text2" << "16 80" << 2 << "geen getal";
        QTest::newRow("Y no whole number") << "Text3" << "24OO" << 2 << "geen heel getal";
        QTest::newRow("design unreadable") << "Text1" << "1" << 4 << "kaart4.jpg";
        QTest::newRow("no such printer") << "printer" << "MosaretGeen" << 1 << "niet gevonden";
        // clang-format on
    }
    // A Dutch message and the pointer restored; failedJobsPrintedNothing() checks the queue.
    void failuresAreReported() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(int, position);
        QFETCH(QString, message);
        PrintFixture fixture;
        QVERIFY(fixture.folder.write("kaarten/kaart4.jpg", {}));
        m_failed << jobName();
        PrinterPageSink sink(m_failed.last(), field == "printer" ? text : QString());
        const auto dialog = fixture.open(DeckMode::Normal, &sink);
        if (field != "printer")
            control<QLineEdit>(*dialog, qPrintable(field))->setText(text);
        control<QScrollBar>(*dialog, "VScroll1")->setValue(position);
        QVERIFY(!dialog->print());
        QCOMPARE(fixture.prompts.kinds(), QStringList{"warn"});
        QVERIFY2(fixture.prompts.lastText().contains(message), qPrintable(message));
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    // The queue keeps its jobs in order: once a later job's PDF is written, the failed ones
    // would have been too.
    void failedJobsPrintedNothing() {
        PrintFixture fixture;
        QVERIFY(!print(fixture, 1).page.isNull());
        for (const QString& name : m_failed) {
            const QStringList printed = pdfsNamed(name);
            for (const QString& file : printed) // not left behind when the test fails
                QFile::remove(m_pdfDir + '/' + file);
            QVERIFY2(printed.isEmpty(), qPrintable(name));
        }
    }
};

QTEST_MAIN(PrintEndToEndTest)
#include "PrintEndToEndTest.moc"
