// A program folder with generated designs, and print dialogs on it for a series of plain colours.
#pragma once

#include "ImagePageSink.h"
#include "PrintDialog.h"
#include "ScriptedPrompts.h"
#include "TestFolder.h"
#include "TestPictures.h"

#include <QLineEdit>
#include <QScrollBar>

template <typename W = QWidget> W* control(const QWidget& dialog, const char* name) {
    W* widget = dialog.findChild<W*>(QLatin1String(name));
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

class PrintFixture final {
    // Lends the dialog a sink that outlives the job, so the test can look at it afterwards.
    struct Borrowed final : PageSink {
        PageSink& sink;
        explicit Borrowed(PageSink& lent) : sink(lent) {}
        Result<QPainter*> begin(int copies) override { return sink.begin(copies); }
        Status finish() override { return sink.finish(); }
    };

public:
    static inline const QStringList kThreeDesigns{"kaart1.jpg", "kaart2.jpg", "kaart3.jpg"};
    static inline const QList<QColor> kDesignColours{{220, 220, 220}, {0, 160, 0}, {20, 40, 120}};
    static inline const QList<QColor> kPhotoColours{
        {220, 0, 0}, {0, 0, 220}, {230, 200, 0}, {150, 0, 150}};

    // A designs folder holding `designs` in kDesignColours; no folder for none.
    explicit PrintFixture(const QStringList& designs = kThreeDesigns) {
        for (int n = 1; n <= designs.size(); ++n)
            folder.write("kaarten/" + designs[n - 1],
                         TestPictures::encode(TestPictures::plain(250, 380, kDesignColours[n - 1]),
                                              "JPG", 95));
    }

    // A dialog whose prints go to `sink`, or to `image` when none is given.
    std::unique_ptr<PrintDialog> open(DeckMode deck = DeckMode::Normal, PageSink* sink = nullptr) {
        PageSink& target = sink ? *sink : image;
        const auto fronts = [] {
            FaceSheet sheet{"Dieren.msr", "Dieren", {}, {}, {}};
            for (int card = 0; card < kCards; ++card) {
                sheet.photos[card] = TestPictures::plain(1200, 900, kPhotoColours[card]);
                sheet.names[card] = {"Aap", "Beer", "Kat", "Uil"};
            }
            return sheet;
        };
        return std::make_unique<PrintDialog>(
            PrintDialog::Context{ProgramFolder(folder.path()), deck, &settings, fronts, &prompts,
                                 [&target] { return std::make_unique<Borrowed>(target); }});
    }
    // Types the copies, moves the selector to `position` and prints.
    static bool print(PrintDialog& dialog, const QString& copies, int position) {
        control<QLineEdit>(dialog, "Text1")->setText(copies);
        control<QScrollBar>(dialog, "VScroll1")->setValue(position);
        return dialog.print();
    }

    TestFolder folder;
    Settings settings;
    ScriptedPrompts prompts;
    ImagePageSink image{192};
};
