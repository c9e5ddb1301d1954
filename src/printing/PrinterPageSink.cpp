// The real printer: one portrait page on the printer's own paper, in twips.
#include "PrinterPageSink.h"

#include "CardGeometry.h"
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
            return Error{tr("Er is geen standaardprinter ingesteld. Stel eerst een "
                            "printer in als standaardprinter en probeer het opnieuw.")};
        return Error{
            tr("De printer \"%1\" is niet gevonden. Er is niets afgedrukt.").arg(m_printerName)};
    }
    m_printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    m_printer->setDocName(m_documentName);
    m_printer->setFullPage(false);
    m_printer->setCopyCount(copies); // the print system makes the copies of the one page
    const QPageSize paper =
        info.defaultPageSize().isValid() ? info.defaultPageSize() : QPageSize(QPageSize::A4);
    if (!m_printer->setPageSize(paper) || !m_printer->setPageOrientation(QPageLayout::Portrait))
        return Error{tr("De printer \"%1\" kan niet staand op %2 afdrukken. Er is "
                        "niets afgedrukt.")
                         .arg(info.printerName(), paper.name())};
    if (const Status fits = checkPaper(m_printer->pageLayout(), info.printerName()); !fits)
        return Error{fits.error()};
    if (!m_painter.begin(m_printer.get()))
        return Error{tr("De printer \"%1\" kan niet worden geopend. Er is niets "
                        "afgedrukt.")
                         .arg(info.printerName())};
    // The painter's origin is the top-left corner of the printable area; one unit is one twip.
    const QRect area = m_printer->pageLayout().paintRectPixels(m_printer->resolution());
    const double twipsPerPixel = double(twips::perInch) / m_printer->resolution();
    TwipsPainter::setUp(m_painter, QRectF(0, 0, area.width(), area.height()),
                        QSizeF(area.width() * twipsPerPixel, area.height() * twipsPerPixel));
    m_printableHeight = area.height() * twipsPerPixel;
    return &m_painter;
}

Status PrinterPageSink::finish() {
    if (!m_painter.isActive())
        return Error{tr("Er is geen afdruk geopend.")};
    const bool ended = m_painter.end();
    if (!ended || m_printer->printerState() == QPrinter::Error)
        return Error{tr("De pagina kon niet naar de printer \"%1\" worden gestuurd. "
                        "Controleer de printer en probeer het opnieuw.")
                         .arg(m_printer->printerName())};
    return Status::success();
}

Status PrinterPageSink::checkPaper(const QPageLayout& layout, const QString& printerName) {
    const QSizeF printable = layout.paintRect(QPageLayout::Point).size() * twips::perPoint;
    const QSizeF needed = CardGeometry::pageExtent();
    if (printable.width() >= needed.width() && printable.height() >= needed.height())
        return Status::success();
    const QString decimalPoint = tr(",", "decimal separator of the centimetres");
    const auto cm = [&decimalPoint](double twipsValue) {
        return QString::number(twipsValue / twips::perInch * 2.54, 'f', 1)
            .replace(u'.', decimalPoint);
    };
    return Error{tr("Het papier %1 van de printer \"%2\" is te klein voor de vier "
                    "kaarten: ze hebben %3 x %4 cm nodig binnen de marges van de "
                    "printer, en op %1 is dat %5 x %6 cm. Kies een printer met "
                    "groter papier, zoals A4. Er is niets afgedrukt.")
                     .arg(layout.pageSize().name(), printerName, cm(needed.width()),
                          cm(needed.height()), cm(printable.width()), cm(printable.height()))};
}
