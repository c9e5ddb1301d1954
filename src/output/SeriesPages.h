// A series' two pages in a PDF for double-sided printing: its fronts as the print job draws them,
// then its backs, mirrored so that each lies exactly behind its front.
#pragma once

#include "DeckMode.h"
#include "FaceSheet.h"
#include "PdfPages.h"
#include "PrintJob.h"
#include "Result.h"

#include <QCoreApplication>
#include <QImage>
#include <QString>

class SeriesPages final {
    Q_DECLARE_TR_FUNCTIONS(SeriesPages)

public:
    // Reads the back design once for every series of a document, and the card outline; an error
    // names a design that cannot be read.
    // The backs are mirrored for `paper`.
    static Result<SeriesPages> prepare(DeckMode deckMode, const QString& designPath,
                                       const QPageSize& paper = QPageSize(QPageSize::A4));

    // Adds the page of fronts of `sheet` in the deck's layout, then its page of backs.
    Status add(PdfPages& pages, const FaceSheet& sheet) const;

    // Writes `sheet` alone as a two-page PDF at `path`, whole or not at all.
    static Status writeSeries(const QString& path, const FaceSheet& sheet, DeckMode deckMode,
                              const QString& designPath,
                              const QPageSize& paper = QPageSize(QPageSize::A4));

    // How a failure to write a PDF starts.
    static QString failureLead() { return tr("De PDF is niet opgeslagen"); }

private:
    SeriesPages(DeckMode deckMode, PrintJob backs);

    DeckMode m_deckMode;
    PrintJob m_backs;
    QImage m_cardFrame; // one picture for every page, so the PDF holds it once
};
