// The info bar under the card sheet: one line of text that sizes itself to the text.
#pragma once

#include <QLabel>

class InfoBar final : public QLabel {
    Q_OBJECT
public:
    explicit InfoBar(QWidget* parent = nullptr);

    static QString startText() { return tr("Klik op de vakken voor de foto en teksten"); }

    void setInfo(const QString& text);
};
