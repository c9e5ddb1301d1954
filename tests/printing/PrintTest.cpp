// The print dialog with its job on a page in memory (modes, fields, locks while printing), and
// printing through the real printer code on the default print queue, read back from its PDF.
#include "ImagePageSink.h"
#include "PhotoCanvas.h"
#include "PrintDialog.h"
#include "PrinterPageSink.h"
#include "ScriptedPrompts.h"
#include "TestFolder.h"
#include "TestPictures.h"

#include <QtPrintSupport>
#include <QtTest>
#include <QtWidgets>

namespace {

const QStringList kThreeDesigns{"kaart1.jpg", "kaart2.jpg", "kaart3.jpg"};
const QList<QColor> kDesignColours{{220, 220, 220}, {0, 160, 0}, {20, 40, 120}};
const QList<QColor> kPhotoColours{{220, 0, 0}, {0, 0, 220}, {230, 200, 0}, {150, 0, 150}};
constexpr double kDpi = 192; // 15 twips, the thinnest line on the page, become two pixels

template <typename W = QWidget> W* control(const QWidget& dialog, const char* name) {
    W* widget = dialog.findChild<W*>(QLatin1String(name));
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

// Lends the dialog a sink that outlives the job, so the test can look at it afterwards.
struct Borrowed final : PageSink {
    PageSink& sink;
    explicit Borrowed(PageSink& lent) : sink(lent) {}
    Result<QPainter*> begin(int copies) override { return sink.begin(copies); }
    Status finish() override { return sink.finish(); }
};

// A program folder with `designs` in kDesignColours, and print dialogs on it for plain photos.
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
    // A dialog printing to `sink`, or to `image`.
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
    static bool print(PrintDialog& dialog, const QString& copies, int position) {
        control<QLineEdit>(dialog, "Text1")->setText(copies);
        control<QScrollBar>(dialog, "VScroll1")->setValue(position);
        return dialog.print();
    }
};

// The standard output of a program that succeeded.
QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    const bool ok = process.waitForFinished(20000) &&
                    process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return ok ? QString::fromLocal8Bit(process.readAllStandardOutput()) : QString();
}

// A printed job as its PDF shows it; the first page addressed in twips from the printable corner.
struct Printed {
    int pages = 0;
    QImage page;
    QList<std::pair<QSize, double>> images; // on the first page: pixels and the lower ppi
    QPointF origin;                         // the printable area's corner, in rendered pixels
    QPointF at(double x, double y) const { return origin + QPointF(x, y) * kDpi / 1440; }
    // The first pixel from twips (x, y) onwards, to the right or down, near `colour`.
    QPointF find(double x, double y, bool down, const QColor& colour) const {
        for (QPoint p = at(x, y).toPoint(); page.valid(p); p += down ? QPoint(0, 1) : QPoint(1, 0))
            if (TestPictures::near(page.pixel(p), colour))
                return p;
        return {-1000, -1000};
    }
    // How far, in pixels, the box of `colour` whose corner belongs at twips `corner` is off.
    QPointF offBy(QPoint corner, const QColor& colour) const {
        const double x = corner.x(), y = corner.y();
        return QPointF(find(x - 200, y + 1000, false, colour).x(),
                       find(x + 1000, y - 200, true, colour).y()) -
               at(x, y);
    }
    // The cut marks whose middle, two pixels thick, is where it belongs.
    int marksInPlace() const {
        int found = 0;
        for (int k = 0; k < 16; ++k) {
            const QPointF m =
                k < 8 ? QPointF(k % 2 ? 11075 : 375, QList{2400, 8100, 9000, 14700}[k / 2] + 7.5)
                      : QPointF(QList{1680, 5400, 6180, 9900}[k % 4] + 7.5, k < 12 ? 375 : 15975);
            found += TestPictures::near(page.pixel(at(m.x(), m.y()).toPoint()), {112, 96, 96});
        }
        return found;
    }
};

QColor outlineAt(int x, int y) {
    return QImage(":/pictures/card-outline.png").pixelColor(x, y);
}

} // namespace

class PrintTest final : public QObject {
    Q_OBJECT

    const QString m_pdfDir = qEnvironmentVariable("MOSARET_PDF_DIR", "/var/spool/cups-pdf/mosaret");
    QStringList m_failed; // the jobs of failuresAreReported()

    static QString jobName() {
        return QString("MosaretTest%1").arg(QRandomGenerator::global()->generate());
    }
    QStringList pdfsNamed(const QString& name) const {
        return QDir(m_pdfDir).entryList({"*" + name + "*.pdf"}, QDir::Files);
    }

