// Tests of the series model's mirroring and the thumbnail slot rule.
#include "SeriesModel.h"

#include "ThumbnailSlots.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

class SeriesModelTest final : public QObject {
    Q_OBJECT
private slots:
    void writeShowsOnAllCards_data();
    void writeShowsOnAllCards();
    void thumbnailSlots();
};

void SeriesModelTest::writeShowsOnAllCards_data() {
    QTest::addColumn<int>("card");
    QTest::addColumn<int>("line"); // 0 = the subject
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("subject on card 3") << 3 << 0 << u"Dieren"_s << u"Dieren"_s;
    QTest::newRow("line 2 cleared on card 4") << 4 << 2 << u""_s << u""_s;
    QTest::newRow("line 4, leading blank kept") << 1 << 4 << u" 4. Zoë"_s << u" 4. Zoë"_s;
    QTest::newRow("CR LF pair is one blank") << 2 << 1 << u"a\r\nb"_s << u"a b"_s;
    QTest::newRow("lone CR and LF are blanks") << 3 << 0 << u"a\rb\nc\n\r"_s << u"a b c  "_s;
}

// One write changes the line on every card and signals once; writing it again from any card,
// line breaks and all, changes nothing and signals nothing.
void SeriesModelTest::writeShowsOnAllCards() {
    QFETCH(int, card);
    QFETCH(int, line);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    SeriesModel model;
    QSignalSpy subjects(&model, &SeriesModel::subjectChanged);
    QSignalSpy names(&model, &SeriesModel::nameChanged);
    const auto write = [&](int c) {
        line ? model.setName(c, line, typed) : model.setSubject(typed);
    };
    write(card);
    for (int c = 1; c <= kCards; ++c)
        write(c);
    QCOMPARE(subjects.size() + names.size(), 1);
    QCOMPARE(model.subject(), line ? SeriesModel::defaultSubject() : stored);
    for (int c = 1; c <= kCards; ++c)
        for (int l = 1; l <= kLines; ++l)
            QCOMPARE(model.name(c, l), l == line ? stored : SeriesModel::defaultName(l));
}

// Slot 4 of card K shows K's own photo, slots 1..3 the other cards' photos in ascending order.
void SeriesModelTest::thumbnailSlots() {
    const int table[4][4] = {{2, 3, 4, 1}, {1, 3, 4, 2}, {1, 2, 4, 3}, {1, 2, 3, 4}};
    for (int card = 1; card <= 4; ++card)
        for (int slot = 1; slot <= 4; ++slot) {
            QCOMPARE(ThumbnailSlots::photoCardOf(card, slot), table[card - 1][slot - 1]);
            QCOMPARE(ThumbnailSlots::slotOf(card, table[card - 1][slot - 1]), slot);
        }
}

QTEST_MAIN(SeriesModelTest)
#include "SeriesModelTest.moc"
