// The captions of the menu row, each word centred under its button.
#include "MenuCaptions.h"

#include "Palettes.h"

#include <QPainter>

MenuCaptions::MenuCaptions(QStringList captions, QList<int> centres, QWidget* parent)
    : QWidget(parent), m_captions(std::move(captions)), m_centres(std::move(centres)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    Palettes::set(this, QPalette::WindowText, Palettes::kCaptionGrey);
}

int MenuCaptions::captionLeft(int index) const {
    const int width = fontMetrics().horizontalAdvance(m_captions[index]);
    return m_centres[index] - width / 2;
}

void MenuCaptions::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const int ascent = fontMetrics().ascent();
    for (int i = 0; i < m_captions.size(); ++i)
        painter.drawText(QPoint(captionLeft(i) - x(), ascent), m_captions[i]);
}
