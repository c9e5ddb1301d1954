// The rounded outline a card is drawn on, beneath everything that stands on the card.
#pragma once

#include <QWidget>

class CardOutline final : public QWidget {
    Q_OBJECT
public:
    explicit CardOutline(QWidget* parent = nullptr);

    static QColor fill() { return QColor(224, 224, 224); }
    static QColor border() { return QColor(128, 128, 128); }

    // A highlighted card is outlined in the palette's highlight colour, twice as thick: it takes
    // the picture being dragged over it.
    void setHighlighted(bool highlighted);
    bool isHighlighted() const { return m_highlighted; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_highlighted = false;
};
