// Printing through the real printer code on the test print queue, read back from the PDF files the
// queue writes: fronts with their cut marks and photos, backs at their offsets, and failed jobs
// that print nothing.
#include "PrintFixture.h"
#include "PrinterPageSink.h"
#include "RenderedPdf.h"
#include "TestSheet.h"

using Along = RenderedPdf::Along;

#include <QtPrintSupport>

namespace {
QString run(const QString& program, const QStringList& arguments) {
    return RenderedPdf::run(program, arguments);
}

// Each job on the queue under a name of its own: "<name>-1", "<name>-2" and so on.
struct NumberedJobs final : PageSink {
    QString name, queue;
    int jobs = 0;
    std::unique_ptr<PrinterPageSink> current;
    NumberedJobs(QString n, QString q) : name(std::move(n)), queue(std::move(q)) {}
    Result<QPainter*> begin(int copies) override {
        current = std::make_unique<PrinterPageSink>(QString("%1-%2").arg(name).arg(++jobs), queue);
        return current->begin(copies);
    }
    Status finish() override { return current->finish(); }
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

    // The PDF the queue writes for the job `name`, once it is whole; empty after 30 seconds.
    QString waitForPdf(const QString& name) const {
        QElapsedTimer clock;
        for (clock.start(); clock.elapsed() < 30000; QTest::qWait(50)) {
            for (const QString& file : pdfsNamed(name))
                if (RenderedPdf::pageCount(m_pdfDir + '/' + file) > 0)
                    return m_pdfDir + '/' + file;
        }
        return {};
    }
    // The first page of the job `name` on `queue` (the test queue when empty), and the job's PDF
    // removed.
    RenderedPdf read(const QString& name, QString queue = {}) const {
        const QString pdf = waitForPdf(name);
        // The printable area of the queue's own paper, as the printer reports it.
        const QPrinterInfo info = QPrinterInfo::printerInfo(queue.isEmpty() ? m_queue : queue);
        QPrinter printer(info, QPrinter::HighResolution);
        printer.setPageSize(info.defaultPageSize());
        RenderedPdf printed(pdf, kDpi, 1,
                            printer.pageLayout().paintRect(QPageLayout::Point).topLeft() * 20);
        QFile::remove(pdf);
        return printed;
    }
    // Prints through a dialog and reads back the PDF once the queue has written it whole.
    // `paper`: "" for the A4 queue, "Letter" for the queue whose printer holds Letter paper.
    RenderedPdf print(PrintFixture& fixture, int position, DeckMode deck = DeckMode::Normal,
                      const QString& copies = "1", const QString& paper = {}) const {
        const QString name = jobName();
        PrinterPageSink printer(name, m_queue + paper);
        if (!PrintFixture::print(*fixture.open(deck, &printer), copies, position))
            return {};
        return read(name, m_queue + paper);
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
        QTest::addColumn<QString>("paper");      // the queue's paper: "" A4, or "Letter"
        QTest::addColumn<QList<QRect>>("boxes"); // the photo boxes on a card, in twips
        QTest::addColumn<int>("photos");
        QTest::addColumn<int>("marks"); // on the paper; Letter is too short for the bottom ones
        const QRect names(280, 800, 3220, 2400), large(330, 360, 3120, 3000);
        QList<QRect> pictures{large};
        for (const QPoint small :
             {QPoint(330, 3480), QPoint(1440, 3480), QPoint(2550, 3480), QPoint(1440, 4470)})
            pictures << QRect(small, QSize(900, 900));
        QTest::newRow("names layout")
            << DeckMode::Normal << " 3 " << QString() << QList{names} << 4 << 16;
        QTest::newRow("pictures layout")
            << DeckMode::Children << "1" << QString() << pictures << 20 << 16;
        QTest::newRow("Letter paper")
            << DeckMode::Normal << "1" << QString("Letter") << QList{names} << 4 << 12;
    }
    // The copies as pages, the cut marks and each card's photo box at their places, a photo of
    // any shape round in every box, and every photo printed in its box's proportions at 300
    // pixels per inch or more.
    void frontPage() {
        QFETCH(DeckMode, deck);
        QFETCH(QString, copies);
        QFETCH(QString, paper);
        QFETCH(QList<QRect>, boxes);
        QFETCH(int, photos);
        QFETCH(int, marks);
        PrintFixture fixture;
        const RenderedPdf printed = print(fixture, 1, deck, copies, paper);
        QVERIFY2(!printed.page.isNull(), qPrintable(fixture.prompts.lastText()));
        QCOMPARE(printed.pages, copies.trimmed().toInt());
        QCOMPARE(printed.paper.toLower(), paper.isEmpty() ? "a4" : "letter");
        QCOMPARE(printed.marksInPlace(), marks);
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
            const RenderedPdf printed = print(fixture, 3);
            QVERIFY2(!printed.page.isNull(), qPrintable(fixture.prompts.lastText()));
            QCOMPARE(printed.marksInPlace(), 0);
            offs << printed.offBy(offset, navy);
            QVERIFY(std::abs(offs.last().x()) <= 1.5 && std::abs(offs.last().y()) <= 1.5);
            QCOMPARE(printed.images, decltype(printed.images)(4, {QSize(250, 380), 96}));
        }
        QVERIFY(std::abs(offs[1].x() - offs[0].x()) <= 1.5 &&
                std::abs(offs[1].y() - offs[0].y()) <= 1.5);
    }

    // The test sheet comes out as two jobs: side 1 with a cross at each cell's centre, side 2 with
    // a scale of millimetre ticks from the centre of each back where X and Y put it.
    void testSheetPrintsTwoJobs() {
        PrintFixture fixture;
        fixture.settings.backX = SettingValue::text("2000");
        fixture.settings.backY = 2600;
        NumberedJobs jobs(jobName(), m_queue);
        fixture.prompts.okCancel << true;
        const auto dialog = fixture.open(DeckMode::Normal, &jobs);
        control<QScrollBar>(*dialog, "VScroll1")->setValue(2);
        QVERIFY2(dialog->printTestSheet(), qPrintable(fixture.prompts.lastText()));
        const RenderedPdf side1 = read(jobs.name + "-1"), side2 = read(jobs.name + "-2");
        const double mm = TestSheet::kMillimetre, pixel = 1440 / kDpi;
        const QPointF cell(1680 + 1860, 2400 + 2850), back = TestSheet::backCentre({2000, 2600});
        const QList<double> arm =
            side1.darkRuns(cell.y(), cell.x() - 12 * mm, cell.x() + 12 * mm, Along::Across);
        QVERIFY(arm.size() == 1 && std::abs(arm[0] - cell.x()) < 2 * pixel);
        const QList<double> ticks = side2.darkRuns(back.y() + 0.5 * mm, back.x() - 0.5 * mm,
                                                   back.x() + 15.5 * mm, Along::Across);
        QCOMPARE(ticks.size(), 16);
        QVERIFY(std::abs(ticks.first() - back.x()) < 2 * pixel);
        QVERIFY(std::abs(ticks.last() - ticks.first() - 15 * mm) < 2 * pixel);
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