    // Prints through a dialog and reads back the PDF once the queue has written it whole.
    Printed print(PrintFixture& fixture, int position, DeckMode deck = DeckMode::Normal,
                  const QString& copies = "1") const {
        Printed printed;
        const QString name = jobName(), png = QDir::temp().filePath(name);
        PrinterPageSink printer(name);
        if (!PrintFixture::print(*fixture.open(deck, &printer), copies, position))
            return printed;
        QString pdf;
        QElapsedTimer clock;
        for (clock.start(); printed.pages == 0 && clock.elapsed() < 30000; QTest::qWait(50)) {
            for (const QString& file : pdfsNamed(name)) {
                pdf = m_pdfDir + '/' + file;
                const QString info = run("pdfinfo", {pdf});
                printed.pages =
                    QRegularExpression("Pages: +(\\d+)").match(info).captured(1).toInt();
            }
        }
        run("pdftoppm", {"-r", QString::number(kDpi), "-singlefile", "-png", pdf, png});
        printed.page = QImage(png + ".png");
        // page num type width height color comp bpc enc interp object ID x-ppi y-ppi size ratio
        for (const QString& line : run("pdfimages", {"-list", pdf}).split('\n').mid(2)) {
            const QStringList f = line.simplified().split(' ');
            if (f.size() >= 14 && f[0] == "1" && f[2] == "image")
                printed.images.append(
                    {{f[3].toInt(), f[4].toInt()}, qMin(f[12].toDouble(), f[13].toDouble())});
        }
        QFile::remove(png + ".png");
        QFile::remove(pdf);
        // The printable area of an A4 page on the default printer, as the printer reports it.
        QPrinter a4(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
        a4.setPageSize(QPageSize(QPageSize::A4));
        printed.origin = a4.pageLayout().paintRect(QPageLayout::Inch).topLeft() * kDpi;
        return printed;
    }

private slots:
    void initTestCase() {
        QVERIFY2(run("lpstat", {"-r"}).contains("scheduler is running"),
                 "The CUPS print server is not running: start it with scripts/services.");
        QVERIFY2(!QPrinterInfo::defaultPrinter().isNull(), "No default printer is set.");
        QVERIFY2(QFileInfo(m_pdfDir).isDir(), qPrintable("No PDF folder " + m_pdfDir));
    }

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
        for (const char* name : {"Label7", "Text2", "Text3", "Label8", "Label9", "Label10"})
            QCOMPARE(control(*dialog, name)->isVisible(), backs);
        for (const char* name : {"Tumble", "Label11", "Label12"})
            QCOMPARE(control(*dialog, name)->isVisible(), !backs);
        for (const char* name : {"Klein_1", "Klein_2", "Klein_3", "Klein_4"})
            QCOMPARE(control(*dialog, name)->isVisible(), !backs && children);
        QCOMPARE(control<QLabel>(*dialog, "Label11")->text().isEmpty(), children);
        const QImage preview = control<QLabel>(*dialog, "Picture2")->pixmap().toImage();
        QVERIFY(TestPictures::near(preview.pixel(preview.rect().center()),
                                   shown ? kDesignColours[shown - 1] : outlineAt(125, 190), 12));
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

    // Fronts printed after backs from the same dialog stand on the card outline again.
    void frontsAfterBacksStandOnTheOutline() {
        PrintFixture fixture;
        const auto dialog = fixture.open();
        QVERIFY(PrintFixture::print(*dialog, "1", 2) && PrintFixture::print(*dialog, "1", 1));
        const QPoint border =
            (QPointF(1680 + 30, 2400 + 2850) * fixture.image.pixelsPerTwip()).toPoint();
        QVERIFY(TestPictures::near(fixture.image.image().pixel(border), outlineAt(1, 190), 16));
    }

    void frontPage_data() {
        QTest::addColumn<DeckMode>("deck");
        QTest::addColumn<QString>("copies");
        QTest::addColumn<QPoint>("photo"); // the photo box's corner on the card, in twips
        QTest::addColumn<int>("photos");
        QTest::newRow("names layout") << DeckMode::Normal << " 3 " << QPoint(280, 800) << 4;
        QTest::newRow("pictures layout") << DeckMode::Children << "1" << QPoint(330, 360) << 20;
    }
    // The copies as pages, the cut marks and each card's photo at their places, and every photo
    // printed from its whole print master at 300 pixels per inch or more.
    void frontPage() {
        QFETCH(DeckMode, deck);
        QFETCH(QString, copies);
        QFETCH(QPoint, photo);
        QFETCH(int, photos);
        PrintFixture fixture;
        const Printed printed = print(fixture, 1, deck, copies);
        QVERIFY2(!printed.page.isNull(), qPrintable(fixture.prompts.lastText()));
        QCOMPARE(printed.pages, copies.trimmed().toInt());
        QCOMPARE(printed.marksInPlace(), 16);
        for (int card = 1; card <= 4; ++card) {
            const QColor own = kPhotoColours[card - 1];
            const QPoint box = QPoint(card % 2 ? 1680 : 6180, card < 3 ? 2400 : 9000) + photo;
            const QPointF off = printed.offBy(box, own);
            QVERIFY2(std::abs(off.x()) <= 2 && std::abs(off.y()) <= 2, qPrintable(own.name()));
        }
        const auto sharp = [](const auto& image) {
            return image.first == PhotoCanvas::kMasterSize && image.second >= 300;
        };
        QCOMPARE(std::ranges::count_if(printed.images, sharp), photos);
    }

    // Backs without cut marks at X and Y, each the design's own 250 x 380 pixels.
    void backPageMovesByTheOffsets() {
        PrintFixture fixture;
        const QColor navy = kDesignColours[2];
        QList<QPointF> offs; // the first back's, from where X and Y put it
        for (const QPoint offset : {QPoint(1680, 2400), QPoint(2000, 3000)}) {
            fixture.settings.backX = SettingValue::text(QString::number(offset.x()));
            fixture.settings.backY = offset.y();
            const Printed printed = print(fixture, 3);
            QVERIFY2(!printed.page.isNull(), qPrintable(fixture.prompts.lastText()));
            QCOMPARE(printed.marksInPlace(), 0);
            offs << printed.offBy(offset, navy);
            QVERIFY(std::abs(offs.last().x()) <= 1.5 && std::abs(offs.last().y()) <= 1.5);
            QCOMPARE(printed.images, decltype(printed.images)(4, {QSize(250, 380), 96}));
        }
        QVERIFY(std::abs(offs[1].x() - offs[0].x()) <= 1.5 &&
                std::abs(offs[1].y() - offs[0].y()) <= 1.5);
    }

    void failuresAreReported_data() {
        QTest::addColumn<QString>("field"); // typed into before printing; "printer": printed on
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("message");
        // clang-format off
        QTest::newRow("0 copies") << "Text1" << "0" << 1 << "Aantal afdrukken";
        QTest::newRow("X no number") << "Text2" << "16 80" << 2 << "geen getal";
        QTest::newRow("Y no whole number") << "Text3" << "24OO" << 2 << "geen heel getal";
        QTest::newRow("design unreadable") << "Text1" << "1" << 4 << "kaart4.jpg";
        QTest::newRow("no such printer") << "printer" << "MosaretGeen" << 1 << "niet gevonden";
        // clang-format on
    }
    // A Dutch message and the pointer restored; failedJobsPrintedNothing() checks the queue.
    void failuresAreReported() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(int, position);
        QFETCH(QString, message);
        PrintFixture fixture;
        QVERIFY(fixture.folder.write("kaarten/kaart4.jpg", {}));
        m_failed << jobName();
        PrinterPageSink sink(m_failed.last(), field == "printer" ? text : QString());
        const auto dialog = fixture.open(DeckMode::Normal, &sink);
        if (field != "printer")
            control<QLineEdit>(*dialog, qPrintable(field))->setText(text);
        control<QScrollBar>(*dialog, "VScroll1")->setValue(position);
        QVERIFY(!dialog->print());
        QCOMPARE(fixture.prompts.kinds(), QStringList{"warn"});
        QVERIFY2(fixture.prompts.lastText().contains(message), qPrintable(message));
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    // The queue keeps its jobs in order: a failed job would be written before this one.
    void failedJobsPrintedNothing() {
        PrintFixture fixture;
        QVERIFY(!print(fixture, 1).page.isNull());
        for (const QString& name : m_failed) {
            const QStringList printed = pdfsNamed(name);
            for (const QString& file : printed) // not left behind when the test fails
                QFile::remove(m_pdfDir + '/' + file);
            QVERIFY2(printed.isEmpty(), qPrintable(name));
        }
    }
};

QTEST_MAIN(PrintTest)
#include "PrintTest.moc"
