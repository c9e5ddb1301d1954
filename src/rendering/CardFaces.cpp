// Draws the page title and the four card fronts in the names or the pictures layout, in twips.
#include "CardFaces.h"

#include "CardGeometry.h"
#include "Fonts.h"
#include "TwipsPainter.h"

#include <QPainter>
#include <QRectF>
#include <array>
#include <map>
#include <tuple>

namespace {

constexpr double kTitleCentre = 6000;
constexpr double kTitleTop = 1050;
constexpr double kTitlePoints = 14;

// Names layout, as offsets from the card's top-left corner.
constexpr double kSubjectCentre = 1860;
constexpr double kSubjectTop = 270;
constexpr double kSubjectPoints = 14;
constexpr QRectF kNamesPhoto{280, 800, 3220, 2400};
constexpr double kNamesLeft = 600;
constexpr double kNamesTop = 3540;
constexpr double kNamesStep = 450;
constexpr double kNamesPoints = 12;

// Pictures layout: the own photo large, then three small slots for the other cards in
// ascending order and a fourth below the middle one for the card's own photo.
constexpr QRectF kPicturesPhoto{330, 360, 3120, 3000};
constexpr double kSmallSide = 900;
constexpr std::array<QPointF, kCards> kSmallSlots{
    {{330, 3480}, {1440, 3480}, {2550, 3480}, {1440, 4470}}};

const QColor kOwnNameColour{255, 0, 0};

// Stretches the whole of `image` into `target`; an empty image leaves the box as it is.
void drawStretched(QPainter& painter, const QImage& image, const QRectF& target) {
    if (image.isNull())
        return;
    painter.drawImage(target, image, QRectF(image.rect()));
}

// The photos of one page, each cut once for each size of box it is drawn in: a photo drawn in
// several boxes of one size is then one picture, which a PDF holds only once.
class PagePhotos final {
public:
    PagePhotos(QPainter& painter, const FaceSheet& sheet) : m_painter(painter), m_sheet(sheet) {}

    void draw(int card, const QRectF& box) {
        const FacePhoto& photo = m_sheet.photos[size_t(card - 1)];
        const QSize size = PhotoBox::sizeFor(m_painter, box, photo.picture, photo.frame);
        QImage& image = m_cut[{card, size.width(), size.height()}];
        if (image.isNull())
            image = PhotoBox::render(FramedPicture{photo.picture, photo.whole, photo.framing}, size,
                                     photo.frame);
        drawStretched(m_painter, image, box);
    }

private:
    QPainter& m_painter;
    const FaceSheet& m_sheet;
    std::map<std::tuple<int, int, int>, QImage> m_cut; // by card, width and height
};

// Centres the visible text on `centre`: blanks at either end draw nothing, so they would only
// push it off centre (the title of an unnamed series ends in a blank).
void drawCentred(QPainter& painter, const QFont& font, double centre, double top,
                 const QString& text) {
    const QString visible = text.trimmed();
    const double width = TwipsPainter::textWidth(painter, font, visible);
    TwipsPainter::drawText(painter, font, Qt::black, centre - width / 2, top, visible);
}

void drawTitle(QPainter& painter, const QString& seriesName) {
    drawCentred(painter, Fonts::twipsBold(kTitlePoints), kTitleCentre, kTitleTop,
                CardFaces::title(seriesName));
}

void drawPicturesCard(QPainter& painter, const FaceSheet& sheet, PagePhotos& photos, int card,
                      QPointF corner) {
    drawStretched(painter, sheet.cardFrame, QRectF(corner, CardGeometry::kCardSize));
    photos.draw(card, kPicturesPhoto.translated(corner));
    int slot = 0;
    for (int other = 1; other <= kCards; ++other) {
        if (other != card)
            photos.draw(other, QRectF(corner + kSmallSlots[size_t(slot++)],
                                      QSizeF(kSmallSide, kSmallSide)));
    }
    photos.draw(card, QRectF(corner + kSmallSlots[kCards - 1], QSizeF(kSmallSide, kSmallSide)));
}

// Runs `draw` with smooth picture scaling and restores the caller's painter state afterwards.
template <typename Draw> void withSmoothPainter(QPainter& painter, Draw draw) {
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    draw();
    painter.restore();
}

// The page title, then `drawCard` for each card at its place on the page.
template <typename DrawCard>
void drawPage(QPainter& painter, const FaceSheet& sheet, DrawCard drawCard) {
    withSmoothPainter(painter, [&] {
        drawTitle(painter, sheet.seriesName);
        const auto corners = CardGeometry::pageCorners();
        for (int card = 1; card <= kCards; ++card)
            drawCard(painter, sheet, card, corners[size_t(card - 1)]);
    });
}

} // namespace

void CardFaces::drawNamesLayout(QPainter& painter, const FaceSheet& sheet) {
    drawPage(painter, sheet, &CardFaces::drawNamesCard);
}

void CardFaces::drawPicturesLayout(QPainter& painter, const FaceSheet& sheet) {
    PagePhotos photos(painter, sheet);
    drawPage(painter, sheet, [&photos](QPainter& p, const FaceSheet& s, int card, QPointF corner) {
        drawPicturesCard(p, s, photos, card, corner);
    });
}

void CardFaces::drawNamesCard(QPainter& painter, const FaceSheet& sheet, int card, QPointF corner) {
    if (card < 1 || card > kCards)
        return;
    withSmoothPainter(painter, [&] {
        const double x = corner.x();
        const double y = corner.y();
        drawStretched(painter, sheet.cardFrame, QRectF(corner, CardGeometry::kCardSize));

        drawCentred(painter, Fonts::twipsBold(kSubjectPoints), x + kSubjectCentre, y + kSubjectTop,
                    sheet.subject);

        PagePhotos(painter, sheet).draw(card, kNamesPhoto.translated(corner));

        const QFont namesFont = Fonts::twipsBold(kNamesPoints);
        const auto& names = sheet.names[size_t(card - 1)];
        for (int line = 1; line <= kLines; ++line) {
            const QColor colour = line == card ? kOwnNameColour : QColor(Qt::black);
            TwipsPainter::drawText(painter, namesFont, colour, x + kNamesLeft,
                                   y + kNamesTop + kNamesStep * (line - 1),
                                   names[size_t(line - 1)]);
        }
    });
}

QString CardFaces::title(const QString& seriesName) {
    return tr("Mosaret serie: ") + seriesName;
}
