// The rounded outline a card is drawn on, beneath everything that stands on the card.
#include "CardOutline.h"

#include <QPainter>

CardOutline::CardOutline(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void CardOutline::setHighlighted(bool highlighted) {
    if (highlighted == m_highlighted)
        return;
    m_highlighted = highlighted;
    update();
}

void CardOutline::paintEvent(QPaintEvent*) {
    constexpr qreal radius = 10;
    const qreal pen = m_highlighted ? 2 : 1;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(m_highlighted ? palette().color(QPalette::Highlight) : border(), pen));
    painter.setBrush(fill());
    painter.drawRoundedRect(QRectF(rect()).adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2), radius,
                            radius);
}
