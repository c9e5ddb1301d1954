// Printing on the test print queue, read back from the PDF files it writes.
#include "PrintFixture.h"
#include "PrinterPageSink.h"
#include "RenderedPdf.h"

#include <QtPrintSupport>

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
        QString pdf;
        const auto written = [&] {
            for (const QString& file : pdfsNamed(name))
                if (RenderedPdf::pageCount(m_pdfDir + '/' + file) > 0)
                    pdf = m_pdfDir + '/' + file;
            return !pdf.isEmpty();
        };
        return QTest::qWaitFor(written, 30000) ? pdf : QString();
    }
    // Prints through a dialog on the A4 queue, or the one whose paper is `paper`, and reads back
    // the first page once the queue has written it whole, then removes the PDF.
    RenderedPdf print(PrintFixture& fixture, int position, const QString& copies = "1",
                      const QString& paper = {}) const {
        const QString name = jobName(), queue = m_queue + paper;
        PrinterPageSink sink(name, queue);
        if (!PrintFixture::print(*fixture.open(DeckMode::Normal, &sink), copies, position))
            return {};
        const QString pdf = waitForPdf(name);
        // The printable area of the queue's own paper, as the printer reports it.
        const QPrinterInfo info = QPrinterInfo::printerInfo(queue);
        QPrinter printer(info, QPrinter::HighResolution);
        printer.setPageSize(info.defaultPageSize());
        RenderedPdf printed(pdf, kDpi, 1,
                            printer.pageLayout().paintRect(QPageLayout::Point).topLeft() * 20);
        QFile::remove(pdf);
        return printed;
    }

private slots:
    void initTestCase() {
        QVERIFY2(RenderedPdf::run("lpstat", {"-r"}).contains("scheduler is running") &&
                     !QPrinterInfo::printerInfo(m_queue).isNull() && QFileInfo(m_pdfDir).isDir(),
                 "No print server, queue or PDF folder: scripts/services sets them up, "
                 "ctest -LE printer leaves these tests out.");
    }

    void sheetPrints_data() {
        QTest::addColumn<QString>("copies");
        QTest::addColumn<QString>("paper"); // the queue's paper: "" A4, or "Letter"
        QTest::newRow("A4") << " 3 " << QString();
        QTest::newRow("Letter") << "1" << QString("Letter");
    }
    // Fronts: copies, 16 cut marks, cards on the blank outline, photos round and at 300 ppi or more
    // (on Letter all higher). Backs: no marks, the design's own pixels where X and Y put them.
    void sheetPrints() {
        QFETCH(QString, copies);
        QFETCH(QString, paper);
        PrintFixture fixture;
        const RenderedPdf printed = print(fixture, 1, copies, paper);
        QVERIFY2(!printed.page.isNull(), qPrintable(fixture.prompts.lastText()));
        QCOMPARE(printed.pages, copies.trimmed().toInt());
        QCOMPARE(printed.paper.toLower(), paper.isEmpty() ? "a4" : "letter");
        const QPointF moved = printed.offBy(RenderedPdf::kCardCorners[0], outlineAt(1, 608));
        QVERIFY(paper.isEmpty() ? RenderedPdf::longest(moved) <= 2 : moved.y() < -20);
        QCOMPARE(printed.marksInPlace(moved.y() * 1440 / kDpi), 16);
        const QRect box(280, 800, 3220, 2400);
        for (QPoint corner : RenderedPdf::kCardCorners) {
            QVERIFY2(
                RenderedPdf::longest(printed.offBy(corner + box.topLeft(), Qt::black) - moved) <= 2,
                "photo box");
            QVERIFY2(RenderedPdf::longest(printed.offBy(corner, outlineAt(1, 608)) - moved) <= 2,
                     "card");
            corner += (moved * 1440 / kDpi).toPoint();
            const QRect area = QRectF(printed.at(corner.x() + box.left(), corner.y() + box.top()),
                                      QSizeF(box.size()) * kDpi / 1440)
                                   .toRect();
            QVERIFY2(TestPictures::round(TestPictures::disc(printed.page, area)), "photo");
        }
        QCOMPARE(printed.sharpImages({box.size()}), 4);

        fixture.settings.backX = SettingValue::text("2000");
        fixture.settings.backY = 3000;
        const RenderedPdf backs = print(fixture, 3, "1", paper);
        QVERIFY2(!backs.page.isNull(), qPrintable(fixture.prompts.lastText()));
        QCOMPARE(backs.marksInPlace(), 0);
        const QPointF shift = paper.isEmpty() ? QPointF() : moved;
        QVERIFY(RenderedPdf::longest(backs.offBy({2000, 3000}, kDesignColours[2]) - shift) <= 1.5);
        QCOMPARE(backs.images, decltype(backs.images)(4, {QSize(250, 380), 96}));
    }

    // A job for a printer that is not there is reported and leaves nothing in the (ordered) queue.
    void failedJobPrintsNothing() {
        PrintFixture fixture;
        const QString failed = jobName();
        PrinterPageSink sink(failed, "MosaretGeen");
        QVERIFY(!PrintFixture::print(*fixture.open(DeckMode::Normal, &sink), "1", 1));
        QCOMPARE(fixture.prompts.kinds(), QStringList{"warn"});
        QVERIFY2(fixture.prompts.lastText().contains("niet gevonden"),
                 qPrintable(fixture.prompts.lastText()));
        QVERIFY(!print(fixture, 1).page.isNull());
        const QStringList printed = pdfsNamed(failed);
        for (const QString& file : printed) // not left behind when the test fails
            QFile::remove(m_pdfDir + '/' + file);
        QCOMPARE(printed, QStringList());
    }
};

QTEST_MAIN(PrintQueueTest)
#include "PrintQueueTest.moc"
