// One checked print job: the page of fronts or backs to draw and the number of copies.
#include "PrintJob.h"

#include "CardBacks.h"
#include "CardFaces.h"
#include "CutMarks.h"
#include "PrintFields.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

namespace {

// A back is 3750 x 5700 twips; more pixels than 600 dots per inch on it add nothing to the print.
constexpr QSize kDesignPixels{1563, 2375};

Result<QImage> loadDesign(const QString& path) {
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.width() > kDesignPixels.width() || size.height() > kDesignPixels.height())
        reader.setScaledSize(size.boundedTo(kDesignPixels)); // stretched to the back anyway
    QImage design = reader.read();
    if (design.isNull())
        return Error{QStringLiteral("Het ontwerp voor de rugzijde kan niet worden geladen:\n%1\n\n"
                                    "Er is niets afgedrukt.")
                         .arg(QDir::toNativeSeparators(path))};
    return design;
}

} // namespace

Result<PrintJob> PrintJob::prepare(const PrintRequest& request) {
    PrintJob job;
    const std::optional<int> copies = PrintFields::copies(request.copiesText);
    if (!copies)
        return Error{QStringLiteral("Vul bij \"Aantal afdrukken\" een heel getal van 1 tot en met "
                                    "%1 in. Er is niets afgedrukt.")
                         .arg(PrintFields::kMaxCopies)};
    job.m_copies = *copies;
    job.m_deckMode = request.deckMode;
    if (request.position <= 1) {
        job.m_page = Page::Fronts;
        if (request.fronts)
            job.m_fronts = request.fronts();
        // Fronts always stand on the blank card outline, whatever backs were printed before.
        job.m_fronts.cardFrame = QImage(QStringLiteral(":/pictures/card-outline.png"));
        job.m_documentName = CardFaces::title(job.m_fronts.seriesName);
        return job;
    }
    job.m_page = Page::Backs;
    const std::optional<double> backX = PrintFields::backX(request.backX);
    if (!backX)
        return Error{QStringLiteral("De X-coördinaat van de rugzijde (\"%1\") is geen getal. Vul "
                                    "bij X een getal in, bijvoorbeeld 1680. Er is niets "
                                    "afgedrukt.")
                         .arg(request.backX.display())};
    job.m_backX = *backX;
    if (!request.backY)
        return Error{
            QStringLiteral("De Y-coördinaat van de rugzijde is geen heel getal. Vul bij Y "
                           "een heel getal in, bijvoorbeeld 2400. Er is niets afgedrukt.")};
    job.m_backY = *request.backY;
    Result<QImage> design = loadDesign(request.designPath);
    if (!design)
        return Error{design.error()};
    job.m_design = std::move(design).value();
    job.m_documentName =
        QStringLiteral("Mosaret rugzijde ") + QFileInfo(request.designPath).fileName();
    return job;
}

void PrintJob::draw(QPainter& painter) const {
    if (m_page == Page::Backs) {
        CardBacks::draw(painter, m_design, m_backX, m_backY);
        return;
    }
    if (m_deckMode == DeckMode::Normal)
        CardFaces::drawNamesLayout(painter, m_fronts);
    else
        CardFaces::drawPicturesLayout(painter, m_fronts);
    CutMarks::draw(painter);
}

Status PrintJob::print(PageSink& sink) const {
    Result<QPainter*> painter = sink.begin(m_copies);
    if (!painter)
        return Error{painter.error()};
    draw(*painter.value());
    return sink.finish();
}
