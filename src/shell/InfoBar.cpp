// The info bar under the card sheet: one line of text that sizes itself to the text.
#include "InfoBar.h"

#include "ShellFonts.h"
#include "Twips.h"

InfoBar::InfoBar(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("InfoBalk"));
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFont(shellFont(9.75));
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, QColor(64, 64, 64));
    setPalette(palette);
    move(twipsToPx(90), twipsToPx(150));
    setInfo(startText());
}

void InfoBar::setInfo(const QString& text) {
    setText(text);
    adjustSize();
}
