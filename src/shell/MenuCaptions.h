// The captions of the menu row, each word centred under its button.
#pragma once

#include <QStringList>
#include <QWidget>

class MenuCaptions final : public QWidget {
    Q_OBJECT
public:
    // `centres` are the button centres in the parent's pixels, one per caption.
    MenuCaptions(QStringList captions, QList<int> centres, QWidget* parent = nullptr);

    const QStringList& captions() const { return m_captions; }
    // The left edge of caption `index` (0-based) in the parent's pixels.
    int captionLeft(int index) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QStringList m_captions;
    QList<int> m_centres;
};
