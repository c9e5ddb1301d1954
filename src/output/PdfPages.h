// A PDF of pages drawn in twips like the printed page, written whole or not at all.
#pragma once

#include "PrintJob.h"
#include "Result.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QString>
#include <memory>

// The pages have 10-point (200-twip) margins on every side, the printable area most printers
// have, and their twips count from its top-left corner as on the printer: a page drawn here lies
// on the sheet where the print job puts it on such a printer. The PDF is no printer's, so the
// user's X and Y for the backs do not apply to it.
class PdfPages final {
    Q_DECLARE_TR_FUNCTIONS(PdfPages)

public:
    static constexpr double kMarginPoints = 10;

    // Opens a temporary file beside `path` for a document named `title`; a message that starts
    // with `failureLead` when it cannot.
    // The pages are portrait on `paper`.
    static Result<std::unique_ptr<PdfPages>>
    open(const QString& path, const QString& title, const QString& failureLead,
         const QPageSize& paper = QPageSize(QPageSize::A4));
    // Ends without writing anything when finish() did not succeed: an old file stays as it was.
    ~PdfPages();
    PdfPages(const PdfPages&) = delete;
    PdfPages& operator=(const PdfPages&) = delete;

    // `paper` portrait with the margins above.
    static QPageLayout pageLayout(const QPageSize& paper = QPageSize(QPageSize::A4));
    // The paper's name as people know it: "A4", "Letter".
    static QString paperName(const QPageSize& paper) {
        return paper.name().section(QStringLiteral(" / "), 0, 0);
    }
    // The X for a page of backs that puts each back exactly behind its front when the sheet is
    // printed on both sides, turned over its long edge: each back's left edge at the page width
    // less the right edge of the card it lies behind.
    static double mirroredBackX(const QPageSize& paper = QPageSize(QPageSize::A4));

    // Starts a new page and draws `job` on it.
    Status add(const PrintJob& job);
    int pageCount() const { return m_pages; }
    // Ends the document and puts it in place of any file of that name, once every byte is on disk.
    Status finish();

private:
    // Hands the writer's bytes to the file and counts them: the writer writes through a stream
    // that drops what does not fit on a full disk without the file noticing.
    class CountedWrites final : public QIODevice {
    public:
        explicit CountedWrites(QSaveFile& file);
        qint64 count() const { return m_count; }

    protected:
        qint64 readData(char*, qint64) override { return -1; }
        qint64 writeData(const char* data, qint64 length) override;

    private:
        QSaveFile& m_file;
        qint64 m_count = 0;
    };

    PdfPages(std::unique_ptr<QSaveFile> file, const QString& title, QString failureLead,
             const QPageSize& paper);

    std::unique_ptr<QSaveFile> m_file;
    CountedWrites m_writes;
    QPdfWriter m_writer;
    QPainter m_painter;
    QString m_failureLead;
    double m_printableHeight; // twips
    int m_pages = 0;
};
