// The whole game written from the window: a progress window with a cancel button while the PDF is
// written, then one message that says what was written and what was skipped.
#include "GameExport.h"

namespace {
QString title() {
    return GameExport::tr("Heel spel als PDF");
}
} // namespace

GameExport::GameExport(GameRequest request, UserPrompts& prompts, QObject* parent)
    : QObject(parent), m_writer(std::move(request)), m_prompts(prompts) {
    connect(&m_writer, &GameWriter::progress, this, [this](int done, const QString& next) {
        if (m_progress)
            m_progress->show(done, tr("Serie %1 van %2: %3")
                                       .arg(std::min(done + 1, m_writer.seriesCount()))
                                       .arg(m_writer.seriesCount())
                                       .arg(next));
    });
    connect(&m_writer, &GameWriter::finished, this, &GameExport::report);
}

void GameExport::start() {
    m_progress =
        m_prompts.showProgress(title(), m_writer.seriesCount(), [this] { m_writer.cancel(); });
    m_writer.start();
}

void GameExport::report(const GameReport& report) {
    m_progress.reset();
    if (report.outcome == GameReport::Outcome::Failed)
        m_prompts.warn(title(), report.message());
    else
        m_prompts.inform(title(), report.message());
    deleteLater();
}
