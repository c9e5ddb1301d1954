// Unsaved work through the real window: the question before it is thrown away, and the copy kept
// for after a crash and offered at the next start.
#include "QtUserPrompts.h"
#include "RecoveryFolder.h"
#include "RecoveryKeeper.h"
#include "SeriesFile.h"
#include "TestWindow.h"

using Answer = UserPrompts::Answer;

namespace {
const QString kQuestion = "De serie is nog niet bewaard. Wilt u haar eerst bewaren?";

QStringList copiesIn(const QString& folder, const QString& pattern = "herstel-*.herstel") {
    return QDir(folder).entryList({pattern},
                                  QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
}
} // namespace

class UnsavedWorkTest final : public QObject {
    Q_OBJECT
    std::unique_ptr<TestWindow> m_w;

    void type(const QString& box, const QString& text) const {
        QTest::keyClicks(m_w->child(box), text);
    }

private slots:
    void init() {
        m_w = std::make_unique<TestWindow>();
        QVERIFY(m_w->start());
    }

    void questionBeforeWorkIsThrownAway_data() {
        QTest::addColumn<QString>("way");          // Exit, close or Load
        QTest::addColumn<bool>("changed");         // the series has unsaved changes
        QTest::addColumn<QList<Answer>>("answer"); // to the question; none when not asked
        QTest::addColumn<QString>("name"); // typed for the save; "../x" refused, "map" in the way
        QTest::addColumn<bool>("goesOn");  // the program ends, or the load dialog opens
        using A = QList<Answer>;
        // clang-format off
        QTest::newRow("Exit, nothing changed") << "Exit" << false << A{} << "" << true;
        QTest::newRow("Exit, saved first") << "Exit" << true << A{Answer::Yes} << "Bos" << true;
        QTest::newRow("close, save name cancelled") << "close" << true << A{Answer::Yes} << "" << false;
        QTest::newRow("close, save refused") << "close" << true << A{Answer::Yes} << "../x" << false;
        QTest::newRow("close, save failed") << "close" << true << A{Answer::Yes} << "map" << false;
        QTest::newRow("Exit, not saved") << "Exit" << true << A{Answer::No} << "" << true;
        QTest::newRow("close, cancelled") << "close" << true << A{Answer::Cancel} << "" << false;
        QTest::newRow("Load, nothing changed") << "Load" << false << A{} << "" << true;
        QTest::newRow("Load, not saved") << "Load" << true << A{Answer::No} << "" << true;
        QTest::newRow("Load, cancelled") << "Load" << true << A{Answer::Cancel} << "" << false;
        QTest::newRow("file opened, not saved") << "open" << true << A{Answer::No} << "" << true;
        QTest::newRow("file opened, cancelled") << "open" << true << A{Answer::Cancel} << "" << false;
        QTest::newRow("file opened, gone") << "gone" << false << A{} << "" << false;
        // clang-format on
    }
    void questionBeforeWorkIsThrownAway() {
        QFETCH(QString, way);
        QFETCH(bool, changed);
        QFETCH(QList<Answer>, answer);
        QFETCH(QString, name);
        QFETCH(bool, goesOn);
        if (changed)
            type("Onderwerp1_2", " en meer");
        const Series before = m_w->window->model().toSeries();
        QVERIFY(name != "map" || m_w->dir.make("mosaretten/map.msr", TestFolder::Entry::Folder));
        m_w->prompts.yesNo << true; // replace what is in the way
        QVERIFY(QFile::remove(m_w->dir.path("Mosaret.ini")));
        m_w->window->settings().backX = SettingValue::text("2100");
        m_w->window->settings().backY = -150;
        m_w->prompts.yesNoCancel << answer;
        m_w->prompts.texts << name;
        bool dialogOpened = false;
        if (way == "Load")
            m_w->whileLoading([&](QDialog&) { dialogOpened = true; });
        else if (way == "open" || way == "gone") {
            QVERIFY(way == "gone" || m_w->dir.write("elders/Reis.msr", TestFolder::seriesFile()));
            m_w->window->openSeriesFile(m_w->dir.path("elders/Reis.msr"));
            QVERIFY(m_w->idle());
            dialogOpened = m_w->window->model().seriesName() == "Reis.msr";
        } else if (way == "Exit")
            m_w->click("ExitKnop");
        else
            m_w->window->close();
        const QStringList asked = m_w->prompts.kinds();
        QCOMPARE(asked.count("yesnocancel"), answer.size());
        QVERIFY(answer.isEmpty() || m_w->prompts.asked.first().text == kQuestion);
        const bool ends = way == "Exit" || way == "close";
        QCOMPARE(ends ? !m_w->window->isVisible() : dialogOpened, goesOn);
        // The settings are written when the program ends, and only then.
        QCOMPARE(m_w->dir.read("Mosaret.ini"),
                 ends && goesOn ? "0,0,0\r\n0,0,0\r\n\"2100\",-150\r\n" : "<missing>");
        QCOMPARE(QFileInfo(m_w->dir.path("mosaretten/Bos.msr")).isFile(), name == "Bos");
        // A failed save, a name leaving the series folder or a file gone when opened is a message.
        QCOMPARE(asked.contains("warn"), name == "../x" || name == "map" || way == "gone");
        QVERIFY(!QFileInfo::exists(m_w->dir.path("x.msr")));
        if (!goesOn) {
            QCOMPARE(m_w->window->model().toSeries(), before);
            QCOMPARE(m_w->window->model().seriesName(), "Default.msr");
            QVERIFY(!m_w->window->info().contains("Reis.msr"));
        }
    }

