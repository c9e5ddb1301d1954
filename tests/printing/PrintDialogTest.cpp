// The print dialog printing to a page in memory: modes, fields, locks and the failures it reports.
#include "PrintFixture.h"
#include "PrinterPageSink.h"
#include "Twips.h"

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
        const QStringList three = kThreeDesigns, capitals{"kaart1.jpg", "KAART2.JPG"};
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
        for (const char* name :
             {"Label7", "Text2", "Text3", "Label8", "Label9", "Label10", "TestvelKnop"})
            QCOMPARE(control(*dialog, name)->isVisible(), backs);
        for (const char* name : {"Tumble", "Label11", "Label12"})
            QCOMPARE(control(*dialog, name)->isVisible(), !backs);
        for (const char* name : {"Klein_1", "Klein_2", "Klein_3", "Klein_4"})
            QCOMPARE(control(*dialog, name)->isVisible(), !backs && children);
        QCOMPARE(control<QLabel>(*dialog, "Label11")->text().isEmpty(), children);
        const QImage preview = control<QLabel>(*dialog, "Picture2")->pixmap().toImage();
        QVERIFY(TestPictures::near(preview.pixel(preview.rect().center()),
                                   shown ? kDesignColours[shown - 1] : outlineAt(400, 608), 12));
    }

    // X and Y write through to the settings, which the next opening shows; a decimal comma is
    // rounded, letters keep the last valid value and colour the field; copies start at 1.
    void fieldsAreBoundToTheSettings() {
        PrintFixture fixture;
        auto dialog = fixture.open();
        const auto field = [&](const char* name) { return control<QLineEdit>(*dialog, name); };
        QCOMPARE(field("Text2")->text(), "1680");
        QCOMPARE(fixture.settings.backX, SettingValue::text("1680")); // stored back as text
        QCOMPARE(field("Text3")->text(), "2400");
        const QColor normal = field("Text3")->palette().color(QPalette::Base);
        field("Text2")->setText("1700");
        field("Text1")->setText("5");
        field("Text3")->setText("13,5");
        QCOMPARE(fixture.settings.backX, SettingValue::text("1700"));
        QCOMPARE(fixture.settings.backY, 14);
        QCOMPARE(field("Text3")->palette().color(QPalette::Base), normal);
        field("Text3")->setText("12a");
        QCOMPARE(fixture.settings.backY, 14);
        QVERIFY(field("Text3")->palette().color(QPalette::Base) != normal);
        field("Text3")->setText("100");
        QCOMPARE(field("Text3")->palette().color(QPalette::Base), normal);
        dialog = fixture.open();
        QCOMPARE(field("Text1")->text(), "1");
        QCOMPARE(field("Text2")->text(), "1700");
        QCOMPARE(field("Text3")->text(), "100");
    }

    // A second Print and a close while the sweep runs start nothing and close nothing. The clicks
    // are queued before the job, so they arrive at the sweep's first pause.
    void controlsAreLockedWhileAJobRuns() {
        PrintFixture fixture;
        const auto dialog = fixture.open();
        dialog->show();
        const auto enabled = [&](const char* name) { return control(*dialog, name)->isEnabled(); };
        QStringList during;
        QMetaObject::invokeMethod(
            dialog.get(),
            [&] {
                for (const char* name : {"OkKnop", "ExitKnop", "VScroll1"})
                    if (enabled(name))
                        during << name;
                if (!control(*dialog, "Line1")->isVisible())
                    during << "no sweep";
                if (!QGuiApplication::overrideCursor())
                    during << "no busy pointer";
                control<QPushButton>(*dialog, "OkKnop")->click();
                dialog->reject(); // Escape or the title bar's close button
                if (!dialog->isVisible())
                    during << "closed";
            },
            Qt::QueuedConnection);
        control<QPushButton>(*dialog, "OkKnop")->click();
        QCOMPARE(during, QStringList());
        QCOMPARE(fixture.image.beginCount(), 1);
        QVERIFY(enabled("OkKnop") && enabled("ExitKnop") && enabled("VScroll1"));
        QVERIFY(!control(*dialog, "Line1")->isVisible() && !QGuiApplication::overrideCursor());
    }

    void buttonsPrintOrReport_data() {
        QTest::addColumn<QString>("button"); // OkKnop, or TestvelKnop for the test sheet
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("field"); // typed into before printing
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("jobs");
        QTest::addColumn<QString>("said"); // the warning, or the question between the sides
        const auto row = [](const char* name, const char* button, int position, const char* field,
                            const char* text, int jobs, const char* said) {
            QTest::newRow(name) << button << position << field << text << jobs << said;
        };
        const char* turn = "Leg hetzelfde vel met de bedrukte kant naar beneden terug in de "
                           "printer en klik op OK.";
        row("0 copies", "OkKnop", 1, "Text1", "0", 0, "Aantal afdrukken");
        row("X no number", "OkKnop", 2, "Text2", "16 80", 0, "geen getal");
        row("Y no whole number", "OkKnop", 2, "Text3", "24OO", 0, "geen heel getal");
        row("design unreadable", "OkKnop", 4, "Text1", "1", 0, "kaart4.jpg");
        row("test sheet, OK: both sides", "TestvelKnop", 2, "Text3", "2400", 2, turn);
        row("test sheet, Annuleren: side 1", "TestvelKnop", 2, "Text3", "2400", 1, turn);
        row("test sheet, Y no whole number", "TestvelKnop", 2, "Text3", "24OO", 0, "heel getal");
    }
    // A failure is a message before any page is begun; Testvel prints each side as a job of its
    // own and asks in between. The pointer is restored and the button can be pressed again.
    void buttonsPrintOrReport() {
        QFETCH(QString, button);
        QFETCH(int, position);
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(int, jobs);
        QFETCH(QString, said);
        PrintFixture fixture;
        QVERIFY(fixture.folder.write("kaarten/kaart4.jpg", {}));
        const auto dialog = fixture.open();
        dialog->show();
        control<QScrollBar>(*dialog, "VScroll1")->setValue(position);
        QCOMPARE(control(*dialog, "TestvelKnop")->geometry(),
                 twips::rectToPx(2910, 3450, 1110, 300));
        control<QLineEdit>(*dialog, qPrintable(field))->setText(text);
        fixture.prompts.okCancel << (jobs == 2);
        auto* pressed = control<QPushButton>(*dialog, qPrintable(button));
        pressed->click();
        QCOMPARE(fixture.image.beginCount(), jobs);
        QCOMPARE(fixture.image.finishCount(), jobs);
        QCOMPARE(fixture.prompts.kinds(), QStringList{jobs ? "okcancel" : "warn"});
        QVERIFY2(fixture.prompts.lastText().contains(said), qPrintable(fixture.prompts.lastText()));
        QVERIFY(!QGuiApplication::overrideCursor() && pressed->isEnabled());
    }

    // Paper whose printable area cannot hold the four cards is refused by name: A5, and Letter
    // with wide margins (A4 and Letter that can are printed on by the print queue tests).
    void paperTooSmallIsRefused() {
        for (const auto& [paper, margin] :
             {std::pair{QPageSize::A5, 10.0}, {QPageSize::Letter, 72.0}}) {
            const Status checked = PrinterPageSink::checkPaper(
                QPageLayout(QPageSize(paper), QPageLayout::Portrait,
                            QMarginsF(margin, margin, margin, margin), QPageLayout::Point),
                "Kantoor");
            QVERIFY2(!checked.ok() && checked.error().contains(QPageSize(paper).name()) &&
                         checked.error().contains("\"Kantoor\""),
                     qPrintable(checked.error()));
        }
    }
};

QTEST_MAIN(PrintDialogTest)
#include "PrintDialogTest.moc"
