// One checked print job: the page of fronts or backs to draw and the number of copies.
#pragma once

#include "FaceSheet.h"
#include "PageSink.h"
#include "PrintRequest.h"

#include <QImage>

class QPainter;

class PrintJob final {
public:
    enum class Page { Fronts, Backs };

    // Checks everything that can fail before a document is opened: the copies, the X position of
    // the backs and their design picture. The error carries the message for the user.
    static Result<PrintJob> prepare(const PrintRequest& request);

    Page page() const { return m_page; }
    int copies() const { return m_copies; }
    // The name the print queue shows: the page title for fronts, the design for backs.
    QString documentName() const { return m_documentName; }

    // Draws the page on a painter in twips: title, fronts and cut marks, or the four backs.
    void draw(QPainter& painter) const;
    // Opens the sink for the copies, draws the page once and ends the document.
    Status print(PageSink& sink) const;

private:
    PrintJob() = default;

    Page m_page = Page::Fronts;
    int m_copies = 1;
    DeckMode m_deckMode = DeckMode::Normal;
    FaceSheet m_fronts;
    QString m_documentName;
    QImage m_design;
    double m_backX = 0;
    qint32 m_backY = 0;
};
