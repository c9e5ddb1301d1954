// Tests of the series model's mirroring, the thumbnail slot rule and the cards' photo store.
#include "CardPhotos.h"
#include "PhotoCanvas.h"
#include "PhotoPreparer.h"
#include "SeriesModel.h"
#include "TestPictures.h"
#include "ThumbnailSlots.h"

#include <QSignalSpy>
#include <QTest>

class SeriesModelTest final : public QObject {
    Q_OBJECT
private slots:
    void writeShowsOnAllCards_data();
    void writeShowsOnAllCards();
    void writingTheCurrentTextEmitsNothing();
    void resetPutsDesignTextsBack();
    void thumbnailSlots_data();
    void thumbnailSlots();
    void cardPhotoStates();
};

void SeriesModelTest::writeShowsOnAllCards_data() {
    QTest::addColumn<int>("card");
    QTest::addColumn<int>("line"); // 0 = the subject
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("subject typed on card 3") << 3 << 0 << "Dieren" << "Dieren";
    QTest::newRow("line 2 cleared on card 4") << 4 << 2 << "" << "";
    QTest::newRow("leading blank kept") << 1 << 4 << " 4. Zoë" << " 4. Zoë";
    QTest::newRow("CR LF pair is one blank") << 2 << 1 << "a\r\nb" << "a b";
    QTest::newRow("lone CR and LF are blanks") << 3 << 0 << "a\rb\nc\n\r" << "a b c  ";
}

void SeriesModelTest::writeShowsOnAllCards() {
    QFETCH(int, card);
    QFETCH(int, line);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    SeriesModel model;
    QSignalSpy subjects(&model, &SeriesModel::subjectChanged);
    QSignalSpy names(&model, &SeriesModel::nameChanged);
    if (line == 0)
        model.setSubject(typed);
    else
        model.setName(card, line, typed);
    QCOMPARE(subjects.size() + names.size(), 1);
    if (line == 0)
        QCOMPARE(model.subject(), stored);
    for (int c = 1; c <= kCards; ++c) {
        for (int l = 1; l <= kLines; ++l) {
            const QString expected = l == line ? stored : SeriesModel::defaultName(l);
            QCOMPARE(model.name(c, l), expected);
        }
    }
}

void SeriesModelTest::writingTheCurrentTextEmitsNothing() {
    SeriesModel model;
    model.setName(2, 3, "Kat");
    model.setSubject("a b");
    QSignalSpy subjects(&model, &SeriesModel::subjectChanged);
    QSignalSpy names(&model, &SeriesModel::nameChanged);
    model.setSubject("a b");
    model.setSubject("a\r\nb"); // the same text once line breaks are blanks
    for (int card = 1; card <= kCards; ++card)
        model.setName(card, 3, "Kat");
    QCOMPARE(subjects.size() + names.size(), 0);
}

void SeriesModelTest::resetPutsDesignTextsBack() {
    SeriesModel model;
    model.setSubject("Vogels");
    model.setName(1, 1, " 1. Mus");
    model.setPhotoPath(2, "/foto/mus.jpg");
    model.setSeriesName("Vogels.msr");
    model.resetToDesign();
    Series design;
    design.subject = "Onderwerp";
    for (int card = 1; card <= kCards; ++card)
        for (int line = 1; line <= kLines; ++line)
            design.name(card, line) = QStringLiteral(" %1. ").arg(line);
    QCOMPARE(model.toSeries(), design);
    QCOMPARE(model.seriesName(), QStringLiteral("Default.msr"));
}

void SeriesModelTest::thumbnailSlots_data() {
    QTest::addColumn<int>("card");
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("photoCard");
    const int table[4][4] = {{2, 3, 4, 1}, {1, 3, 4, 2}, {1, 2, 4, 3}, {1, 2, 3, 4}};
    for (int card = 1; card <= 4; ++card)
        for (int slot = 1; slot <= 4; ++slot)
            QTest::addRow("card %d slot %d", card, slot) << card << slot << table[card - 1][slot - 1];
}

void SeriesModelTest::thumbnailSlots() {
    QFETCH(int, card);
    QFETCH(int, slot);
    QFETCH(int, photoCard);
    QCOMPARE(ThumbnailSlots::photoCardOf(card, slot), photoCard);
    QCOMPARE(ThumbnailSlots::slotOf(card, photoCard), slot);
}

void SeriesModelTest::cardPhotoStates() {
    CardPhotos photos;
    QSignalSpy changed(&photos, &CardPhotos::changed);
    const QImage blankCanvas = PhotoCanvas::blank(PhotoCanvas::kCanvasSize);
    QVERIFY(photos.cardShowsPlaceholder(1) && photos.thumbnail(1).isNull());
    QCOMPARE(photos.canvas(1), blankCanvas);
    QCOMPARE(photos.master(1).size(), PhotoCanvas::kMasterSize);

    const PreparedPhoto red = PhotoPreparer::fromPicture(TestPictures::plain(800, 600, Qt::red));
    photos.place(2, red);
    photos.load(3, red);
    photos.load(4, PhotoPreparer::emptyPhoto());
    QCOMPARE(changed.size(), 3);
    QVERIFY(photos.cardShowsPlaceholder(1) && photos.thumbnail(1).isNull());
    QCOMPARE(photos.cardPicture(2), red.canvas); // a placed photo shows its outlined canvas
    QCOMPARE(photos.cardPicture(3), red.cardImage); // a loaded one the picture itself
    QVERIFY(!photos.cardShowsPlaceholder(4) && photos.cardPicture(4).isNull());
    QCOMPARE(photos.thumbnail(2), red.canvas);
    QCOMPARE(photos.thumbnail(4), PhotoCanvas::emptyOutlined(PhotoCanvas::kCanvasSize));
    QCOMPARE(photos.master(3), red.master);

    photos.reset();
    for (int card = 1; card <= kCards; ++card) {
        QVERIFY(photos.cardShowsPlaceholder(card) && photos.thumbnail(card).isNull());
        QCOMPARE(photos.canvas(card), blankCanvas);
    }
}

QTEST_MAIN(SeriesModelTest)
#include "SeriesModelTest.moc"
