// The picture a card without a photo shows, with its word in the program's language.
#include "PhotoPlaceholder.h"

#include <QPainter>

namespace {
// The built-in picture's layout, in its own 240 x 160 units: the frame's inside, its colours and
// the word's font.
constexpr QSizeF kDrawn{240.0, 160.0};
const QRectF kInside{6.0, 6.0, 228.0, 148.0};
constexpr QColor kPaper{230, 210, 165};
constexpr QColor kInk{128, 78, 36};
constexpr int kWordPixels = 64;
} // namespace

QImage PhotoPlaceholder::inLanguage(QImage picture) {
    const QString word = tr("Foto", "the word on a card that has no photo yet");
    if (word == u"Foto" || picture.isNull())
        return picture;
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QSizeF size = picture.deviceIndependentSize();
    painter.scale(size.width() / kDrawn.width(), size.height() / kDrawn.height());
    painter.fillRect(kInside, kPaper);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(kWordPixels);
    font.setBold(true);
    font.setHintingPreference(QFont::PreferNoHinting);
    painter.setFont(font);
    painter.setPen(kInk);
    painter.drawText(QRectF(QPointF(), kDrawn), Qt::AlignCenter, word);
    return picture;
}
