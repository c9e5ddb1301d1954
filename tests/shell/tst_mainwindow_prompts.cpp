// Tests of the real prompts: icons, default buttons and the text prompt's answers.
#include "QtUserPrompts.h"

#include <QApplication>
#include <QDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

class MainWindowPromptsTest final : public QObject {
    Q_OBJECT

    QtUserPrompts m_prompts;

    // Runs `check` on the dialog the next prompt opens; a failed check still closes the dialog.
    void whenShown(std::function<void(QWidget*)> check) {
        QTimer::singleShot(0, this, [check] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            check(dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
    }

private slots:
    void messagesHaveTheirIconAndDefaultButton_data() {
        QTest::addColumn<int>("kind"); // 0 askYesNo, 1 inform, 2 warn
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("defaultButton");
        QTest::newRow("question") << 0 << int(QMessageBox::NoIcon) << int(QMessageBox::Yes);
        QTest::newRow("information") << 1 << int(QMessageBox::NoIcon) << int(QMessageBox::Ok);
        QTest::newRow("warning") << 2 << int(QMessageBox::Warning) << int(QMessageBox::Ok);
    }
    void messagesHaveTheirIconAndDefaultButton() {
        QFETCH(int, kind);
        QFETCH(int, icon);
        QFETCH(int, defaultButton);
        whenShown([=](QWidget* dialog) {
            auto* box = qobject_cast<QMessageBox*>(dialog);
            QVERIFY(box);
            QCOMPARE(box->windowTitle(), QStringLiteral("Nieuw"));
            QCOMPARE(box->text(), QStringLiteral("Wilt u een nieuw ontwerp maken?"));
            QCOMPARE(int(box->icon()), icon);
            QCOMPARE(static_cast<QAbstractButton*>(box->defaultButton()), box->button(QMessageBox::StandardButton(defaultButton)));
            QTest::keyClick(box, Qt::Key_Return);
        });
        const QString title = QStringLiteral("Nieuw");
        const QString text = QStringLiteral("Wilt u een nieuw ontwerp maken?");
        if (kind == 0)
            QVERIFY(m_prompts.askYesNo(title, text)); // Return takes the default, Yes
        else if (kind == 1)
            m_prompts.inform(title, text);
        else
            m_prompts.warn(title, text);
    }

    void textPromptGivesTheAnswerOrNothing_data() {
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QString>("answer");
        QTest::newRow("accepted default") << true << "Default";
        QTest::newRow("cancelled") << false << "";
    }
    void textPromptGivesTheAnswerOrNothing() {
        QFETCH(bool, accept);
        QFETCH(QString, answer);
        whenShown([=](QWidget* dialog) {
            auto* input = qobject_cast<QInputDialog*>(dialog);
            QVERIFY(input);
            QCOMPARE(input->windowTitle(), QStringLiteral(" Save"));
            QCOMPARE(input->labelText(), QStringLiteral("Geef een naam"));
            QCOMPARE(input->textValue(), QStringLiteral("Default"));
            accept ? input->accept() : input->reject();
        });
        QCOMPARE(m_prompts.askText(QStringLiteral(" Save"), QStringLiteral("Geef een naam"),
                                   QStringLiteral("Default")),
                 answer);
    }
};

QTEST_MAIN(MainWindowPromptsTest)
#include "tst_mainwindow_prompts.moc"
