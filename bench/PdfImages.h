// The pictures in a PDF file as poppler's pdfimages lists them, with their size on paper.
#pragma once

#include <QList>
#include <QSize>
#include <QSizeF>
#include <QString>

class PdfImages final {
public:
    struct Image {
        int page = 0;
        QSize pixels;
        QSizeF ppi; // pixels per inch across and down, as drawn on the page
        // The size it is drawn at, in twips.
        QSizeF drawnTwips() const {
            return {pixels.width() / ppi.width() * 1440, pixels.height() / ppi.height() * 1440};
        }
    };

    // Every picture drawn on the pages of `pdf` (masks left out); empty when pdfimages fails.
    static QList<Image> list(const QString& pdf);
    // True when `image` is drawn at `twips` to within 3 per cent each way.
    static bool drawnAt(const Image& image, QSizeF twips);
};
