// A program folder with design pictures, and print dialogs on it for photos of four shapes.
#pragma once

#include "FourCards.h"
#include "ImagePageSink.h"
#include "PrintDialog.h"
#include "ScriptedPrompts.h"
#include "TestFolder.h"
#include "TestPictures.h"

#include <QtTest>
#include <QtWidgets>

inline const QStringList kThreeDesigns{"kaart1.jpg", "kaart2.jpg", "kaart3.jpg"};
inline const QList<QColor> kDesignColours{{220, 220, 220}, {0, 160, 0}, {20, 40, 120}};
inline constexpr double kDpi = 192; // 15 twips, the thinnest line on the page, become two pixels

template <typename W = QWidget> W* control(const QWidget& dialog, const char* name) {
    W* widget = dialog.findChild<W*>(QLatin1String(name));
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

// The colour of the built-in card outline at pixel (x, y).
inline QColor outlineAt(int x, int y) {
    return QImage(":/pictures/card-outline.png").pixelColor(x, y);
}

// Lends the dialog a sink that outlives the job, so the test can look at it afterwards.
struct Borrowed final : PageSink {
    PageSink& sink;
    explicit Borrowed(PageSink& lent) : sink(lent) {}
    Result<QPainter*> begin(int copies) override { return sink.begin(copies); }
    Status finish() override { return sink.finish(); }
    double printableHeight() const override { return sink.printableHeight(); }
};

// A program folder with `designs` in kDesignColours, and print dialogs on it.
struct PrintFixture final {
    TestFolder folder;
    Settings settings;
    ScriptedPrompts prompts;
    ImagePageSink image{kDpi};

    explicit PrintFixture(const QStringList& designs = kThreeDesigns) {
        for (int n = 1; n <= designs.size(); ++n)
            folder.write("kaarten/" + designs[n - 1],
                         TestPictures::encode(TestPictures::plain(250, 380, kDesignColours[n - 1]),
                                              "JPG", 95));
    }
    // A dialog printing to `sink`, or to `image`; its sheet brings a design as the card frame,
    // which printed fronts must not stand on.
    std::unique_ptr<PrintDialog> open(DeckMode deck = DeckMode::Normal, PageSink* sink = nullptr) {
        PageSink& target = sink ? *sink : image;
        const auto fronts = [] {
            QList<QImage> photos;
            for (const QSize size : kPhotoSizes)
                photos << TestPictures::target(size.width(), size.height());
            FaceSheet sheet = fourCards(photos, PhotoFrame::Outlined);
            sheet.cardFrame = TestPictures::plain(250, 380, kDesignColours[1]);
            return sheet;
        };
        return std::make_unique<PrintDialog>(
            PrintDialog::Context{ProgramFolder(folder.path()),
                                 deck,
                                 &settings,
                                 fronts,
                                 &prompts,
                                 [&target] { return std::make_unique<Borrowed>(target); },
                                 {}});
    }
    static bool print(PrintDialog& dialog, const QString& copies, int position) {
        control<QLineEdit>(dialog, "Text1")->setText(copies);
        control<QScrollBar>(dialog, "VScroll1")->setValue(position);
        return dialog.print();
    }
};
