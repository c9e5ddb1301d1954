// The menu row's keys do what a click on each button does, with the focus in a text box too.
#include "TestWindow.h"

class ShortcutsTest final : public QObject {
    Q_OBJECT

private slots:
    void keysDoWhatTheButtonsDo_data() {
        QTest::addColumn<QKeyCombination>("key");
        QTest::addColumn<QString>("button");
        QTest::newRow("Ctrl+N Nieuw") << (Qt::CTRL | Qt::Key_N) << "Menuknop_1";
        QTest::newRow("Ctrl+O Load") << (Qt::CTRL | Qt::Key_O) << "Menuknop_2";
        QTest::newRow("Ctrl+S Save") << (Qt::CTRL | Qt::Key_S) << "Menuknop_3";
        QTest::newRow("F1 Help") << QKeyCombination(Qt::Key_F1) << "Menuknop_4";
        QTest::newRow("Ctrl+P Afdrukken") << (Qt::CTRL | Qt::Key_P) << "Menuknop_5";
        QTest::newRow("Ctrl+E Export") << (Qt::CTRL | Qt::Key_E) << "Menuknop_6";
        QTest::newRow("Ctrl+Q Exit") << (Qt::CTRL | Qt::Key_Q) << "ExitKnop";
    }
    // What the window asks or opens after the key equals what it asks after the click.
    void keysDoWhatTheButtonsDo() {
        QFETCH(QKeyCombination, key);
        QFETCH(QString, button);
        const auto outcome = [&](const std::function<void(TestWindow&)>& act) {
            TestWindow t;
            if (!t.start())
                return QStringList{"not started"};
            QTest::keyClicks(t.child("Naam1_2"), "Mus"); // unsaved, so Exit asks
            QStringList seen;
            QTimer poll; // a dialog that opens is noted and closed
            QObject::connect(&poll, &QTimer::timeout, [&] {
                if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                    seen << dialog->metaObject()->className();
                    dialog->reject();
                }
            });
            poll.start(10);
            act(t);
            seen << t.prompts.kinds() << QString::number(t.window->helpOpen())
                 << QString::number(t.window->isVisible());
            return seen;
        };
        const QStringList clicked = outcome([&](TestWindow& t) { t.click(button); });
        const QStringList typed = outcome([&](TestWindow& t) {
            QWidget* box = t.child("Naam1_2");
            box->setFocus();
            QTest::keyClick(box, key.key(), key.keyboardModifiers());
        });
        QCOMPARE(typed, clicked);
        QVERIFY(clicked.size() > 2 || button == "Menuknop_4"); // something happened
    }
};

QTEST_MAIN(ShortcutsTest)
#include "ShortcutsTest.moc"
