// A program folder with generated designs, and print dialogs on it for a series of plain colours.
#pragma once

#include "ImagePageSink.h"
#include "PrintDialog.h"
#include "ScriptedPrompts.h"

#include <QColor>
#include <QTemporaryDir>

class PrintFixture final {
public:
    static inline const QStringList kThreeDesigns{"kaart1.jpg", "kaart2.jpg", "kaart3.jpg"};
    static inline const QList<QColor> kDesignColours{{220, 220, 220}, {0, 160, 0}, {20, 40, 120}};
    static inline const QList<QColor> kPhotoColours{
        {220, 0, 0}, {0, 0, 220}, {230, 200, 0}, {150, 0, 150}};

    // A designs folder holding `designs` in kDesignColours; no folder for none.
    explicit PrintFixture(const QStringList& designs = kThreeDesigns);

    // A dialog whose prints go to `sink`, or to `image` when none is given.
    std::unique_ptr<PrintDialog> open(DeckMode deck = DeckMode::Normal, PageSink* sink = nullptr);
    // Types the copies, moves the selector to `position` and prints.
    static bool print(PrintDialog& dialog, const QString& copies, int position);

    QString folder() const { return m_dir.path(); }

    Settings settings;
    ScriptedPrompts prompts;
    ImagePageSink image{192};

private:
    QTemporaryDir m_dir;
};

template <typename W = QWidget> W* control(const QWidget& dialog, const char* name) {
    W* widget = dialog.findChild<W*>(QLatin1String(name));
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}
