// A series' two pages in a PDF for double-sided printing: its fronts as the print job draws them,
// then its backs, mirrored so that each lies exactly behind its front.
#include "SeriesPages.h"

#include "CardFaces.h"

namespace {
constexpr qint32 kBackY = 2400; // turned over the long edge, a back keeps its front's top
} // namespace

SeriesPages::SeriesPages(DeckMode deckMode, PrintJob backs)
    : m_deckMode(deckMode), m_backs(std::move(backs)),
      m_cardFrame(QStringLiteral(":/pictures/card-outline.png")) {}

Result<SeriesPages> SeriesPages::prepare(DeckMode deckMode, const QString& designPath,
                                         const QPageSize& paper) {
    PrintRequest request;
    request.copiesText = QStringLiteral("1");
    request.position = 2; // any design: the picture is named by its path
    request.backX = SettingValue::number(PdfPages::mirroredBackX(paper));
    request.backY = kBackY;
    request.designPath = designPath;
    request.notDone = tr("Er is geen PDF geschreven.");
    Result<PrintJob> backs = PrintJob::prepare(request);
    if (!backs)
        return Error{backs.error()};
    return SeriesPages(deckMode, std::move(backs).value());
}

Status SeriesPages::add(PdfPages& pages, const FaceSheet& sheet) const {
    PrintRequest request;
    request.copiesText = QStringLiteral("1");
    request.deckMode = m_deckMode;
    request.fronts = [&sheet] { return sheet; };
    request.cardFrame = m_cardFrame;
    const Result<PrintJob> fronts = PrintJob::prepare(request);
    if (!fronts)
        return Error{fronts.error()};
    if (const Status added = pages.add(fronts.value()); !added)
        return added;
    return pages.add(m_backs);
}

Status SeriesPages::writeSeries(const QString& path, const FaceSheet& sheet, DeckMode deckMode,
                                const QString& designPath, const QPageSize& paper) {
    const Result<SeriesPages> series = prepare(deckMode, designPath, paper);
    if (!series)
        return Error{series.error()};
    Result<std::unique_ptr<PdfPages>> pages =
        PdfPages::open(path, CardFaces::title(sheet.seriesName), failureLead(), paper);
    if (!pages)
        return Error{pages.error()};
    if (const Status added = series->add(*pages.value(), sheet); !added)
        return added;
    return pages.value()->finish();
}
