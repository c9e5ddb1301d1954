// A program folder with generated designs, a dialog on it, and a series whose photos are plain
// colours.
#include "PrintFixture.h"

#include "TestPictures.h"

#include <QDir>
#include <QLineEdit>
#include <QScrollBar>

namespace {

// Lends the dialog a sink that outlives the job, so the test can look at it afterwards.
class BorrowedSink final : public PageSink {
public:
    explicit BorrowedSink(PageSink& sink) : m_sink(sink) {}
    Result<QPainter*> begin(int copies) override { return m_sink.begin(copies); }
    Status finish() override { return m_sink.finish(); }

private:
    PageSink& m_sink;
};

FaceSheet fronts() {
    FaceSheet sheet{QStringLiteral("Dieren.msr"), QStringLiteral("Dieren"), {}, {}, {}};
    for (int card = 1; card <= kCards; ++card) {
        sheet.photos[card - 1] = TestPictures::plain(1200, 900, PrintFixture::photoColour(card));
        sheet.names[card - 1] = {"Aap", "Beer", "Kat", "Uil"};
    }
    return sheet;
}

} // namespace

PrintFixture::Designs PrintFixture::threeDesigns() {
    return {{"kaart1.jpg", QColor(220, 220, 220)},
            {"kaart2.jpg", QColor(0, 160, 0)},
            {"kaart3.jpg", QColor(20, 40, 120)}};
}

QColor PrintFixture::photoColour(int card) {
    return QList<QColor>{{220, 0, 0}, {0, 0, 220}, {230, 200, 0}, {150, 0, 150}}[card - 1];
}

PrintFixture::PrintFixture(const Designs& designs, bool withFolder) {
    if (withFolder)
        QDir(m_dir.path()).mkdir("kaarten");
    for (const auto& [name, colour] : designs)
        TestPictures::write(TestPictures::plain(250, 380, colour),
                            m_dir.path() + "/kaarten/" + name, "JPG", 95);
}

std::unique_ptr<PrintDialog> PrintFixture::open(DeckMode deck, PageSink* sink) {
    PageSink& target = sink ? *sink : image;
    return std::make_unique<PrintDialog>(
        PrintDialog::Context{ProgramFolder(m_dir.path()), deck, &settings, &fronts, &prompts,
                             [&target] { return std::make_unique<BorrowedSink>(target); }});
}

bool PrintFixture::print(const QString& copies, int position, PageSink* sink, DeckMode deck) {
    const std::unique_ptr<PrintDialog> dialog = open(deck, sink);
    control<QLineEdit>(*dialog, "Text1")->setText(copies);
    if (!typedY.isEmpty())
        control<QLineEdit>(*dialog, "Text3")->setText(typedY);
    control<QScrollBar>(*dialog, "VScroll1")->setValue(position);
    return dialog->print();
}
