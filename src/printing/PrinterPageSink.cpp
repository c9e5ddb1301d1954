// The real printer: one A4 portrait page on the system's default printer, in twips.
#include "PrinterPageSink.h"

#include "Twips.h"
#include "TwipsPainter.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

PrinterPageSink::PrinterPageSink(QString documentName, QString printerName)
    : m_documentName(std::move(documentName)), m_printerName(std::move(printerName)) {}

PrinterPageSink::~PrinterPageSink() = default;

Result<QPainter*> PrinterPageSink::begin(int copies) {
    const QPrinterInfo info = m_printerName.isEmpty() ? QPrinterInfo::defaultPrinter()
                                                      : QPrinterInfo::printerInfo(m_printerName);
    if (info.isNull()) {
        if (m_printerName.isEmpty())
            return Error{QStringLiteral("Er is geen standaardprinter ingesteld. Stel eerst een "
                                        "printer in als standaardprinter en probeer het opnieuw.")};
        return Error{QStringLiteral("De printer \"%1\" is niet gevonden. Er is niets afgedrukt.")
                         .arg(m_printerName)};
    }
    m_printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    m_printer->setDocName(m_documentName);
    m_printer->setFullPage(false);
    m_printer->setCopyCount(copies); // the print system makes the copies of the one page
    if (!m_printer->setPageSize(QPageSize(QPageSize::A4)) ||
        !m_printer->setPageOrientation(QPageLayout::Portrait))
        return Error{QStringLiteral("De printer \"%1\" kan niet op A4 staand afdrukken. Er is "
                                    "niets afgedrukt.")
                         .arg(info.printerName())};
    if (!m_painter.begin(m_printer.get()))
        return Error{QStringLiteral("De printer \"%1\" kan niet worden geopend. Er is niets "
                                    "afgedrukt.")
                         .arg(info.printerName())};
    // The painter's origin is the top-left corner of the printable area; one unit is one twip.
    const QRect area = m_printer->pageLayout().paintRectPixels(m_printer->resolution());
    const double twipsPerPixel = double(twips::perInch) / m_printer->resolution();
    TwipsPainter::setUp(m_painter, QRectF(0, 0, area.width(), area.height()),
                        QSizeF(area.width() * twipsPerPixel, area.height() * twipsPerPixel));
    return &m_painter;
}

Status PrinterPageSink::finish() {
    if (!m_painter.isActive())
        return Error{QStringLiteral("Er is geen afdruk geopend.")};
    const bool ended = m_painter.end();
    if (!ended || m_printer->printerState() == QPrinter::Error)
        return Error{QStringLiteral("De pagina kon niet naar de printer \"%1\" worden gestuurd. "
                                    "Controleer de printer en probeer het opnieuw.")
                         .arg(m_printer->printerName())};
    return Status::success();
}
