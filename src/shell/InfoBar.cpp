// The info bar under the card sheet: one line of text that sizes itself to the text.
#include "InfoBar.h"

#include "Fonts.h"
#include "Palettes.h"
#include "Twips.h"

InfoBar::InfoBar(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("InfoBalk"));
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFont(Fonts::arial(9.75));
    Palettes::set(this, QPalette::WindowText, Palettes::kCaptionGrey);
    move(twips::toPx(90), twips::toPx(150));
    setInfo(startText());
}

void InfoBar::setInfo(const QString& text) {
    setText(text);
    adjustSize();
    // Screen readers hear the info bar as a status bar named after its text, told of each change.
    setAccessibleName(text);
}
