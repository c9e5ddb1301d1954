// A program folder with generated designs, a dialog on it, and a series whose photos are plain
// colours.
#pragma once

#include "ImagePageSink.h"
#include "PrintDialog.h"
#include "ScriptedPrompts.h"

#include <QColor>
#include <QTemporaryDir>

class PrintFixture final {
public:
    using Designs = QList<QPair<QString, QColor>>; // file in the designs folder, its plain colour

    // kaart1..3.jpg in light grey, green and navy.
    static Designs threeDesigns();
    static QColor photoColour(int card);

    // A designs folder holding `designs`, or none at all when `withFolder` is false.
    explicit PrintFixture(const Designs& designs = threeDesigns(), bool withFolder = true);

    // Opens the dialog; its prints go to `sink`, or to `image` when none is given.
    std::unique_ptr<PrintDialog> open(DeckMode deck = DeckMode::Normal, PageSink* sink = nullptr);
    // Opens the dialog, types the copies (and `typedY` when set), moves the selector, prints.
    bool print(const QString& copies, int position, PageSink* sink = nullptr,
               DeckMode deck = DeckMode::Normal);

    QString folder() const { return m_dir.path(); }

    Settings settings;
    QString typedY;
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
