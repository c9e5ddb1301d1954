// A picture box like an image control: a built-in picture stretched to the box, or a photo cut to
// fit it; it reports clicks.
#include "PictureBox.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void PictureBox::setPicture(const QImage& picture) {
    m_picture = picture;
    m_stretched = true;
    m_cut = QImage();
    update();
}

void PictureBox::setPhoto(const QImage& photo, PhotoFrame frame) {
    m_picture = photo;
    m_stretched = false;
    m_frame = frame;
    m_cut = QImage();
    update();
}

void PictureBox::setNote(const QString& note) {
    if (note == m_note)
        return;
    m_note = note;
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_stretched) {
        if (!m_picture.isNull())
            painter.drawImage(rect(), m_picture);
        if (!m_note.isEmpty()) {
            painter.setPen(Qt::black);
            painter.drawText(rect().adjusted(4, 4, -4, -4), Qt::AlignCenter | Qt::TextWordWrap,
                             m_note);
        }
        return;
    }
    const qreal ratio = devicePixelRatioF();
    const QSize pixels(int(std::lround(width() * ratio)), int(std::lround(height() * ratio)));
    if (m_cut.size() != pixels) {
        m_cut = PhotoBox::render(m_picture, pixels, m_frame);
        m_cut.setDevicePixelRatio(ratio);
    }
    if (!m_cut.isNull())
        painter.drawImage(rect(), m_cut);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}
