// Writes a whole game as one PDF: series after series, each a page of fronts and its mirrored
// page of backs, with the photos decoded on the thread pool while earlier series are drawn on a
// thread of their own.
#include "GameWriter.h"

#include "CardFaces.h"
#include "GameSheet.h"
#include "PhotoLocations.h"
#include "PhotoPreparer.h"
#include "SeriesFile.h"

#include <QFileInfo>
#include <QPromise>

namespace {
// Series whose photos are decoded at once: enough to keep every core busy while one is drawn.
constexpr size_t kAhead = 3;

// Which cards of `series` are framed: only their photos need a whole picture in the game.
QList<bool> framed(const Series& series) {
    QList<bool> cards;
    for (int card = 1; card <= kCards; ++card)
        cards << !series.framing(card).isDefault();
    return cards;
}
} // namespace

GameWriter::GameWriter(GameRequest request, QObject* parent)
    : QObject(parent), m_request(std::move(request)) {
    m_report.path = m_request.outputPath;
    m_report.paper = PdfPages::paperName(m_request.paper);
    m_drawingThread.setMaxThreadCount(1);
}

GameWriter::~GameWriter() {
    // A file being finished is not put in place; the drawing thread is waited for (one series at
    // most) before the document it draws on goes.
    m_cancelled = true;
    m_drawingThread.waitForDone();
}

void GameWriter::start() {
    if (m_running || m_done > 0)
        return;
    m_running = true;
    if (m_request.seriesFiles.isEmpty())
        return end(GameReport::Outcome::Failed,
                   tr("Er zijn geen series om in het spel te zetten. Er is geen PDF "
                      "geschreven."));
    // Reading the back design and the card outline takes a while: done where the pages are drawn.
    onDrawingThread(
        [this] {
            Result<SeriesPages> pages =
                SeriesPages::prepare(m_request.deckMode, m_request.designPath, m_request.paper);
            if (!pages)
                return Status(Error{pages.error()});
            m_seriesPages.emplace(std::move(pages).value());
            return Status::success();
        },
        &GameWriter::prepared);
}

void GameWriter::prepared(const Status& prepared) {
    if (m_cancelled)
        return conclude(GameReport::Outcome::Cancelled, {});
    if (!prepared)
        return end(GameReport::Outcome::Failed, prepared.error());
    Result<std::unique_ptr<PdfPages>> opened = PdfPages::open(
        m_request.outputPath, tr("Mosaret spel"), SeriesPages::failureLead(), m_request.paper);
    if (!opened)
        return end(GameReport::Outcome::Failed, opened.error());
    m_pages = std::move(opened).value();
    readAhead();
}

void GameWriter::cancel() {
    if (m_drawing) { // reported once the drawing thread is done
        m_cancelled = true;
        m_running = false;
        m_pending.clear();
    } else if (m_running) {
        end(GameReport::Outcome::Cancelled);
    }
}

void GameWriter::readAhead() {
    while (m_running && m_pending.size() < kAhead && m_nextFile < m_request.seriesFiles.size()) {
        const QString path = m_request.seriesFiles[m_nextFile++];
        const QString name = QFileInfo(path).fileName();
        Result<Series> read = SeriesFile::read(path, name);
        if (!read) {
            m_report.skipped << name + QStringLiteral(": ") + read.error();
            ++m_done;
            continue;
        }
        Pending pending{name, std::move(read).value(), std::make_unique<QFutureWatcher<Photos>>()};
        connect(pending.photos.get(), &QFutureWatcher<Photos>::finished, this,
                &GameWriter::drawReady);
        pending.photos->setFuture(PhotoPreparer::prepareAll(
            PhotoLocations::of(pending.series, path), framed(pending.series)));
        m_pending.push_back(std::move(pending));
    }
    if (!m_running)
        return;
    if (m_pending.empty())
        return end(GameReport::Outcome::Written);
    emit progress(m_done, m_pending.front().name);
}

void GameWriter::drawReady() {
    // Series are drawn in order: one whose photos came early waits for those before it.
    if (!m_running || m_drawing || m_pending.empty() ||
        !m_pending.front().photos->future().isFinished() ||
        m_pending.front().photos->future().resultCount() == 0)
        return;
    const Pending& next = m_pending.front();
    const FaceSheet sheet =
        GameSheet::build(next.name, next.series, next.photos->future().result());
    onDrawingThread([pages = m_pages.get(), series = &*m_seriesPages,
                     sheet] { return series->add(*pages, sheet); },
                    &GameWriter::seriesDrawn);
}

void GameWriter::seriesDrawn(const Status& drawn) {
    if (m_cancelled)
        return conclude(GameReport::Outcome::Cancelled, {});
    if (!drawn)
        return end(GameReport::Outcome::Failed, drawn.error());
    ++m_report.written;
    ++m_done;
    m_pending.pop_front();
    readAhead();
    drawReady();
}

void GameWriter::end(GameReport::Outcome outcome, const QString& failure) {
    m_running = false;
    m_pending.clear(); // photos still being decoded are dropped when they are done
    if (outcome != GameReport::Outcome::Written)
        return conclude(outcome, failure);
    if (m_report.written == 0)
        return conclude(GameReport::Outcome::Failed,
                        tr("Geen enkele serie kon worden geladen. Er is geen PDF geschreven."));
    // Writing the file's end and waiting for the disk can take a while: done where the pages
    // were drawn. A cancel that came first leaves the file unfinished.
    onDrawingThread(
        [pages = m_pages.get(), cancelled = &m_cancelled] {
            return *cancelled ? Status(Error{QString()}) : pages->finish();
        },
        &GameWriter::documentFinished);
}

void GameWriter::documentFinished(const Status& finished) {
    if (m_cancelled && !finished)
        return conclude(GameReport::Outcome::Cancelled, {});
    if (!finished)
        return conclude(GameReport::Outcome::Failed, finished.error());
    conclude(GameReport::Outcome::Written, {});
}

void GameWriter::conclude(GameReport::Outcome outcome, const QString& failure) {
    m_running = false;
    m_pending.clear();
    m_report.outcome = outcome;
    m_report.failure = failure;
    if (outcome != GameReport::Outcome::Written)
        m_report.written = 0; // drawn, perhaps, but not written
    m_pages.reset();          // unfinished, the temporary file goes and an old file stays
    QMetaObject::invokeMethod(
        this, [this, report = m_report] { emit finished(report); }, Qt::QueuedConnection);
}

void GameWriter::onDrawingThread(std::function<Status()> work,
                                 void (GameWriter::*then)(const Status&)) {
    auto promise = std::make_shared<QPromise<Status>>();
    promise->start();
    m_drawing = new QFutureWatcher<Status>(this);
    connect(m_drawing, &QFutureWatcher<Status>::finished, this, [this, then] {
        const Status outcome = m_drawing->future().result();
        m_drawing->deleteLater();
        m_drawing = nullptr;
        (this->*then)(outcome);
    });
    m_drawing->setFuture(promise->future());
    m_drawingThread.start([promise, work = std::move(work)] {
        promise->addResult(work());
        promise->finish();
    });
}
