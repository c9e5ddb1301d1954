// The rounded outline a card is drawn on, beneath everything that stands on the card.
#include "CardOutline.h"

#include <QPainter>

CardOutline::CardOutline(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void CardOutline::paintEvent(QPaintEvent*) {
    constexpr qreal radius = 10;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(border(), 1));
    painter.setBrush(fill());
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
}
