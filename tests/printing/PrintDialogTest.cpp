// The print dialog and its job on a page in memory: modes, fields, locks while printing.
#include "PrintFixture.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {
QColor outlineAt(int x, int y) {
    return QImage(":/pictures/card-outline.png").pixelColor(x, y);
}
} // namespace

class PrintDialogTest final : public QObject {
    Q_OBJECT

private slots:
    void modeFollowsSelector_data() {
        QTest::addColumn<QStringList>("designs");
        QTest::addColumn<DeckMode>("deck");
        QTest::addColumn<QList<int>>("steps"); // selector positions in turn
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("shown"); // the design in the preview; 0: the card outline
        using L = QList<int>;
        const QStringList three = PrintFixture::kThreeDesigns, capitals{"kaart1.jpg", "KAART2.JPG"};
        const DeckMode normal = DeckMode::Normal, children = DeckMode::Children;
        QTest::newRow("opens on the outline") << three << normal << L{} << 3 << 0;
        QTest::newRow("2: backs") << three << normal << L{2} << 3 << 2;
        QTest::newRow("2 and back to 1") << three << children << L{2, 1} << 3 << 1;
        QTest::newRow("capitals") << capitals << normal << L{2} << 2 << 2;
        QTest::newRow("no JPEG: fronts only")
            << QStringList{"kaart2.png"} << normal << L{2} << 1 << 0;
        QTest::newRow("no folder: fronts only") << QStringList{} << normal << L{2} << 1 << 0;
    }
    void modeFollowsSelector() {
        QFETCH(QStringList, designs);
        QFETCH(DeckMode, deck);
        QFETCH(QList<int>, steps);
        QFETCH(int, maximum);
        QFETCH(int, shown);
        PrintFixture fixture(designs);
        const auto dialog = fixture.open(deck);
        dialog->show();
        auto* selector = control<QScrollBar>(*dialog, "VScroll1");
        QCOMPARE(selector->maximum(), maximum);
        QCOMPARE(fixture.prompts.lastText(),
                 designs.isEmpty() ? "Kan de map (Kaarten) niet vinden!" : "");
        for (int step : steps)
            selector->setValue(step);
        const bool backs = shown > 1, children = deck == DeckMode::Children;
        QCOMPARE(control<QLabel>(*dialog, "Label4")->text(),
                 backs ? "Afdrukken van de rugzijde" : "Afdrukken van de voorkant");
        for (const char* name : {"Label7", "Text2", "Text3", "Label8", "Label9", "Label10"})
            QCOMPARE(control(*dialog, name)->isVisible(), backs);
        for (const char* name : {"Tumble", "Label11", "Label12"})
            QCOMPARE(control(*dialog, name)->isVisible(), !backs);
        for (const char* name : {"Klein_1", "Klein_2", "Klein_3", "Klein_4"})
            QCOMPARE(control(*dialog, name)->isVisible(), !backs && children);
        QCOMPARE(control<QLabel>(*dialog, "Label11")->text().isEmpty(), children);
        const QImage preview = control<QLabel>(*dialog, "Picture2")->pixmap().toImage();
        QVERIFY(TestPictures::near(
            preview.pixel(preview.rect().center()),
            shown ? PrintFixture::kDesignColours[shown - 1] : outlineAt(125, 190), 12));
    }

    void fieldsAreBoundToTheSettings_data() {
        QTest::addColumn<QString>("typedY");
        QTest::addColumn<qint32>("backY"); // 2400: the last valid value is kept
        QTest::newRow("decimal comma") << "13,5" << 14;
        QTest::newRow("letters") << "12a" << 2400;
    }
    // X and Y write through to the settings, which the next opening shows; copies start at 1.
    void fieldsAreBoundToTheSettings() {
        QFETCH(QString, typedY);
        QFETCH(qint32, backY);
        PrintFixture fixture;
        auto dialog = fixture.open();
        const auto field = [&](const char* name) { return control<QLineEdit>(*dialog, name); };
        QCOMPARE(field("Text2")->text(), "1680");
        QCOMPARE(fixture.settings.backX, SettingValue::text("1680")); // stored back as text
        QCOMPARE(field("Text3")->text(), "2400");
        const QColor normal = field("Text3")->palette().color(QPalette::Base);
        field("Text2")->setText("1700");
        field("Text1")->setText("5");
        field("Text3")->setText(typedY);
        QCOMPARE(fixture.settings.backX, SettingValue::text("1700"));
        QCOMPARE(fixture.settings.backY, backY);
        QCOMPARE(field("Text3")->palette().color(QPalette::Base) != normal, backY == 2400);
        field("Text3")->setText("100");
        QCOMPARE(field("Text3")->palette().color(QPalette::Base), normal);
        dialog = fixture.open();
        QCOMPARE(field("Text1")->text(), "1");
        QCOMPARE(field("Text2")->text(), "1700");
        QCOMPARE(field("Text3")->text(), "100");
    }

    void controlsAreLockedWhileAJobRuns() {
        PrintFixture fixture;
        const auto dialog = fixture.open();
        dialog->show();
        const auto enabled = [&](const char* name) { return control(*dialog, name)->isEnabled(); };
        QStringList wrong;
        QTimer::singleShot(300, dialog.get(), [&] {
            for (const char* name : {"OkKnop", "ExitKnop", "VScroll1"})
                if (enabled(name))
                    wrong << name;
            if (!control(*dialog, "Line1")->isVisible() || !QGuiApplication::overrideCursor())
                wrong << "no sweep or no busy pointer";
            control<QPushButton>(*dialog, "OkKnop")->click();
            dialog->reject(); // Escape or the title bar's close button
            if (!dialog->isVisible())
                wrong << "closed";
        });
        control<QPushButton>(*dialog, "OkKnop")->click();
        QCOMPARE(wrong, QStringList());
        QCOMPARE(fixture.image.beginCount(), 1);
        QVERIFY(enabled("OkKnop") && enabled("ExitKnop"));
        QVERIFY(!control(*dialog, "Line1")->isVisible() && !QGuiApplication::overrideCursor());
    }

    // Fronts printed after backs from the same dialog stand on the card outline again: card 1's
    // left border shows the outline's colour.
    void frontsAfterBacksStandOnTheOutline() {
        PrintFixture fixture;
        const auto dialog = fixture.open();
        QVERIFY(PrintFixture::print(*dialog, "1", 2) && PrintFixture::print(*dialog, "1", 1));
        const QPoint border =
            (QPointF(1680 + 30, 2400 + 2850) * fixture.image.pixelsPerTwip()).toPoint();
        QVERIFY(TestPictures::near(fixture.image.image().pixel(border), outlineAt(1, 190), 16));
    }
};

QTEST_MAIN(PrintDialogTest)
#include "PrintDialogTest.moc"
