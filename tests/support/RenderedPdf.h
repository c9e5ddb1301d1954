// A page of a PDF file as poppler renders it, in twips from the printable corner, and its pictures.
#pragma once

#include "TestPictures.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPointF>
#include <QProcess>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

struct RenderedPdf final {
    // Where the four cards of a page of fronts have their corners, in twips.
    static inline const QList<QPoint> kCardCorners{
        {1680, 2400}, {6180, 2400}, {1680, 9000}, {6180, 9000}};
    int pages = 0;
    QString paper; // as pdfinfo names the page size, e.g. "A4" or "letter"
    QImage page;
    QList<std::pair<QSize, double>> images; // on the page: pixels and the lower ppi
    QPointF origin;                         // the printable area's corner, in rendered pixels
    double dpi = 0;

    // The standard output of a program that succeeded.
    static QString run(const QString& program, const QStringList& arguments) {
        QProcess process;
        process.start(program, arguments);
        const bool ok = process.waitForFinished(60000) &&
                        process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
        return ok ? QString::fromLocal8Bit(process.readAllStandardOutput()) : QString();
    }
    static int pageCount(const QString& pdf) {
        return QRegularExpression("Pages: +(\\d+)")
            .match(run("pdfinfo", {pdf}))
            .captured(1)
            .toInt();
    }
    RenderedPdf() = default;
    // Page `number` of `pdf` at `dpi`, its printable area `marginTwips` from the paper's corner.
    RenderedPdf(const QString& pdf, double atDpi, int number = 1, QPointF marginTwips = {})
        : origin(marginTwips * atDpi / 1440), dpi(atDpi) {
        const QString info = run("pdfinfo", {pdf});
        pages = pageCount(pdf);
        paper = QRegularExpression("Page size: .*\\((.*)\\)").match(info).captured(1);
        const QString png = QDir::temp().filePath(QString("rendered-%1").arg(quintptr(this)));
        const QString n = QString::number(number);
        run("pdftoppm",
            {"-r", QString::number(dpi), "-f", n, "-l", n, "-singlefile", "-png", pdf, png});
        page = QImage(png + ".png");
        QFile::remove(png + ".png");
        // page num type width height color comp bpc enc interp object ID x-ppi y-ppi size ratio
        for (const QString& line : run("pdfimages", {"-list", pdf}).split('\n').mid(2)) {
            const QStringList f = line.simplified().split(' ');
            if (f.size() >= 14 && f[0] == n && f[2] == "image")
                images.append(
                    {{f[3].toInt(), f[4].toInt()}, qMin(f[12].toDouble(), f[13].toDouble())});
        }
    }
    // How many pictures on the page are at 300 ppi or more in the proportions of one of `boxes`.
    qsizetype sharpImages(const QList<QSizeF>& boxes) const {
        return std::ranges::count_if(images, [&boxes](const auto& image) {
            const double proportions = double(image.first.width()) / image.first.height();
            return image.second >= 300 && std::ranges::any_of(boxes, [&](QSizeF box) {
                       return qAbs(proportions * box.height() / box.width() - 1) < 0.02;
                   });
        });
    }
    QPointF at(double x, double y) const { return origin + QPointF(x, y) * dpi / 1440; }
    // The first pixel from twips (x, y) onwards, to the right or down, near `colour`.
    QPointF find(double x, double y, bool down, const QColor& colour) const {
        for (QPoint p = at(x, y).toPoint(); page.valid(p); p += down ? QPoint(0, 1) : QPoint(1, 0))
            if (TestPictures::near(page.pixel(p), colour))
                return p;
        return {-1000, -1000};
    }
    // How far, in pixels, the box of `colour` whose corner belongs at twips `corner` is off.
    QPointF offBy(QPoint corner, const QColor& colour) const {
        const double x = corner.x(), y = corner.y();
        return QPointF(find(x - 200, y + 1000, false, colour).x(),
                       find(x + 1000, y - 600, true, colour).y()) -
               at(x, y);
    }
    static double longest(QPointF off) { return qMax(std::abs(off.x()), std::abs(off.y())); }
    enum class Along { Across, Down };
    // The middles, in twips, of the dark runs from `from` to `to` across (or down) at `line`.
    QList<double> darkRuns(double line, double from, double to, Along along) const {
        const double step = 1440 / dpi;
        QList<double> middles;
        double start = -1;
        for (double t = from; t <= to; t += step) {
            const QPoint p = (along == Along::Across ? at(t, line) : at(line, t)).toPoint();
            const bool dark = page.valid(p) && qGray(page.pixel(p)) < 160;
            if (dark && start < 0)
                start = t;
            if (!dark && start >= 0) {
                middles << (start + t - step) / 2;
                start = -1;
            }
        }
        if (start >= 0)
            middles << (start + to) / 2;
        return middles;
    }
    // The cut marks in place, in the cut-line colour near both ends, on a page whose cards stand
    // `up` twips higher than on A4 (a negative number): side margins, top, and below the cards.
    int marksInPlace(double up = 0) const {
        const QColor cut(112, 96, 96);
        int found = 0;
        for (int k = 0; k < 16; ++k) {
            const bool across = k < 8; // the marks in the side margins, then those at the top
            const double edge = 7.5 + (across ? QList{2400, 8100, 9000, 14700}[k / 2] + up
                                              : QList{1680, 5400, 6180, 9900}[k % 4]);
            const double below = (find(edge, 14800 + up, true, cut).y() - origin.y()) * 1440 / dpi;
            const QList<double> ends = across   ? QList{0.0, 670.0}
                                       : k < 12 ? QList{0.0, 300.0}
                                                : QList{below, below + 300};
            const double start = across && k % 2 ? 10740 : 40;
            bool whole = true;
            for (const double end : ends) {
                const double along = start + end;
                const QPoint p = (across ? at(along, edge) : at(edge, along)).toPoint();
                whole &= page.valid(p) && TestPictures::near(page.pixel(p), cut);
            }
            found += whole;
        }
        return found;
    }
};
