// A program folder with generated designs, and print dialogs on it for a series of plain colours.
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
        sheet.photos[card - 1] =
            TestPictures::plain(1200, 900, PrintFixture::kPhotoColours[card - 1]);
        sheet.names[card - 1] = {"Aap", "Beer", "Kat", "Uil"};
    }
    return sheet;
}

} // namespace

PrintFixture::PrintFixture(const QStringList& designs) {
    if (!designs.isEmpty())
        QDir(m_dir.path()).mkdir("kaarten");
    for (int n = 1; n <= designs.size(); ++n)
        TestPictures::plain(250, 380, kDesignColours[n - 1])
            .save(m_dir.path() + "/kaarten/" + designs[n - 1], "JPG", 95);
}

std::unique_ptr<PrintDialog> PrintFixture::open(DeckMode deck, PageSink* sink) {
    PageSink& target = sink ? *sink : image;
    return std::make_unique<PrintDialog>(
        PrintDialog::Context{ProgramFolder(m_dir.path()), deck, &settings, &fronts, &prompts,
                             [&target] { return std::make_unique<BorrowedSink>(target); }});
}

bool PrintFixture::print(PrintDialog& dialog, const QString& copies, int position) {
    control<QLineEdit>(dialog, "Text1")->setText(copies);
    control<QScrollBar>(dialog, "VScroll1")->setValue(position);
    return dialog.print();
}
