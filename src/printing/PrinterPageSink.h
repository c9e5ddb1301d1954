// The real printer: one portrait page on the printer's own paper, in twips.
#pragma once

#include "PageSink.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPainter>
#include <QString>
#include <memory>

class QPrinter;

class PrinterPageSink final : public PageSink {
    Q_DECLARE_TR_FUNCTIONS(PrinterPageSink)

public:
    // Prints on `printerName`, or on the system's default printer when it is empty; the print
    // queue shows the job as `documentName`.
    explicit PrinterPageSink(QString documentName, QString printerName = {});
    ~PrinterPageSink() override;

    // Opens the page on the paper the printer uses by default (A4 when it names none), in
    // portrait; paper whose printable area cannot hold the four cards is refused.
    Result<QPainter*> begin(int copies) override;
    Status finish() override;
    double printableHeight() const override { return m_printableHeight; }

    // The refusal for `layout` on `printerName` when its printable area is too small for
    // the four cards of a page; success when they fit.
    static Status checkPaper(const QPageLayout& layout, const QString& printerName);

private:
    QString m_documentName;
    QString m_printerName;
    std::unique_ptr<QPrinter> m_printer;
    QPainter m_painter;
    double m_printableHeight = 0;
};
