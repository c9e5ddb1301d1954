// The real printer: one A4 portrait page on the system's default printer, in twips.
#pragma once

#include "PageSink.h"

#include <QPainter>
#include <QString>
#include <memory>

class QPrinter;

class PrinterPageSink final : public PageSink {
public:
    // Prints on `printerName`, or on the system's default printer when it is empty; the print
    // queue shows the job as `documentName`.
    explicit PrinterPageSink(QString documentName, QString printerName = {});
    ~PrinterPageSink() override;

    Result<QPainter*> begin(int copies) override;
    Status finish() override;

private:
    QString m_documentName;
    QString m_printerName;
    std::unique_ptr<QPrinter> m_printer;
    QPainter m_painter;
};
