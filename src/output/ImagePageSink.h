// A page drawn into a picture instead of on paper, for tests and measurements.
#pragma once

#include "PageSink.h"

#include <QImage>
#include <QPainter>
#include <QSizeF>

class ImagePageSink final : public PageSink {
public:
    // The printable area of an A4 sheet with the printer's usual 10-point margins, in twips.
    static QSizeF a4PrintableTwips();

    // Pages of `printableTwips` drawn at `dpi` dots per inch.
    explicit ImagePageSink(double dpi = 96, QSizeF printableTwips = a4PrintableTwips());

    Result<QPainter*> begin(int copies) override;
    Status finish() override;
    double printableHeight() const override { return m_printableTwips.height(); }

    // The last finished page; null before the first.
    const QImage& image() const { return m_image; }
    int beginCount() const { return m_beginCount; }
    int finishCount() const { return m_finishCount; }
    int copies() const { return m_copies; }
    // Device pixels per twip of the page.
    double pixelsPerTwip() const { return m_dpi / 1440.0; }

private:
    double m_dpi;
    QSizeF m_printableTwips;
    QImage m_page;
    QImage m_image;
    QPainter m_painter;
    int m_beginCount = 0;
    int m_finishCount = 0;
    int m_copies = 0;
};
