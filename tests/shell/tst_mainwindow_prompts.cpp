// Tests of the real prompts: icons, default buttons and the answers they give.
#include "QtUserPrompts.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

class MainWindowPromptsTest final : public QObject {
    Q_OBJECT
    QtUserPrompts m_prompts;

private slots:
    void promptsShowTheirIconAndTakeTheDefault_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("icon"); // -1 for the text prompt
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("answer");
        QTest::newRow("question, Return is Yes") << "yesno" << int(QMessageBox::NoIcon) << int(Qt::Key_Return) << "yes";
        QTest::newRow("question, Escape is No") << "yesno" << int(QMessageBox::NoIcon) << int(Qt::Key_Escape) << "no";
        QTest::newRow("information") << "inform" << int(QMessageBox::NoIcon) << int(Qt::Key_Return) << "";
        QTest::newRow("warning") << "warn" << int(QMessageBox::Warning) << int(Qt::Key_Return) << "";
        QTest::newRow("text accepted") << "text" << -1 << int(Qt::Key_Return) << "Default";
        QTest::newRow("text cancelled") << "text" << -1 << int(Qt::Key_Escape) << "";
    }
    void promptsShowTheirIconAndTakeTheDefault() {
        QFETCH(QString, kind);
        QFETCH(int, icon);
        QFETCH(int, key);
        QFETCH(QString, answer);
        const QString title = QStringLiteral("Nieuw");
        const QString text = QStringLiteral("Wilt u een nieuw ontwerp maken?");
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QCOMPARE(dialog->windowTitle(), title);
            if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
                QCOMPARE(int(box->icon()), icon);
                QCOMPARE(box->text(), text);
            } else {
                QCOMPARE(qobject_cast<QInputDialog*>(dialog)->textValue(), QStringLiteral("Default"));
            }
            QTest::keyClick(dialog, Qt::Key(key));
            if (dialog->isVisible()) // a failed check must not leave the test waiting
                dialog->reject();
        });
        QString given;
        if (kind == "yesno")
            given = m_prompts.askYesNo(title, text) ? "yes" : "no";
        else if (kind == "inform")
            m_prompts.inform(title, text);
        else if (kind == "warn")
            m_prompts.warn(title, text);
        else
            given = m_prompts.askText(title, text, QStringLiteral("Default"));
        QCOMPARE(given, answer);
    }
};

QTEST_MAIN(MainWindowPromptsTest)
#include "tst_mainwindow_prompts.moc"
