// A picture box like an image control: a built-in picture stretched to the box, or a photo cut to
// fit it; it reports clicks.
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
    explicit PictureBox(QWidget* parent = nullptr);

    // Shows `picture` stretched to the box's size (the placeholders, made for their boxes).
    void setPicture(const QImage& picture);
    // Shows the middle of `photo` that fills the box (PhotoBox), inside the photo canvas's outline
    // or bare; cut again whenever the box changes its size.
    void setPhoto(const QImage& photo, PhotoFrame frame);
    // A line written across the middle of the picture (none when empty).
    void setNote(const QString& note);
    const QString& note() const { return m_note; }

signals:
    // A left button pressed and released over the box.
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage m_picture;
    bool m_stretched = true;
    PhotoFrame m_frame = PhotoFrame::Bare;
    QImage m_cut; // the photo as last cut for the box's size on the screen
    QString m_note;
    bool m_pressed = false;
};
