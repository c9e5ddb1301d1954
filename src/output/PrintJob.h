// One checked print job: the page of fronts, backs or the test sheet to draw, and the copies.
#pragma once

#include "CutMarks.h"
#include "FaceSheet.h"
#include "PageSink.h"
#include "PrintRequest.h"

#include <QCoreApplication>
#include <QImage>
#include <array>

class QPainter;

class PrintJob final {
    Q_DECLARE_TR_FUNCTIONS(PrintJob)

public:
    enum class Page { Fronts, Backs, TestFronts, TestBacks };

    // Checks everything that can fail before a document is opened: the copies, the X position of
    // the backs and their design picture. The error carries the message for the user.
    static Result<PrintJob> prepare(const PrintRequest& request);
    // The two sides of the test sheet, one copy each, after checking the X and Y of the backs.
    static Result<std::array<PrintJob, 2>> prepareTestSheet(const PrintRequest& request);

    Page page() const { return m_page; }
    int copies() const { return m_copies; }
    // The name the print queue shows: the page title for fronts, the design for backs.
    QString documentName() const { return m_documentName; }

    // Draws the page on a painter in twips: title, fronts and cut marks, the four backs, or a side
    // of the test sheet. On a printable area shorter than the fronts with their marks, fronts and
    // backs move up alike (CutMarks::shift), so the backs still land behind the fronts.
    void draw(QPainter& painter, double printableHeight = CutMarks::kTallEnough) const;
    // Opens the sink for the copies, draws the page once and ends the document.
    Status print(PageSink& sink) const;

private:
    PrintJob() = default;
    // Takes the backs' X and Y from the request; an error when either is no number.
    Status placeBacks(const PrintRequest& request);

    Page m_page = Page::Fronts;
    int m_copies = 1;
    DeckMode m_deckMode = DeckMode::Normal;
    FaceSheet m_fronts;
    QString m_documentName;
    QImage m_design;
    double m_backX = 0;
    qint32 m_backY = 0;
};