    // While the series is unsaved a copy of it, every character as typed, is written a delay after
    // the first change, even while the user types on; a save and a clean end remove it.
    void copyFollowsTheUnsavedWork() {
        m_w->window->recovery().setDelay(200);
        const QString photo = m_w->photo("Łódź 😀.png", Qt::red);
        QVERIFY(m_w->place(1, photo));
        QTest::sendKeyEvent(QTest::Click, m_w->child("Onderwerp1_1"), Qt::Key_unknown, " Łódź Ærø",
                            Qt::NoModifier);
        QTimer typist;
        connect(&typist, &QTimer::timeout, this, [this] { type("Naam1_1", "a"); });
        typist.start(20);
        QTRY_COMPARE_WITH_TIMEOUT(copiesIn(m_w->dir.path()).size(), 1, 5000);
        typist.stop();
        const auto copy = RecoveryFolder::read(m_w->dir.path(copiesIn(m_w->dir.path()).first()));
        QCOMPARE(copy->series.subject, "Onderwerp Łódź Ærø");
        QCOMPARE(copy->series.photoPath(1), photo);
        QCOMPARE(copy->seriesName, "Default.msr");
        m_w->prompts.yesNo << true; // saved all the same, with "?" for what the file cannot hold
        m_w->saveAs("Bos");
        QCOMPARE(copiesIn(m_w->dir.path()), QStringList());
        type("Naam1_1", "Uil");
        QTRY_COMPARE(copiesIn(m_w->dir.path()).size(), 1);
        m_w->prompts.yesNoCancel << Answer::No;
        m_w->click("ExitKnop");
        QCOMPARE(copiesIn(m_w->dir.path()), QStringList());
    }

    // A subject or file name in a message reads as typed, not as markup.
    void messagesShowTextsAsTyped() {
        QtUserPrompts prompts;
        const QString typed = "<b>Vogels</b> &amp; co";
        QString read;
        QTimer::singleShot(0, [&] {
            auto* label = QApplication::activeModalWidget()->findChild<QLabel*>("qt_msgbox_label");
            read = QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name);
            label->window()->close();
        });
        prompts.inform({}, typed);
        QCOMPARE(read, typed);
    }

    // A copy that cannot be written is said again after the next failure once one was written.
    void failedCopyIsSaidAgainAfterASuccess() {
        SeriesModel model;
        int said = 0;
        RecoveryKeeper keeper(m_w->dir.path("staat"), model, [&](const QString&) { ++said; });
        keeper.setDelay(0);
        QVERIFY(m_w->dir.write("staat", "in de weg")); // the folder cannot be made
        model.setSubject("a");
        QTRY_COMPARE(said, 1);
        QVERIFY(QFile::remove(m_w->dir.path("staat")));
        model.setSubject("c");
        const auto copies = [this] { return copiesIn(m_w->dir.path("staat")); };
        QTRY_COMPARE(copies().size(), 1);
        const QString copy = "staat/" + copies().first();
        QVERIFY(QFile::remove(m_w->dir.path(copy)) &&
                m_w->dir.make(copy, TestFolder::Entry::Folder)); // the copy cannot be written
        model.setSubject("d");
        QTRY_COMPARE(said, 2);
    }

