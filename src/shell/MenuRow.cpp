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
    QT_TRANSLATE_NOOP("MenuRow", "Nieuw"),     QT_TRANSLATE_NOOP("MenuRow", "Load"),
    QT_TRANSLATE_NOOP("MenuRow", "Save"),      QT_TRANSLATE_NOOP("MenuRow", "Help"),
    QT_TRANSLATE_NOOP("MenuRow", "Afdrukken"), QT_TRANSLATE_NOOP("MenuRow", "Export")};
constexpr int kPressedOffset = 30; // twips right and down while pressed
} // namespace

MenuRow::MenuRow(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Frame1"));
    QStringList captions;
    QList<int> centres;
    for (int number = 1; number <= kButtons; ++number) {
        const auto command = MenuCommand(number);
        auto* button = new PictureBox(this);
        button->setObjectName(QStringLiteral("Menuknop_%1").arg(number));
        button->setPressable(true);
        button->setPicture(BuiltInPictures::image(QLatin1String(kPictures[index(command)]),
                                                  button->devicePixelRatioF()));
        button->setGeometry(
            QRect(restPosition(command), QSize(twips::toPx(480), twips::toPx(480))));
        connect(button, &PictureBox::clicked, this, [this, command] { press(command); });
        m_buttons[index(command)] = button;
        captions << tr(kCaptions[index(command)]);
        centres << twips::toPx(480 + 810 * (number - 1));
    }
    button(MenuCommand::Export)->setToolTip(tr(" Naar BMP (bitmap) "));

    m_captions = new MenuCaptions(captions, centres, this);
    m_captions->setObjectName(QStringLiteral("Label4"));
    // The captions span the frame, so a word wider than its button is not clipped at the edge.
    m_captions->setGeometry(0, twips::toPx(810), twips::toPx(5775),
                            m_captions->fontMetrics().height());
}

QPoint MenuRow::restPosition(MenuCommand command) {
    return {twips::toPx(810 * int(command) - 570), twips::toPx(255)};
}

void MenuRow::press(MenuCommand command) {
    PictureBox* pressedButton = button(command);
    pressedButton->move(restPosition(command) +
                        QPoint(twips::toPx(kPressedOffset), twips::toPx(kPressedOffset)));
    emit pressed(command);
    pause(0.2);
    pressedButton->move(restPosition(command));
    emit chosen(command);
}
