// The pictures in a PDF file as poppler's pdfimages lists them, with their size on paper.
#include "PdfImages.h"

#include <QProcess>
#include <cmath>

QList<PdfImages::Image> PdfImages::list(const QString& pdf) {
    QProcess process;
    process.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    // page num type width height color comp bpc enc interp object ID x-ppi y-ppi size ratio
    QList<Image> images;
    const QList<QByteArray> lines = process.readAllStandardOutput().split('\n');
    for (qsizetype i = 2; i < lines.size(); ++i) {
        const QList<QByteArray> f = lines[i].simplified().split(' ');
        if (f.size() < 14 || f[2] != "image")
            continue;
        images.append({f[0].toInt(), QSize(f[3].toInt(), f[4].toInt()),
                       QSizeF(f[12].toDouble(), f[13].toDouble())});
    }
    return images;
}

bool PdfImages::drawnAt(const Image& image, QSizeF twips) {
    const QSizeF drawn = image.drawnTwips();
    return std::abs(drawn.width() / twips.width() - 1) < 0.03 &&
           std::abs(drawn.height() / twips.height() - 1) < 0.03;
}
