// One checked print job: the page of fronts, backs or the test sheet to draw, and the copies.
#include "PrintJob.h"

#include "CardBacks.h"
#include "CardFaces.h"
#include "CutMarks.h"
#include "PrintFields.h"
#include "TestSheet.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <algorithm>

namespace {

// A back is 3750 x 5700 twips; more pixels than 600 dots per inch on it add nothing to the print.
constexpr QSize kDesignPixels{1563, 2375};

// The design picture at `path`; a refusal ends with `notDone`.
Result<QImage> loadDesign(const QString& path, const QString& notDone) {
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.width() > kDesignPixels.width() || size.height() > kDesignPixels.height())
        reader.setScaledSize(size.boundedTo(kDesignPixels)); // stretched to the back anyway
    QImage design = reader.read();
    if (design.isNull())
        return Error{PrintJob::tr("Het ontwerp voor de rugzijde kan niet worden geladen:\n%1\n\n%2")
                         .arg(QDir::toNativeSeparators(path), notDone)};
    return design;
}

} // namespace

Result<PrintJob> PrintJob::prepare(const PrintRequest& request) {
    PrintJob job;
    const std::optional<int> copies = PrintFields::copies(request.copiesText);
    if (!copies)
        return Error{tr("Vul bij \"Aantal afdrukken\" een heel getal van 1 tot en met "
                        "%1 in. %2")
                         .arg(QString::number(PrintFields::kMaxCopies), request.notDone)};
    job.m_copies = *copies;
    job.m_deckMode = request.deckMode;
    if (request.position <= 1) {
        job.m_page = Page::Fronts;
        if (request.fronts)
            job.m_fronts = request.fronts();
        // Fronts always stand on the blank card outline, whatever backs were printed before.
        job.m_fronts.cardFrame = request.cardFrame.isNull()
                                     ? QImage(QStringLiteral(":/pictures/card-outline.png"))
                                     : request.cardFrame;
        job.m_documentName = CardFaces::title(job.m_fronts.seriesName);
        return job;
    }
    job.m_page = Page::Backs;
    if (const Status placed = job.placeBacks(request); !placed)
        return Error{placed.error()};
    Result<QImage> design = loadDesign(request.designPath, request.notDone);
    if (!design)
        return Error{design.error()};
    job.m_design = std::move(design).value();
    job.m_documentName = tr("Mosaret rugzijde ") + QFileInfo(request.designPath).fileName();
    return job;
}

Result<std::array<PrintJob, 2>> PrintJob::prepareTestSheet(const PrintRequest& request) {
    std::array<PrintJob, 2> sides{PrintJob(), PrintJob()};
    sides[0].m_page = Page::TestFronts;
    sides[1].m_page = Page::TestBacks;
    // The second side is checked before the first is printed, so a bad field wastes no paper.
    if (const Status placed = sides[1].placeBacks(request); !placed)
        return Error{placed.error()};
    for (int side = 1; side <= 2; ++side)
        sides[size_t(side - 1)].m_documentName = tr("Mosaret testvel kant %1").arg(side);
    return sides;
}

Status PrintJob::placeBacks(const PrintRequest& request) {
    const std::optional<double> backX = PrintFields::backX(request.backX);
    if (!backX)
        return Error{tr("De X-coördinaat van de rugzijde (\"%1\") is geen getal. Vul "
                        "bij X een getal in, bijvoorbeeld 1680. %2")
                         .arg(request.backX.display(), request.notDone)};
    if (!request.backY)
        return Error{tr("De Y-coördinaat van de rugzijde is geen heel getal. Vul bij Y "
                        "een heel getal in, bijvoorbeeld 2400. %1")
                         .arg(request.notDone)};
    m_backX = *backX;
    m_backY = *request.backY;
    return Status::success();
}

void PrintJob::draw(QPainter& painter, double printableHeight) const {
    const int up = CutMarks::shift(printableHeight);
    switch (m_page) {
    case Page::Backs:
        CardBacks::draw(painter, m_design, m_backX,
                        up == 0 ? m_backY
                                : qint32(std::max<qint64>(INT32_MIN, qint64(m_backY) + up)));
        return;
    case Page::TestFronts:
        TestSheet::drawFronts(painter);
        return;
    case Page::TestBacks:
        TestSheet::drawBacks(painter, m_backX, m_backY);
        return;
    case Page::Fronts:
        break;
    }
    const QTransform page = painter.transform();
    if (up != 0)
        painter.translate(0, up);
    if (m_deckMode == DeckMode::Normal)
        CardFaces::drawNamesLayout(painter, m_fronts);
    else
        CardFaces::drawPicturesLayout(painter, m_fronts);
    if (up != 0)
        painter.setTransform(page);
    CutMarks::draw(painter, printableHeight);
}

Status PrintJob::print(PageSink& sink) const {
    Result<QPainter*> painter = sink.begin(m_copies);
    if (!painter)
        return Error{painter.error()};
    draw(*painter.value(), sink.printableHeight());
    return sink.finish();
}
