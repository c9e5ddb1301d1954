// The print dialog and its job on a page in memory: modes, fields, checks before printing, pages.
#include "PrintFixture.h"
#include "TestPictures.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

namespace {

class RefusingSink final : public PageSink {
public:
    Result<QPainter*> begin(int) override { return Error{QStringLiteral("De printer weigert.")}; }
    Status finish() override { return Error{QStringLiteral("finish without begin")}; }
};

} // namespace

class PrintDialogTest final : public QObject {
    Q_OBJECT

private slots:
    void modeFollowsSelector_data() {
        QTest::addColumn<DeckMode>("deck");
        QTest::addColumn<QList<int>>("steps"); // selector positions in turn; negative: dragged
        QTest::addColumn<QColor>("preview");
        const QColor outline = QImage(":/pictures/card-outline.png").pixelColor(125, 190);
        // clang-format off
        QTest::newRow("opens on the outline") << DeckMode::Normal << QList<int>{} << outline;
        QTest::newRow("2: backs") << DeckMode::Normal << QList<int>{2} << QColor(0, 160, 0);
        QTest::newRow("2 and back to 1") << DeckMode::Children << QList<int>{2, 1} << QColor(220, 220, 220);
        QTest::newRow("dragged to 3") << DeckMode::Children << QList<int>{-3} << QColor(20, 40, 120);
        // clang-format on
    }
    void modeFollowsSelector() {
        QFETCH(DeckMode, deck);
        QFETCH(QList<int>, steps);
        QFETCH(QColor, preview);
        PrintFixture fixture;
        const auto dialog = fixture.open(deck);
        dialog->show();
        for (int step : steps) {
            control<QScrollBar>(*dialog, "VScroll1")->setSliderDown(step < 0);
            control<QScrollBar>(*dialog, "VScroll1")->setSliderPosition(std::abs(step));
        }
        const bool backs = !steps.isEmpty() && steps.last() != 1;
        QCOMPARE(control<QLabel>(*dialog, "Label4")->text(),
                 backs ? "Afdrukken van de rugzijde" : "Afdrukken van de voorkant");
        for (const char* name : {"Label7", "Text2", "Text3", "Label8", "Label9", "Label10"})
            QCOMPARE(control(*dialog, name)->isVisible(), backs);
        for (const char* name : {"Tumble", "Label11", "Label12"})
            QCOMPARE(control(*dialog, name)->isVisible(), !backs);
        const bool squares = !backs && deck == DeckMode::Children;
        for (const char* name : {"Klein_1", "Klein_2", "Klein_3", "Klein_4"})
            QCOMPARE(control(*dialog, name)->isVisible(), squares);
        QCOMPARE(control<QLabel>(*dialog, "Label11")->text().isEmpty(), deck == DeckMode::Children);
        const QImage shown = control<QLabel>(*dialog, "Picture2")->pixmap().toImage();
        QVERIFY(TestPictures::near(shown.pixel(shown.rect().center()), preview, 12));
    }

    void selectorOffersTheDesigns_data() {
        QTest::addColumn<PrintFixture::Designs>("designs");
        QTest::addColumn<bool>("folder");
        QTest::addColumn<int>("maximum");
        using D = PrintFixture::Designs;
        // clang-format off
        QTest::newRow("three") << PrintFixture::threeDesigns() << true << 3;
        QTest::newRow("capitals") << D{{"kaart1.jpg", Qt::white}, {"KAART2.JPG", Qt::red}} << true << 2;
        QTest::newRow("no JPEG: fronts only") << D{{"kaart2.png", Qt::red}} << true << 1;
        QTest::newRow("no folder: fronts only") << D{} << false << 1;
        // clang-format on
    }
    void selectorOffersTheDesigns() {
        QFETCH(PrintFixture::Designs, designs);
        QFETCH(bool, folder);
        QFETCH(int, maximum);
        PrintFixture fixture(designs, folder);
        const auto dialog = fixture.open();
        QCOMPARE(control<QScrollBar>(*dialog, "VScroll1")->maximum(), maximum);
        QCOMPARE(fixture.prompts.kinds(), folder ? QStringList() : QStringList{"inform"});
        if (!folder)
            QCOMPARE(fixture.prompts.asked().first().text, "Kan de map (Kaarten) niet vinden!");
    }

    void fieldsAreBoundToTheSettings_data() {
        QTest::addColumn<QString>("typedY");
        QTest::addColumn<qint32>("backY");
        // clang-format off
        QTest::newRow("whole") << "3000" << 3000;
        QTest::newRow("negative") << "-250" << -250;
        QTest::newRow("half to even") << "12.5" << 12;
        QTest::newRow("decimal comma") << "13,5" << 14;
        QTest::newRow("empty: kept") << "" << 2400;
        QTest::newRow("letters: kept") << "12a" << 2400;
        QTest::newRow("beyond 32 bits: kept") << "2147483648" << 2400;
        // clang-format on
    }
    void fieldsAreBoundToTheSettings() {
        QFETCH(QString, typedY);
        QFETCH(qint32, backY);
        PrintFixture fixture;
        auto dialog = fixture.open();
        QCOMPARE(control<QLineEdit>(*dialog, "Text2")->text(), "1680");
        QCOMPARE(fixture.settings.backX, SettingValue::text("1680")); // stored back as text
        auto* text3 = control<QLineEdit>(*dialog, "Text3");
        QCOMPARE(text3->text(), "2400");
        control<QLineEdit>(*dialog, "Text2")->setText("1700");
        control<QLineEdit>(*dialog, "Text1")->setText("5");
        const QColor normal = text3->palette().color(QPalette::Base);
        text3->setText(typedY);
        QCOMPARE(fixture.settings.backX, SettingValue::text("1700"));
        QCOMPARE(fixture.settings.backY, backY);
        QCOMPARE(text3->palette().color(QPalette::Base) != normal, backY == 2400);
        text3->setText("100");
        QCOMPARE(text3->palette().color(QPalette::Base), normal);
        dialog = fixture.open();
        QCOMPARE(control<QLineEdit>(*dialog, "Text1")->text(), "1");
        QCOMPARE(control<QLineEdit>(*dialog, "Text2")->text(), "1700");
        QCOMPARE(control<QLineEdit>(*dialog, "Text3")->text(), "100");
    }

