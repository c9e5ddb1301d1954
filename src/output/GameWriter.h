// Writes a whole game as one PDF: series after series, each a page of fronts and its mirrored
// page of backs, with the photos decoded on the thread pool while earlier series are drawn.
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
#include <deque>
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
// written, so memory does not grow with the game. A series file that cannot be read is skipped;
// a photo that cannot be read shows as an empty outlined canvas.
class GameWriter final : public QObject {
    Q_OBJECT
public:
    explicit GameWriter(GameRequest request, QObject* parent = nullptr);
    ~GameWriter() override;

    // Opens the file and starts; every outcome, a failure to start included, comes through
    // finished(), from the event loop.
    void start();
    // Stops and leaves no file behind (an existing file of the name stays as it was); finished()
    // then reports Cancelled. Does nothing once the game is finished.
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

    void readAhead();
    void drawReady();
    void end(GameReport::Outcome outcome, const QString& failure = {});

    GameRequest m_request;
    std::unique_ptr<PdfPages> m_pages;
    std::optional<SeriesPages> m_seriesPages;
    std::deque<Pending> m_pending; // read, photos being decoded, in the order of the pages
    qsizetype m_nextFile = 0;
    int m_done = 0;
    GameReport m_report;
    bool m_running = false;
};
