// A PDF of pages drawn in twips like the printed page, written whole or not at all.
#include "PdfPages.h"

#include "CardGeometry.h"
#include "Twips.h"
#include "WholeFileWriter.h"

#include <QPageSize>
#include <algorithm>
#include <limits>

namespace {
constexpr int kTwipsPerInch = twips::perInch; // the writer's resolution: one device unit a twip
} // namespace

Result<std::unique_ptr<PdfPages>> PdfPages::open(const QString& path, const QString& title,
                                                 const QString& failureLead,
                                                 const QPageSize& paper) {
    Result<std::unique_ptr<QSaveFile>> file = WholeFileWriter::open(path, failureLead);
    if (!file)
        return Error{file.error()};
    return std::unique_ptr<PdfPages>(
        new PdfPages(std::move(file).value(), title, failureLead, paper));
}

PdfPages::PdfPages(std::unique_ptr<QSaveFile> file, const QString& title, QString failureLead,
                   const QPageSize& paper)
    : m_file(std::move(file)), m_writes(*m_file), m_writer(&m_writes),
      m_failureLead(std::move(failureLead)),
      m_printableHeight(pageLayout(paper).paintRect(QPageLayout::Point).height() *
                        twips::perPoint) {
    m_writer.setResolution(kTwipsPerInch);
    m_writer.setPageLayout(pageLayout(paper));
    m_writer.setCreator(QStringLiteral("Mosaret Designer"));
    m_writer.setTitle(title);
}

PdfPages::~PdfPages() {
    // Without a commit the temporary file goes; what the painter still writes as it ends is lost.
    m_file->cancelWriting();
}

QPageLayout PdfPages::pageLayout(const QPageSize& paper) {
    return QPageLayout(paper, QPageLayout::Portrait,
                       QMarginsF(kMarginPoints, kMarginPoints, kMarginPoints, kMarginPoints),
                       QPageLayout::Point);
}

double PdfPages::mirroredBackX(const QPageSize& paper) {
    const QPageLayout layout = pageLayout(paper);
    // The page as the PDF states it, in whole points, and the printable area's left edge.
    const double page = layout.fullRectPoints().width() * twips::perPoint;
    const double margin = layout.margins(QPageLayout::Point).left() * twips::perPoint;
    double leftmost = std::numeric_limits<double>::max();
    for (const QPointF& front : CardGeometry::pageCorners()) {
        const double frontRight = margin + front.x() + CardGeometry::kCardSize.width();
        leftmost = std::min(leftmost, page - frontRight - margin);
    }
    return leftmost;
}

Status PdfPages::add(const PrintJob& job) {
    // The painter's origin is the printable area's corner; one device unit is one twip.
    const bool started = m_pages == 0 ? m_painter.begin(&m_writer) : m_writer.newPage();
    if (!started)
        return Error{m_failureLead + tr(": de PDF kan niet worden gemaakt.")};
    ++m_pages;
    job.draw(m_painter, m_printableHeight);
    return Status::success();
}

Status PdfPages::finish() {
    if (m_pages == 0 || !m_painter.end())
        return Error{m_failureLead + tr(": de PDF kan niet worden afgesloten.")};
    return WholeFileWriter::commit(*m_file, m_writes.count(), m_failureLead);
}

PdfPages::CountedWrites::CountedWrites(QSaveFile& file) : m_file(file) {
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 PdfPages::CountedWrites::writeData(const char* data, qint64 length) {
    m_count += length;
    return m_file.write(data, length);
}
