// Where a printed page goes: the default printer, or an image in tests.
#pragma once

#include "CutMarks.h"
#include "Result.h"

class QPainter;

class PageSink {
public:
    virtual ~PageSink() = default;
    // Opens the document for one page in `copies` copies and returns a painter whose coordinates
    // are twips from the top-left corner of the printable area; an error when it cannot.
    virtual Result<QPainter*> begin(int copies) = 0;
    // Ends the document, handing the page to the printer.
    virtual Status finish() = 0;
    // The height of the printable area in twips, once begun; the page moves up on short paper.
    virtual double printableHeight() const { return CutMarks::kTallEnough; }
};
