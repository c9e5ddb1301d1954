// Writes a whole game as one PDF: series after series, each a page of fronts and its mirrored
// page of backs, with the photos decoded on the thread pool while earlier series are drawn.
#include "GameWriter.h"

#include "CardFaces.h"
#include "GameSheet.h"
#include "PhotoLocations.h"
#include "PhotoPreparer.h"
#include "SeriesFile.h"

#include <QFileInfo>

namespace {
// Series whose photos are decoded at once: enough to keep every core busy while one is drawn.
constexpr size_t kAhead = 3;
} // namespace

GameWriter::GameWriter(GameRequest request, QObject* parent)
    : QObject(parent), m_request(std::move(request)) {
    m_report.path = m_request.outputPath;
    m_report.paper = PdfPages::paperName(m_request.paper);
}

GameWriter::~GameWriter() = default;

void GameWriter::start() {
    if (m_running || m_done > 0)
        return;
    m_running = true;
    if (m_request.seriesFiles.isEmpty())
        return end(GameReport::Outcome::Failed,
                   QStringLiteral("Er zijn geen series om in het spel te zetten. Er is geen PDF "
                                  "geschreven."));
    Result<SeriesPages> pages =
        SeriesPages::prepare(m_request.deckMode, m_request.designPath, m_request.paper);
    if (!pages)
        return end(GameReport::Outcome::Failed, pages.error());
    m_seriesPages.emplace(std::move(pages).value());
    Result<std::unique_ptr<PdfPages>> opened =
        PdfPages::open(m_request.outputPath, QStringLiteral("Mosaret spel"),
                       SeriesPages::failureLead(), m_request.paper);
    if (!opened)
        return end(GameReport::Outcome::Failed, opened.error());
    m_pages = std::move(opened).value();
    readAhead();
}

void GameWriter::cancel() {
    if (m_running)
        end(GameReport::Outcome::Cancelled);
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
        pending.photos->setFuture(
            PhotoPreparer::prepareAll(PhotoLocations::of(pending.series, path)));
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
    while (m_running && !m_pending.empty() && m_pending.front().photos->future().isFinished() &&
           m_pending.front().photos->future().resultCount() > 0) {
        const Pending& next = m_pending.front();
        const FaceSheet sheet =
            GameSheet::build(next.name, next.series, next.photos->future().result());
        if (const Status added = m_seriesPages->add(*m_pages, sheet); !added)
            return end(GameReport::Outcome::Failed, added.error());
        ++m_report.written;
        ++m_done;
        m_pending.pop_front();
        readAhead();
    }
}

void GameWriter::end(GameReport::Outcome outcome, const QString& failure) {
    m_running = false;
    m_pending.clear(); // photos still being decoded are dropped when they are done
    m_report.outcome = outcome;
    m_report.failure = failure;
    if (outcome == GameReport::Outcome::Written) {
        const Status finished = m_report.written > 0
                                    ? m_pages->finish()
                                    : Status(Error{QStringLiteral("Geen enkele serie kon worden "
                                                                  "geladen. Er is geen PDF "
                                                                  "geschreven.")});
        if (!finished) {
            m_report.outcome = GameReport::Outcome::Failed;
            m_report.failure = finished.error();
        }
    }
    if (m_report.outcome != GameReport::Outcome::Written)
        m_report.written = 0; // drawn, perhaps, but not written
    m_pages.reset();          // unfinished, the temporary file goes and an old file stays
    QMetaObject::invokeMethod(
        this, [this, report = m_report] { emit finished(report); }, Qt::QueuedConnection);
}
