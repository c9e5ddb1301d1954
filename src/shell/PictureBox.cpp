// A picture box like an image control: a built-in picture stretched to the box, or a photo cut to
// fit it; it reports clicks and, on a card's photo, the framing chosen with the mouse and keys.
#include "PictureBox.h"

#include "FramingMoves.h"

#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void PictureBox::setPicture(const QImage& picture) {
    m_photo = FramedPicture{picture, {}, {}};
    m_stretched = true;
    m_cut = QImage();
    update();
}

void PictureBox::setPhoto(const QImage& photo, PhotoFrame frame) {
    setPhoto(FramedPicture{photo, {}, {}}, frame);
}

void PictureBox::setPhoto(const FramedPicture& photo, PhotoFrame frame) {
    m_photo = photo;
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

void PictureBox::setFramable(bool framable) {
    m_framable = framable;
    setFocusPolicy(framable ? Qt::ClickFocus : Qt::NoFocus);
}

void PictureBox::setPressable(bool pressable, bool focusByClick) {
    m_pressable = pressable;
    if (pressable)
        setFocusPolicy(focusByClick || m_framable ? Qt::StrongFocus : Qt::TabFocus);
    else
        setFocusPolicy(m_framable ? Qt::ClickFocus : Qt::NoFocus);
}

void PictureBox::click() {
    if (m_pressable && isEnabled())
        emit clicked();
}

bool PictureBox::canFrame() const {
    return m_framable && !m_stretched && !m_photo.whole.isNull() && isEnabled();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_stretched) {
        if (!m_photo.middle.isNull())
            painter.drawImage(rect(), m_photo.middle);
        if (!m_note.isEmpty()) {
            painter.setPen(Qt::black);
            painter.drawText(rect().adjusted(4, 4, -4, -4), Qt::AlignCenter | Qt::TextWordWrap,
                             m_note);
        }
        paintFocusFrame(painter);
        return;
    }
    const qreal ratio = devicePixelRatioF();
    const QSize pixels(int(std::lround(width() * ratio)), int(std::lround(height() * ratio)));
    if (m_cut.size() != pixels) {
        m_cut = PhotoBox::render(m_photo, pixels, m_frame);
        m_cut.setDevicePixelRatio(ratio);
    }
    if (!m_cut.isNull())
        painter.drawImage(rect(), m_cut);
    paintFocusFrame(painter);
}

void PictureBox::paintFocusFrame(QPainter& painter) const {
    if (!m_focusFrame || !hasFocus())
        return;
    // Two pixels of the highlight colour inside the edge, with a white line within, so the frame
    // shows on a light placeholder as well as on a dark photo.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5));
}

void PictureBox::focusInEvent(QFocusEvent* event) {
    m_focusFrame = event->reason() != Qt::MouseFocusReason;
    update();
    QWidget::focusInEvent(event);
}

void PictureBox::focusOutEvent(QFocusEvent* event) {
    m_focusFrame = false;
    update();
    QWidget::focusOutEvent(event);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
    m_dragging = false;
    m_pressAt = event->position();
    m_pressFraming = m_photo.framing;
    event->accept();
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (!m_pressed || !canFrame())
        return;
    const QPointF moved = event->position() - m_pressAt;
    if (!m_dragging && std::hypot(moved.x(), moved.y()) <= kClickDistance)
        return;
    m_dragging = true;
    FramedPicture pressed = m_photo;
    pressed.framing = m_pressFraming;
    showFraming(FramingMoves::dragged(pressed, QSizeF(size()), moved));
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    const bool left = m_pressed && event->button() == Qt::LeftButton;
    const bool click = left && !m_dragging && rect().contains(event->position().toPoint());
    const bool dragged = left && m_dragging;
    m_pressed = false;
    m_dragging = false;
    event->accept();
    if (dragged && m_photo.framing != m_pressFraming)
        choose(m_photo.framing, Gesture::Drag);
    if (click)
        emit clicked();
}

void PictureBox::wheelEvent(QWheelEvent* event) {
    if (!canFrame()) {
        event->ignore();
        return;
    }
    event->accept();
    m_wheelRest += event->angleDelta().y();
    const int notches = m_wheelRest / 120;
    m_wheelRest -= notches * 120;
    if (notches != 0)
        choose(FramingMoves::zoomed(m_photo, QSizeF(size()), event->position(),
                                    std::pow(FramingMoves::kZoomStep, notches)),
               Gesture::Wheel);
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (m_pressable && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
        (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
        click();
        return;
    }
    if (!canFrame()) {
        QWidget::keyPressEvent(event);
        return;
    }
    const QSizeF box(size());
    const QPointF middle(box.width() / 2, box.height() / 2);
    const double step = box.width() / 20;
    Framing framing = m_photo.framing;
    switch (event->key()) {
    case Qt::Key_Left:
        framing = FramingMoves::dragged(m_photo, box, QPointF(step, 0));
        break;
    case Qt::Key_Right:
        framing = FramingMoves::dragged(m_photo, box, QPointF(-step, 0));
        break;
    case Qt::Key_Up:
        framing = FramingMoves::dragged(m_photo, box, QPointF(0, step));
        break;
    case Qt::Key_Down:
        framing = FramingMoves::dragged(m_photo, box, QPointF(0, -step));
        break;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        framing = FramingMoves::zoomed(m_photo, box, middle, FramingMoves::kZoomStep);
        break;
    case Qt::Key_Minus:
        framing = FramingMoves::zoomed(m_photo, box, middle, 1 / FramingMoves::kZoomStep);
        break;
    case Qt::Key_0:
        resetFraming();
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    if (framing != m_photo.framing)
        choose(framing, Gesture::Key);
}

void PictureBox::contextMenuEvent(QContextMenuEvent* event) {
    if (!canFrame())
        return;
    QMenu menu(this);
    connect(menu.addAction(tr("Uitsnede herstellen")), &QAction::triggered, this,
            &PictureBox::resetFraming);
    menu.exec(event->globalPos());
}

void PictureBox::resetFraming() {
    if (canFrame() && m_photo.framing != Framing{})
        choose(Framing{}, Gesture::None);
}

void PictureBox::choose(const Framing& framing, Gesture gesture) {
    const bool continues =
        gesture != Gesture::None && gesture != Gesture::Drag && gesture == m_last;
    m_last = gesture;
    showFraming(framing);
    emit framingChosen(framing, continues);
}

void PictureBox::showFraming(const Framing& framing) {
    m_photo.framing = framing;
    m_cut = QImage();
    update();
}
