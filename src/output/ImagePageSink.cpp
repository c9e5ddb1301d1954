// A page drawn into a picture instead of on paper, for tests and measurements.
#include "ImagePageSink.h"

#include "Twips.h"
#include "TwipsPainter.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <cmath>

QSizeF ImagePageSink::a4PrintableTwips() {
    const QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                             QMarginsF(10, 10, 10, 10), QPageLayout::Point);
    return layout.paintRect(QPageLayout::Point).size() * twips::perPoint;
}

ImagePageSink::ImagePageSink(double dpi, QSizeF printableTwips)
    : m_dpi(dpi), m_printableTwips(printableTwips) {}

Result<QPainter*> ImagePageSink::begin(int copies) {
    ++m_beginCount;
    m_copies = copies;
    const QSize pixels(int(std::ceil(m_printableTwips.width() * pixelsPerTwip())),
                       int(std::ceil(m_printableTwips.height() * pixelsPerTwip())));
    m_page = QImage(pixels, QImage::Format_RGB32);
    m_page.fill(Qt::white);
    if (m_page.isNull() || !m_painter.begin(&m_page))
        return Error{QCoreApplication::translate("PrinterPageSink",
                                                 "Er is onvoldoende geheugen voor de afdruk.")};
    TwipsPainter::setUp(m_painter, QRectF(QPointF(0, 0), QSizeF(pixels)),
                        QSizeF(pixels) / pixelsPerTwip());
    return &m_painter;
}

Status ImagePageSink::finish() {
    if (!m_painter.isActive())
        return Error{QCoreApplication::translate("PrinterPageSink", "Er is geen afdruk geopend.")};
    m_painter.end();
    ++m_finishCount;
    m_image = m_page;
    return Status::success();
}
