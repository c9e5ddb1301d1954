// Pages printed through the real print job on the default print queue, from click to PDF file.
#include "BenchPictures.h"
#include "BenchWork.h"
#include "Benchmarks.h"
#include "DesignsFolder.h"
#include "PdfImages.h"
#include "PrintJob.h"
#include "PrinterPageSink.h"
#include "ProgramFolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImageReader>
#include <QRandomGenerator>
#include <QThread>

namespace {
enum class Page { Names, Pictures, Backs };

const QString kPdfFolder = qEnvironmentVariable("MOSARET_PDF_DIR", "/var/spool/cups-pdf/mosaret");

// The photo boxes of both layouts and the card back, in twips.
const QList<QSizeF> kPhotoBoxes{{3220, 2400}, {3120, 3000}, {900, 900}};
constexpr QSizeF kBack{3750, 5700};

// The PDF the queue writes for a job whose name holds `tag`, once it is complete; empty after a
// minute without one.
QString waitForPdf(const QString& tag) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 60000) {
        for (const QString& name : QDir(kPdfFolder).entryList({'*' + tag + "*.pdf"}, QDir::Files)) {
            QFile pdf(kPdfFolder + '/' + name);
            if (pdf.open(QIODevice::ReadOnly) && pdf.size() > 64 && pdf.seek(pdf.size() - 64) &&
                pdf.read(64).contains("%%EOF"))
                return pdf.fileName();
        }
        QThread::msleep(5);
    }
    return {};
}

PrintRequest requestFor(const BenchWork& work, Page page, const FaceSheet& sheet) {
    PrintRequest request;
    request.copiesText = QStringLiteral("1");
    request.deckMode = page == Page::Pictures ? DeckMode::Children : DeckMode::Normal;
    request.position = page == Page::Backs ? 2 : 1;
    request.fronts = [sheet] { return sheet; };
    request.designPath =
        DesignsFolder(ProgramFolder(work.programFolder()).designsFolder()).picturePath(2);
    return request;
}

// The figures read from the printed PDF: its size, the photos' least resolution, and whether
// the backs kept the design's own pixels.
void inspect(benchmark::State& state, const QString& pdf, Page page, const QString& design) {
    state.counters["pdf_mb"] = double(QFileInfo(pdf).size()) / 1e6;
    const QList<PdfImages::Image> images = PdfImages::list(pdf);
    if (page == Page::Backs) {
        const QSize own = QImageReader(design).size();
        int backs = 0;
        for (const PdfImages::Image& image : images)
            backs += PdfImages::drawnAt(image, kBack) && image.pixels == own;
        state.counters["backs_at_own_size"] = backs;
        return;
    }
    int photos = 0;
    double least = 1e9;
    for (const PdfImages::Image& image : images) {
        for (const QSizeF& box : kPhotoBoxes) {
            if (PdfImages::drawnAt(image, box)) {
                ++photos;
                least = std::min({least, image.ppi.width(), image.ppi.height()});
            }
        }
    }
    state.counters["photos"] = photos;
    state.counters["photo_min_ppi"] = photos ? least : 0;
}

void printToQueue(benchmark::State& state, const BenchWork& work, Page page) {
    std::optional<FaceSheet> prepared = work.frontSheet({});
    if (!prepared)
        return state.SkipWithError("a photo could not be prepared");
    FaceSheet& sheet = *prepared;
    for (auto _ : state) {
        const QString tag = QStringLiteral("Bench%1").arg(QRandomGenerator::global()->generate());
        sheet.seriesName = tag + QStringLiteral(".msr");
        const PrintRequest request = requestFor(work, page, sheet);
        QElapsedTimer clock;
        clock.start();
        const Result<PrintJob> job = PrintJob::prepare(request);
        if (!job)
            return state.SkipWithError(qPrintable(job.error()));
        // The document name of a back page names the design; the tag goes in the printer's title.
        PrinterPageSink printer(page == Page::Backs ? tag : job->documentName());
        const Status printed = job->print(printer);
        if (!printed)
            return state.SkipWithError(qPrintable(printed.error()));
        state.counters["handed_over_ms"] = double(clock.elapsed());
        const QString pdf = waitForPdf(tag);
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
        if (pdf.isEmpty())
            return state.SkipWithError("the print queue wrote no PDF within a minute");
        inspect(state, pdf, page, request.designPath);
        QFile::remove(pdf);
    }
}
} // namespace

void registerPrintBenchmarks(const BenchWork& work) {
    for (const auto& [name, page] :
         {std::pair{"names", Page::Names}, std::pair{"pictures", Page::Pictures},
          std::pair{"backs", Page::Backs}})
        benchmark::RegisterBenchmark((std::string("print_to_queue/") + name).c_str(), printToQueue,
                                     work, page)
            ->Unit(benchmark::kMillisecond)
            ->UseManualTime()
            ->Iterations(1);
}
