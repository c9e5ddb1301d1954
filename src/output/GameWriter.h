// Writes a whole game as one PDF: series after series, each a page of fronts and its mirrored
// page of backs, with the photos decoded on the thread pool while earlier series are drawn on a
// thread of their own.
#pragma once

#include "DeckMode.h"
#include "GameReport.h"
#include "PdfPages.h"
#include "PreparedPhoto.h"
#include "Result.h"
#include "Series.h"
#include "SeriesPages.h"

#include <QFutureWatcher>
#include <QObject>
#include <QPageSize>
#include <QStringList>
#include <QThreadPool>
#include <atomic>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

struct GameRequest final {
    QStringList seriesFiles; // in the order of the pages
    QString outputPath;
    DeckMode deckMode = DeckMode::Normal;
    QString designPath; // the picture on every back
    QPageSize paper = QPageSize(QPageSize::A4);
};

// Works from the event loop and never waits: the photos of the next few series are decoded on
// the thread pool while a series is drawn, and each series is released once its pages are
// written, so memory does not grow with the game. The pages are drawn, and the file is finished,
// on a thread of the writer's own, one series at a time in the order of the pages, so the owner's
// thread stays free for its events. A series file that cannot be read is skipped; a photo that
// cannot be read shows as an empty outlined canvas.
class GameWriter final : public QObject {
    Q_OBJECT
public:
    explicit GameWriter(GameRequest request, QObject* parent = nullptr);
    ~GameWriter() override;

    // Opens the file and starts; every outcome, a failure to start included, comes through
    // finished(), from the event loop.
    void start();
    // Stops and leaves no file behind (an existing file of the name stays as it was); finished()
    // then reports Cancelled, once a series being drawn is done. Too late once the whole file is
    // being put in place: the game is then written. Does nothing once the game is finished.
    void cancel();

    int seriesCount() const { return int(m_request.seriesFiles.size()); }

signals:
    // `done` series have been dealt with (written or skipped); `next` is the one worked on now.
    void progress(int done, const QString& next);
    void finished(const GameReport& report);

private:
    using Photos = std::vector<Result<PreparedPhoto>>;
    struct Pending {
        QString name;
        Series series;
        std::unique_ptr<QFutureWatcher<Photos>> photos;
    };

    // Opens the file once the design and the card outline are read, and starts reading series.
    void prepared(const Status& prepared);
    void readAhead();
    // Hands the first series to the drawing thread once its photos are ready and no other series
    // is being drawn.
    void drawReady();
    void seriesDrawn(const Status& drawn);
    // Stops reading; a game that was written whole is finished on the drawing thread.
    void end(GameReport::Outcome outcome, const QString& failure = {});
    void documentFinished(const Status& finished);
    // Lets the file go (unfinished, nothing is left behind) and reports `outcome`.
    void conclude(GameReport::Outcome outcome, const QString& failure);
    // Runs `work` on the drawing thread; `then` gets its outcome on the owner's thread.
    void onDrawingThread(std::function<Status()> work, void (GameWriter::*then)(const Status&));

    GameRequest m_request;
    std::unique_ptr<PdfPages> m_pages;
    std::optional<SeriesPages> m_seriesPages;
    std::deque<Pending> m_pending; // read, photos being decoded, in the order of the pages
    qsizetype m_nextFile = 0;
    int m_done = 0;
    GameReport m_report;
    bool m_running = false;
    QFutureWatcher<Status>* m_drawing = nullptr; // a series or the file's end, while drawn
    std::atomic<bool> m_cancelled = false; // read by the drawing thread before it finishes the file
    QThreadPool m_drawingThread;           // one thread, destroyed first: it waits for its work
};
