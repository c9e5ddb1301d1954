// The check of a game's series: each problem alone and together, subjects shared between series,
// files that are not series, and photos looked for where a load looks.
#include "GameCheck.h"

#include "TestFolder.h"

#include <QtTest>

class GameCheckTest final : public QObject {
    Q_OBJECT

private slots:
    void gameCheckFindsWhatIsUnfinished_data() {
        QTest::addColumn<QByteArrayList>("photos"); // per card; "@" is the test folder
        QTest::addColumn<QByteArray>("firstName");  // line 1 of every card
        QTest::addColumn<QStringList>("problems");
        const QByteArray name = "1. Merel";
        using B = QByteArrayList;
        // clang-format off
        QTest::newRow("finished") << B{"@/foto.jpg"} << name << QStringList{};
        QTest::newRow("photo found beside the series")
            << B{"C:\\Foto\\naast.jpg"} << name << QStringList{};
        QTest::newRow("card without a photo")
            << B{"@/foto.jpg", "", "@/foto.jpg"} << name << QStringList{"kaart 2 heeft geen foto"};
        QTest::newRow("photo moved away")
            << B{"@/foto.jpg", "@/foto.jpg", "@/weg.jpg"} << name
            << QStringList{"foto van kaart 3 niet gevonden", "foto van kaart 4 niet gevonden"};
        QTest::newRow("name holding only its number")
            << B{"@/foto.jpg"} << QByteArray("1. ") << QStringList{"naam 1 is leeg"};
        QTest::newRow("all at once")
            << B{"", "@/weg.jpg", "@/foto.jpg"} << QByteArray()
            << QStringList{"kaart 1 heeft geen foto", "foto van kaart 2 niet gevonden",
                           "naam 1 is leeg"};
        // clang-format on
    }
    void gameCheckFindsWhatIsUnfinished() {
        QFETCH(QByteArrayList, photos);
        QFETCH(QByteArray, firstName);
        QFETCH(QStringList, problems);
        const TestFolder dir;
        QVERIFY(dir.write("foto.jpg", "jpg") && dir.write("spel/naast.jpg", "jpg"));
        for (QByteArray& photo : photos)
            photo.replace("@", dir.path().toUtf8());
        QByteArray series = TestFolder::seriesFile(21, photos);
        for (int card = 1; card <= 4; ++card)
            series.replace("k" + QByteArray::number(card) + "n1\r\n", firstName + "\r\n");
        QVERIFY(dir.write("spel/Vogels.msr", series));
        const QList<GameCheck::Finding> found = GameCheck::check({dir.path("spel/Vogels.msr")});
        QCOMPARE(found.size(), 1);
        QCOMPARE(found.first().problems, problems);
    }

    // Series with one subject are named on each of them; files that hold no series are
    // unreadable and share no subject.
    void gameCheckSharedSubjectsAndUnreadableFiles() {
        const TestFolder dir;
        const QByteArray series = TestFolder::seriesFile(21, {dir.path("foto.jpg").toUtf8()});
        QVERIFY(dir.write("foto.jpg", "jpg") && dir.write("A.msr", series) &&
                dir.write("B.msr", QByteArray(series).replace("Vogels", " vogels ")) &&
                dir.write("C.msr", QByteArray(series).replace("Vogels", "Bomen")) &&
                dir.write("D.msr", QByteArray(3000, '\x01') + "\r\n\x02\x03\r\n") &&
                dir.make("E.msr", TestFolder::Entry::Folder) &&
                dir.make("F.msr", TestFolder::Entry::Pipe));
        QStringList said, files;
        for (const char* name : {"A", "B", "C", "D", "E", "F"})
            files << dir.path(name + QString(".msr"));
        for (const auto& finding : GameCheck::check(files))
            said << finding.fileName() + ": " + finding.problems.join(", ");
        QCOMPARE(
            said,
            QStringList({"A.msr: zelfde onderwerp als B.msr", "B.msr: zelfde onderwerp als A.msr",
                         "C.msr: ", "D.msr: kan niet gelezen worden",
                         "E.msr: kan niet gelezen worden", "F.msr: kan niet gelezen worden"}));
    }
};

QTEST_GUILESS_MAIN(GameCheckTest)
#include "GameCheckTest.moc"
