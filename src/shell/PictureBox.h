// A picture box like an image control: a built-in picture stretched to the box, or a photo cut to
// fit it; it reports clicks and, on a card's photo, the framing chosen with the mouse and keys.
#pragma once

#include "PhotoBox.h"

#include <QImage>
#include <QString>
#include <QWidget>

// An empty picture leaves the box transparent. A disabled box keeps drawing its picture unchanged
// and ignores the mouse.
class PictureBox final : public QWidget {
    Q_OBJECT
public:
    // A release this far or nearer from the press is a click, not a drag.
    static constexpr int kClickDistance = 4;

    explicit PictureBox(QWidget* parent = nullptr);

    // Shows `picture` stretched to the box's size (the placeholders, made for their boxes).
    void setPicture(const QImage& picture);
    // Shows the middle of `photo` that fills the box (PhotoBox), inside the photo canvas's outline
    // or bare; cut again whenever the box changes its size.
    void setPhoto(const QImage& photo, PhotoFrame frame);
    // A line written across the middle of the picture (none when empty).
    void setNote(const QString& note);
    const QString& note() const { return m_note; }
    // The same for a photo with its framing.
    void setPhoto(const FramedPicture& photo, PhotoFrame frame);
    // Lets the mouse and the keys change the framing of the photo shown (a card's own photo).
    void setFramable(bool framable);
    // Makes the box a button: Tab reaches it, Enter and Space do what a click does, a frame shows
    // when the keyboard brought the focus, and screen readers see a button. `focusByClick` also
    // lets a click take the focus.
    void setPressable(bool pressable, bool focusByClick = false);
    bool isPressable() const { return m_pressable; }
    const FramedPicture& photo() const { return m_photo; }

public slots:
    // Emits clicked() when the box is an enabled button, as a click would.
    void click();
    // Puts the photo back at its default framing, as the right-click menu does.
    void resetFraming();

signals:
    // A left button pressed and released over the box, without moving the photo.
    void clicked();
    // The user chose `framing` (a drag ended, a wheel notch, a key, the reset); `continues` is true
    // for a wheel notch or key that follows one of its own kind, which belongs to the same step.
    void framingChosen(const Framing& framing, bool continues);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    enum class Gesture { None, Drag, Wheel, Key };
    bool canFrame() const;
    // Shows `framing` at once and reports it.
    void choose(const Framing& framing, Gesture gesture);
    void showFraming(const Framing& framing);
    void paintFocusFrame(QPainter& painter) const;

    FramedPicture m_photo;
    bool m_stretched = true;
    bool m_framable = false;
    bool m_pressable = false;
    bool m_focusFrame = false; // the keyboard brought the focus, so a frame shows it
    PhotoFrame m_frame = PhotoFrame::Bare;
    QImage m_cut; // the photo as last cut for the box's size on the screen
    QString m_note;
    bool m_pressed = false;
    bool m_dragging = false;
    QPointF m_pressAt;
    Framing m_pressFraming;
    Gesture m_last = Gesture::None;
    int m_wheelRest = 0; // eighths of a degree not yet turned into a notch
};
