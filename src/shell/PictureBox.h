// A picture that stretches to the box's size and reports clicks, like an image control.
#pragma once

#include <QImage>
#include <QWidget>

// Shows its picture stretched to its own size; an empty picture leaves the box transparent.
// A disabled box keeps drawing its picture unchanged and ignores the mouse.
class PictureBox final : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    const QImage& picture() const { return m_picture; }

signals:
    // A left button pressed and released over the box.
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage m_picture;
    bool m_pressed = false;
};
