// Renders the series as one 600 x 900 sheet in the names layout and writes it as a BMP file.
#include "SheetExport.h"

#include "CardFaces.h"
#include "TwipsPainter.h"

#include "WholeFileWriter.h"

#include <QBuffer>
#include <QDir>
#include <QImageWriter>
#include <QPainter>

namespace {

constexpr QSizeF kSheetTwips{9000, 13500};
constexpr double kTitleLeft = 1950;
constexpr double kTitleTop = 180;
constexpr double kTitlePoints = 18;
constexpr int kFirstLeft = 300;
constexpr int kFirstTop = 900;
constexpr int kStepAcross = 4500;
constexpr int kStepDown = 6300;
constexpr int kLastLeft = 6600;

Error notSaved(const QString& path, const QString& reason) {
    return Error{
        QStringLiteral("De afbeelding is niet opgeslagen: %1 kan niet worden geschreven (%2).")
            .arg(QDir::toNativeSeparators(path), reason)};
}

} // namespace

QImage SheetExport::render(const FaceSheet& sheet) {
    QImage image(kSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    TwipsPainter::setUp(painter, QRectF(QPointF(0, 0), QSizeF(kSize)), kSheetTwips);

    TwipsPainter::drawText(painter, TwipsPainter::boldArial(kTitlePoints), Qt::black, kTitleLeft,
                           kTitleTop, CardFaces::title(sheet.seriesName));
    int x = kFirstLeft;
    int y = kFirstTop;
    for (int card = 1; card <= kCards; ++card) {
        CardFaces::drawNamesCard(painter, sheet, card, x, y);
        x += kStepAcross;
        if (x > kLastLeft) {
            x = kFirstLeft;
            y += kStepDown;
        }
    }
    return image;
}

Status SheetExport::save(const QImage& image, const QString& path) {
    if (image.isNull())
        return notSaved(path, QStringLiteral("er is geen afbeelding"));
    // The format is named explicitly so that a name without ".bmp" still gets a BMP file.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "BMP");
    if (!writer.write(image))
        return notSaved(path, writer.errorString());
    return WholeFileWriter::write(path, bytes, QStringLiteral("De afbeelding is niet opgeslagen"));
}