    void leftBehindWorkIsOffered_data() {
        QTest::addColumn<QByteArrayList>("copies"); // newest last; "held": a running program's
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<QStringList>("asked"); // the subjects asked about, in turn
        const QByteArray a = "Oud werk", b = "Nieuw werk";
        using B = QByteArrayList;
        using L = QList<bool>;
        QTest::newRow("refused") << B{a} << L{false} << QStringList{a};
        QTest::newRow("newest refused, older taken back")
            << B{a, b} << L{false, true} << QStringList{b, a};
        QTest::newRow("unreadable set aside") << B{"junk"} << L{} << QStringList{};
        QTest::newRow("folders and pipes set aside")
            << B{"folder", a, "pipe"} << L{true} << QStringList{a};
        QTest::newRow("another program's") << B{"held"} << L{} << QStringList{};
        QTest::newRow("older copy, no first line")
            << B{"oude kopie"} << L{true} << QStringList{"oude kopie"};
    }
    // Work left behind is offered newest first, each copy once; one taken back is unsaved work
    // under its old name, its photo looked for as a load would, never where the program started.
    void leftBehindWorkIsOffered() {
        QFETCH(QByteArrayList, copies);
        QFETCH(QList<bool>, answers);
        QFETCH(QStringList, asked);
        QLockFile running(m_w->dir.path("herstel-held.lock"));
        QVERIFY(running.lock());
        for (qsizetype i = 0; i < copies.size(); ++i) {
            const Series series{QString::fromLatin1(copies[i]), {"geel.png"}, {}, {}};
            const QByteArray bytes = copies[i] == "junk" ? QByteArray(300, '\x7f')
                                     : copies[i] == "oude kopie"
                                         ? SeriesFile::serialize(series) + "Bos.msr\r\n"
                                         : RecoveryCopy::serialize(series, "Bos.msr");
            const QString name =
                "herstel-" + (copies[i] == "held" ? "held" : QString::number(i)) + ".herstel";
            const auto entry = copies[i] == "folder" ? TestFolder::Entry::Folder
                               : copies[i] == "pipe" ? TestFolder::Entry::Pipe
                                                     : TestFolder::Entry::File;
            QVERIFY(m_w->dir.make(name, entry, bytes));
            QFile file(m_w->dir.path(name));
            QVERIFY(entry != TestFolder::Entry::File ||
                    (file.open(QIODevice::ReadWrite) &&
                     file.setFileTime(QDateTime::currentDateTime().addSecs(i - 10),
                                      QFileDevice::FileModificationTime)));
        }
        m_w->photo("mosaretten/fotos/geel.png", Qt::yellow);
        m_w->photo("elders/geel.png", Qt::red);
        const QString started = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_w->dir.path("elders")));
        m_w->prompts.yesNo << answers;
        m_w->window->offerRecovery();
        QVERIFY(m_w->idle() && QDir::setCurrent(started));
        QStringList subjects;
        for (const auto& question : m_w->prompts.asked)
            subjects << question.text.section("onderwerp: ", 1).section(')', 0, 0);
        QCOMPARE(subjects, asked);
        const bool takenBack = answers.contains(true);
        QCOMPARE(m_w->window->model().subject(),
                 takenBack ? asked[answers.indexOf(true)] : "Onderwerp");
        QCOMPARE(m_w->window->model().hasUnsavedChanges(), takenBack);
        if (takenBack) {
            QVERIFY(TestPictures::near(m_w->pixelAt("Foto_1", {60, 40}), Qt::yellow));
            QCOMPARE(m_w->proposedName(), "Bos");
        }
        const qsizetype broken =
            copies.count("junk") + copies.count("folder") + copies.count("pipe");
        QCOMPARE(copiesIn(m_w->dir.path(), "*.kapot").size(), broken);
        // Nothing refused or set aside is offered again; a copy taken back stays until saved.
        m_w->prompts.asked.clear();
        m_w->window->offerRecovery();
        QCOMPARE(m_w->prompts.asked.size(), 0);
        QCOMPARE(copiesIn(m_w->dir.path()).size(), int(takenBack) + int(copies.contains("held")));
    }
};

QTEST_MAIN(UnsavedWorkTest)
#include "UnsavedWorkTest.moc"