    void controlsAreLockedWhileAJobRuns() {
        PrintFixture fixture;
        const auto dialog = fixture.open();
        dialog->show();
        QStringList wrong;
        QTimer::singleShot(300, dialog.get(), [&] {
            for (const char* name : {"OkKnop", "ExitKnop", "VScroll1"})
                if (control(*dialog, name)->isEnabled())
                    wrong << name;
            if (!control(*dialog, "Line1")->isVisible())
                wrong << "no sweep";
            if (!QGuiApplication::overrideCursor())
                wrong << "no busy pointer";
            control<QPushButton>(*dialog, "OkKnop")->click();
            dialog->reject(); // Escape or the title bar's close button
            if (!dialog->isVisible())
                wrong << "closed";
        });
        control<QPushButton>(*dialog, "OkKnop")->click();
        QCOMPARE(wrong, QStringList());
        QCOMPARE(fixture.image.beginCount(), 1);
        QVERIFY(control(*dialog, "OkKnop")->isEnabled() &&
                control(*dialog, "ExitKnop")->isEnabled());
        QVERIFY(!control(*dialog, "Line1")->isVisible() && !QGuiApplication::overrideCursor());
    }

    void failuresAreReportedBeforeAnyDocument_data() {
        QTest::addColumn<QString>("copies");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("x");
        QTest::addColumn<QString>("y");
        QTest::addColumn<QString>("message");
        // clang-format off
        QTest::newRow("no copies") << "" << 1 << "1680" << "2400" << "Aantal afdrukken";
        // clang-format off
        QTest::newRow("0 copies") << "0" << 1 << "1680" << "2400" << "Aantal afdrukken";
        QTest::newRow("letters") << "abc" << 2 << "1680" << "2400" << "Aantal afdrukken";
        QTest::newRow("fraction") << "3.5" << 1 << "1680" << "2400" << "Aantal afdrukken";
        QTest::newRow("too many") << "40000" << 1 << "1680" << "2400" << "Aantal afdrukken";
        QTest::newRow("X no number") << "1" << 2 << "16 80" << "2400" << "geen getal";
        QTest::newRow("Y no whole number") << "1" << 2 << "1680" << "24OO" << "geen heel getal";
        QTest::newRow("design unreadable") << "1" << 4 << "1680" << "2400" << "kaart4.jpg";
        QTest::newRow("printer refuses") << "1" << 1 << "1680" << "2400" << "De printer weigert.";
        // clang-format on
        // clang-format on
    }
    void failuresAreReportedBeforeAnyDocument() {
        QFETCH(QString, copies);
        QFETCH(int, position);
        QFETCH(QString, x);
        QFETCH(QString, y);
        QFETCH(QString, message);
        PrintFixture fixture;
        QFile(fixture.folder() + "/kaarten/kaart4.jpg").open(QIODevice::WriteOnly); // unreadable
        fixture.settings.backX = SettingValue::text(x);
        fixture.typedY = y;
        RefusingSink refusing;
        const bool refuse = message.startsWith("De printer");
        QVERIFY(!fixture.print(copies, position, refuse ? &refusing : nullptr));
        QCOMPARE(fixture.prompts.kinds(), QStringList{"warn"});
        QVERIFY(fixture.prompts.asked().first().text.contains(message));
        QCOMPARE(fixture.image.beginCount(), 0);
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void backsThenFrontsOnOnePage() {
        PrintFixture fixture;
        fixture.settings.backX = SettingValue::text("1700");
        const ImagePageSink& page = fixture.image;
        const QList<QPointF> marks = {{375, 2407}, {11075, 8107}, {1687, 375}, {6187, 15975}};
        const auto at = [&page](double x, double y) {
            return page.image().pixel(int(x * page.pixelsPerTwip()), int(y * page.pixelsPerTwip()));
        };
        QVERIFY(fixture.print(" 3 ", 2));
        QCOMPARE(page.copies(), 3);
        for (const QPointF m : marks) // a back page has no cut marks
            QVERIFY(TestPictures::near(at(m.x(), m.y()), Qt::white, 8));
        QVERIFY(TestPictures::near(at(1690, 4000), Qt::white, 16)); // backs start at X = 1700
        QVERIFY(TestPictures::near(at(1712, 4000), QColor(0, 160, 0), 16));
        QVERIFY(TestPictures::near(at(4680, 7700), QColor(0, 160, 0), 16));

        QVERIFY(fixture.print("2", 1));
        QCOMPARE(page.finishCount(), 2); // drawn once per job: the print system makes the copies
        for (const QPointF m : marks)
            QVERIFY(TestPictures::near(at(m.x(), m.y()), QColor(112, 96, 96), 8));
        QVERIFY(TestPictures::near(at(3555, 4400), PrintFixture::photoColour(1), 16));
        // The fronts stand on the card outline again, not on the design of the backs.
        const QColor outline = QImage(":/pictures/card-outline.png").pixelColor(200, 353);
        QVERIFY(TestPictures::near(at(4680, 7700), outline, 16));
    }
};

QTEST_MAIN(PrintDialogTest)
#include "PrintDialogTest.moc"
