// The program in Dutch, English and German: the language taken from the user's languages, the
// window and its dialogs in that language, and every text fitting its control.
#include "LoadDialog.h"
#include "MenuCaptions.h"
#include "PrintDialog.h"
#include "ProgramLanguage.h"
#include "TestWindow.h"

namespace {

// Every label's and button's text under `top` fits its control, and stays inside the parent and
// off the controls beside it; the first text that does not is named.
void checkFits(const QWidget& top) {
    for (QWidget* widget : top.findChildren<QWidget*>()) {
        auto* label = qobject_cast<QLabel*>(widget);
        auto* button = qobject_cast<QAbstractButton*>(widget);
        const QString text = label ? label->text() : button ? button->text() : QString();
        if (text.isEmpty())
            continue;
        QRect room = widget->contentsRect();
        int flags = Qt::AlignCenter;
        if (label) {
            flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        } else {
            QStyleOptionButton option;
            option.initFrom(button);
            room = widget->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        }
        const QRect needed = widget->fontMetrics().boundingRect(room, flags, text);
        const QRect onParent = needed.translated(widget->pos());
        bool clear = widget->parentWidget()->rect().contains(onParent);
        for (QWidget* other :
             widget->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            clear = clear &&
                    (other == widget || !other->geometry().intersects(onParent) ||
                     !(qobject_cast<QAbstractButton*>(other) || qobject_cast<QLineEdit*>(other) ||
                       qobject_cast<QAbstractSlider*>(other)));
        QVERIFY2(room.contains(needed) && clear,
                 qPrintable(QString("\"%1\" (%2) needs %3 x %4 of its %5 x %6, clear of the "
                                    "controls beside it")
                                .arg(text, widget->objectName())
                                .arg(needed.width())
                                .arg(needed.height())
                                .arg(room.width())
                                .arg(room.height())));
    }
}

} // namespace

class LanguageTest final : public QObject {
    Q_OBJECT

private slots:
    void choosesTheFirstLanguageSpoken_data() {
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("helpFile");
        const auto row = [](const char* name, const QStringList& languages, const QString& code) {
            QTest::newRow(name) << languages << code
                                << (code == "nl" ? "help.htm" : "help_" + code + ".htm");
        };
        row("Dutch", {"nl-NL"}, "nl");
        row("English first", {"en-GB", "nl"}, "en");
        row("Austrian German", {"de_AT"}, "de");
        row("French, then German", {"fr-FR", "de"}, "de");
        row("none spoken", {"fr", "es-ES"}, "nl");
        row("C locale", {"C"}, "nl");
    }
    void choosesTheFirstLanguageSpoken() {
        QFETCH(QStringList, languages);
        QFETCH(QString, code);
        QFETCH(QString, helpFile);
        const ProgramLanguage language(languages);
        QCOMPARE(language.code(), code);
        QCOMPARE(language.helpFile(), helpFile);
        // The help pane opens the page of the language, and the Dutch one while that is missing.
        const TestFolder dir;
        ProgramFolder folder(dir.path());
        folder.setHelpFile(language.helpFile());
        QCOMPARE(folder.helpPage(), dir.path("help/help.htm"));
        QVERIFY(dir.write("help/" + helpFile, "<p>"));
        QCOMPARE(folder.helpPage(), dir.path("help/" + helpFile));
    }

    void speaksItsLanguageInControlsThatFit_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("captions"); // the menu row, then Exit
        QTest::addColumn<QString>("question");     // asked by the New button
        QTest::newRow("nl") << "nl" << QStringList{"Nieuw",     "Load",   "Save", "Help",
                                                   "Afdrukken", "Export", "Exit"}
                            << "Wilt u een nieuw ontwerp maken?";
        QTest::newRow("en") << "en"
                            << QStringList{"New", "Load", "Save", "Help", "Print", "Export", "Exit"}
                            << "Do you want to make a new design?";
        QTest::newRow("de") << "de" << QStringList{"Neu",     "Laden",  "Speichern", "Hilfe",
                                                   "Drucken", "Export", "Beenden"}
                            << "Möchten Sie einen neuen Entwurf beginnen?";
    }
    void speaksItsLanguageInControlsThatFit() {
        QFETCH(QString, code);
        QFETCH(QStringList, captions);
        QFETCH(QString, question);
        ProgramLanguage language({code});
        QVERIFY(language.install());
        TestWindow w;
        QVERIFY(w.start());
        const auto* menu = w.window->findChild<MenuCaptions*>();
        QCOMPARE(menu->captions() + QStringList{w.child<QPushButton>("ExitKnop")->text()},
                 captions);
        w.clickMenu(1);
        QCOMPARE(w.prompts.lastText(), question);

        // The painted captions stay inside the menu row and apart from each other.
        int right = 0;
        for (int i = 0; i < menu->captions().size(); ++i) {
            const int left = menu->captionLeft(i);
            QVERIFY2(left > right, qPrintable(menu->captions()[i]));
            right = left + menu->fontMetrics().horizontalAdvance(menu->captions()[i]);
        }
        QVERIFY(right < menu->width());
        checkFits(*w.window);
        w.window->toggleHelp(); // says in the info bar how to close help
        checkFits(*w.window);
        checkFits(LoadDialog(SeriesFolder(w.dir.path()), {}, w.prompts, w.window.get()));
        checkFits(PrintDialog({ProgramFolder(w.dir.path()),
                               DeckMode::Normal,
                               &w.window->settings(),
                               {},
                               &w.prompts,
                               {},
                               {}},
                              w.window.get()));
    }
};

QTEST_MAIN(LanguageTest)
#include "LanguageTest.moc"
