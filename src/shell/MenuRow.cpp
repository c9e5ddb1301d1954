// The menu frame: six picture buttons with their captions, each pressed in briefly when clicked.
#include "MenuRow.h"

#include "BuiltInPictures.h"
#include "MenuCaptions.h"
#include "Pause.h"
#include "PictureBox.h"
#include "Twips.h"

namespace {
constexpr std::array<const char*, MenuRow::kButtons> kPictures{
    "menu-nieuw", "menu-load", "menu-save", "menu-help", "menu-afdrukken", "menu-export"};
constexpr std::array<const char*, MenuRow::kButtons> kCaptions{
    "Nieuw", "Load", "Save", "Help", "Afdrukken", "Export"};
constexpr int kPressedOffset = 30; // twips right and down while pressed
} // namespace

MenuRow::MenuRow(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Frame1"));
    QStringList captions;
    QList<int> centres;
    for (int index = 1; index <= kButtons; ++index) {
        auto* button = new PictureBox(this);
        button->setObjectName(QStringLiteral("Menuknop_%1").arg(index));
        button->setPicture(BuiltInPictures::image(QLatin1String(kPictures[index - 1])));
        button->setGeometry(QRect(restPosition(index), QSize(twipsToPx(480), twipsToPx(480))));
        connect(button, &PictureBox::clicked, this, [this, index] { press(index); });
        m_buttons[index - 1] = button;
        captions << QLatin1String(kCaptions[index - 1]);
        centres << twipsToPx(480 + 810 * (index - 1));
    }
    button(Export)->setToolTip(QStringLiteral(" Naar BMP (bitmap) "));

    m_captions = new MenuCaptions(captions, centres, this);
    m_captions->setObjectName(QStringLiteral("Label4"));
    // The captions span the frame, so a word wider than its button is not clipped at the edge.
    m_captions->setGeometry(0, twipsToPx(810), twipsToPx(5775), m_captions->fontMetrics().height());
}

QPoint MenuRow::restPosition(int index) { return {twipsToPx(810 * index - 570), twipsToPx(255)}; }

void MenuRow::press(int index) {
    PictureBox* pressed = button(index);
    pressed->move(restPosition(index) + QPoint(twipsToPx(kPressedOffset), twipsToPx(kPressedOffset)));
    pause(0.2);
    pressed->move(restPosition(index));
    emit chosen(index);
}
