// The kanji history and the notebook's rules: what the database keeps and gives back, how a
// kanji's answers colour it, the weak list's order, and a missing, damaged or unwritable file.
#include "data/KanjiHistory.h"
#include "data/KanjiNoteRules.h"
#include "data/RecordsDir.h"
#include "data/Tables.h"
#include "platform/Clock.h"
#include "platform/MessageBoxes.h"
#include "support/TestEnv.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

Q_DECLARE_METATYPE(NoteMark)

namespace {
void addPlayer(int index, const char* name, int gakunen = 2) {
    Player_Tbl[index].No = static_cast<std::int16_t>(index);
    Player_Tbl[index].Name.setSjis(QByteArray(name));
    Player_Tbl[index].Gakunen = static_cast<std::int16_t>(gakunen);
    Player_Count = std::max<std::int16_t>(Player_Count, static_cast<std::int16_t>(index));
}

HistoryAnswer answer(qint64 id, int kanji, bool right) {
    HistoryAnswer a;
    a.id = id;
    a.kanji = kanji;
    a.right = right;
    return a;
}

QList<bool> bools(const QString& pattern) {
    QList<bool> out;
    for (QChar c : pattern)
        out << (c == QLatin1Char('o'));
    return out;
}

const QString Rebuilt =
    QStringLiteral("かんじノートの記ろくがこわれていたので、新しく作りなおしました。");
} // namespace

class TestKanjiHistory : public QObject {
    Q_OBJECT
  private slots:
    // A kanji's mark from its results, oldest first: o right, x wrong.
    void marks_data() {
        QTest::addColumn<QString>("results");
        QTest::addColumn<NoteMark>("mark");
        QTest::newRow("never answered") << "" << NoteMark::NotMet;
        QTest::newRow("right once") << "o" << NoteMark::Met;
        QTest::newRow("right twice") << "oo" << NoteMark::Met;
        QTest::newRow("right three times") << "ooo" << NoteMark::Known;
        QTest::newRow("long right run") << "xoooo" << NoteMark::Known;
        QTest::newRow("missed once") << "x" << NoteMark::Missed;
        QTest::newRow("missed last") << "ooox" << NoteMark::Missed;
        QTest::newRow("miss two answers ago") << "oxoo" << NoteMark::Missed;
        QTest::newRow("miss just out of the run") << "xooo" << NoteMark::Known;
        QTest::newRow("miss then one right") << "xo" << NoteMark::Missed;
    }
    void marks() {
        QFETCH(QString, results);
        QFETCH(NoteMark, mark);
        QCOMPARE(MarkOf(bools(results)), mark);
    }

    // The weak list: each missed kanji once, by its newest miss, newest first, at most 20.
    void weakOrder_data() {
        QTest::addColumn<QList<HistoryAnswer>>("answers");
        QTest::addColumn<QList<int>>("weak");
        QTest::newRow("nothing missed")
            << QList<HistoryAnswer>{answer(1, 5, true), answer(2, 6, true)} << QList<int>{};
        QTest::newRow("newest miss first")
            << QList<HistoryAnswer>{answer(1, 5, false), answer(2, 6, false), answer(3, 7, true)}
            << QList<int>{6, 5};
        QTest::newRow("a later miss moves a kanji up")
            << QList<HistoryAnswer>{answer(1, 5, false), answer(2, 6, false), answer(3, 5, false)}
            << QList<int>{5, 6};
        QTest::newRow("right since still listed by its miss")
            << QList<HistoryAnswer>{answer(1, 5, false), answer(2, 6, false), answer(3, 6, true)}
            << QList<int>{6, 5};
        QTest::newRow("order of the ids, not of the list")
            << QList<HistoryAnswer>{answer(9, 5, false), answer(2, 6, false), answer(4, 7, false)}
            << QList<int>{5, 7, 6};
        QTest::newRow("kanji numbers outside the table ignored")
            << QList<HistoryAnswer>{answer(1, 0, false), answer(2, 1025, false),
                                    answer(3, 8, false)}
            << QList<int>{8};
        QList<HistoryAnswer> many;
        QList<int> newest;
        for (int i = 1; i <= 25; ++i)
            many << answer(i, 100 + i, false);
        for (int i = 25; i > 5; --i)
            newest << 100 + i;
        QTest::newRow("twenty at most") << many << newest;
    }
    void weakOrder() {
        QFETCH(QList<HistoryAnswer>, answers);
        QFETCH(QList<int>, weak);
        QCOMPARE(WeakKanji(answers), weak);
        QCOMPARE(Summarise(answers).weak, weak);
    }

    // The summary counts every answer and keeps the newest results for the mark.
    void summary() {
        const NoteSummary s =
            Summarise({answer(1, 3, false), answer(2, 3, true), answer(3, 3, true),
                       answer(4, 3, true), answer(5, 4, true)});
        QCOMPARE(s.kanji[3].answers, 4);
        QCOMPARE(s.kanji[3].right, 3);
        QCOMPARE(s.kanji[3].lastMiss, qint64(1));
        QCOMPARE(s.kanji[3].mark(), NoteMark::Known);
        QCOMPARE(s.kanji[4].mark(), NoteMark::Met);
        QCOMPARE(s.kanji[5].mark(), NoteMark::NotMet);
    }

    // What is written comes back per player (name and number), in order, with its time.
    void roundTrip() {
        TestEnv env;
        addPlayer(1, "taro");
        addPlayer(2, "hana");
        QCOMPARE(KanjiHistory::open(), KanjiHistory::OpenResult::Created);
        Cur_Player = 1;
        Cur_Game = 2;
        RecordKanjiAnswer(81, KanjiAsked::Kanji, false);
        Clock::advanceMs(60000);
        RecordQuizTry(81, {false, true}, false);
        Cur_Player = 2;
        Cur_Game = 6;
        RecordKanjiAnswer(90, KanjiAsked::Kanji, true);

        const QList<HistoryAnswer> taro = KanjiHistory::answersOf(1);
        QCOMPARE(taro.size(), 4);
        QCOMPARE(taro[0].asked, KanjiAsked::Kanji);
        QCOMPARE(taro[0].right, false);
        QCOMPARE(taro[0].game, 2);
        QCOMPARE(taro[1].asked, KanjiAsked::Reading);
        QCOMPARE(taro[1].right, true);
        QCOMPARE(taro[2].asked, KanjiAsked::Reading);
        QCOMPARE(taro[2].right, false);
        QCOMPARE(taro[3].asked, KanjiAsked::Kakusuu);
        QCOMPARE(taro[3].right, true);
        QVERIFY(taro[0].id < taro[1].id && taro[2].id < taro[3].id);

        const QList<HistoryAnswer> recent = KanjiHistory::recentAnswers(1, 81, 2);
        QCOMPARE(recent.size(), 2);
        QCOMPARE(recent[0].asked, KanjiAsked::Kakusuu); // newest first
        QCOMPARE(KanjiHistory::answersOf(2).size(), 1);

        // A player registered later under the same name is somebody else.
        addPlayer(3, "taro");
        QCOMPARE(KanjiHistory::answersOf(3).size(), 0);
        // Reopening finds everything again.
        KanjiHistory::close();
        QCOMPARE(KanjiHistory::open(), KanjiHistory::OpenResult::Opened);
        QCOMPARE(KanjiHistory::answersOf(1).size(), 4);
        QVERIFY(MessageBoxes::shown().isEmpty());
    }

    // A damaged file is set aside and the history starts empty; the program says so once.
    void damaged_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("text") << QByteArray("this is not a database\n");
        QTest::newRow("random bytes") << QByteArray(5000, '\x5a');
        QTest::newRow("header only")
            << QByteArray("SQLite format 3\0", 16) + QByteArray(84, '\xff');
    }
    void damaged() {
        QFETCH(QByteArray, bytes);
        TestEnv env;
        addPlayer(1, "taro");
        env.writeFile(KanjiHistory::FileName, bytes);
        OpenKanjiHistory(nullptr);
        QCOMPARE(KanjiHistory::open(), KanjiHistory::OpenResult::Rebuilt);
        QCOMPARE(MessageBoxes::shown(), QStringList{Rebuilt});
        QCOMPARE(env.readFile(KanjiHistory::FileName + QStringLiteral(".damaged")), bytes);
        Cur_Player = 1;
        Cur_Game = 3;
        RecordKanjiAnswer(250, KanjiAsked::Kanji, true);
        QCOMPARE(KanjiHistory::answersOf(1).size(), 1);
        OpenKanjiHistory(nullptr);
        QCOMPARE(MessageBoxes::shown().size(), 1); // once
    }

    // Another program's SQLite file, or ours cut short, is damaged too.
    void foreignOrCutShort() {
        TestEnv env;
        addPlayer(1, "taro");
        {
            QSqlDatabase d =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
            d.setDatabaseName(env.path(KanjiHistory::FileName));
            QVERIFY(d.open());
            QSqlQuery q(d);
            QVERIFY(q.exec(QStringLiteral("CREATE TABLE answers (id INTEGER, what TEXT)")));
            d.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("other"));
        QCOMPARE(KanjiHistory::open(), KanjiHistory::OpenResult::Rebuilt);

        // Ours with many answers, then cut to its first pages.
        Cur_Player = 1;
        QList<HistoryAnswer> many;
        for (int i = 0; i < 3000; ++i)
            many << HistoryAnswer{0, 1 + i % 80, 1, KanjiAsked::Kanji, i % 3 != 0, Clock::now()};
        KanjiHistory::addMany(1, many);
        KanjiHistory::close();
        QFile f(env.path(KanjiHistory::FileName));
        QVERIFY(f.size() > 8192);
        QVERIFY(f.resize(8192));
        MessageBoxes::shown().clear();
        OpenKanjiHistory(nullptr);
        const QList<HistoryAnswer> after = KanjiHistory::answersOf(1);
        QVERIFY(after.size() < 3000);
        OpenKanjiHistory(nullptr);
        QCOMPARE(MessageBoxes::shown(), QStringList{Rebuilt});
        RecordKanjiAnswer(5, KanjiAsked::Kanji, false);
        QCOMPARE(KanjiHistory::answersOf(1).last().kanji, 5);
    }

    // A missing file is the first start: created without a word.
    void missingIsCreatedQuietly() {
        TestEnv env;
        OpenKanjiHistory(nullptr);
        QCOMPARE(KanjiHistory::open(), KanjiHistory::OpenResult::Created);
        QVERIFY(QFile::exists(env.path(KanjiHistory::FileName)));
        QVERIFY(MessageBoxes::shown().isEmpty());
    }

    // A folder that cannot be written: the games go on, the program says so once.
    void unwritable() {
        TestEnv env;
        addPlayer(1, "taro");
        SetRecordsDir(env.path(QStringLiteral("no/such/folder")));
        OpenKanjiHistory(nullptr);
        QCOMPARE(KanjiHistory::open(), KanjiHistory::OpenResult::Unavailable);
        QCOMPARE(MessageBoxes::shown().size(), 1);
        Cur_Player = 1;
        RecordKanjiAnswer(5, KanjiAsked::Kanji, false);
        QVERIFY(KanjiHistory::answersOf(1).isEmpty());
        OpenKanjiHistory(nullptr);
        QCOMPARE(MessageBoxes::shown().size(), 1);
    }
};

QTEST_MAIN(TestKanjiHistory)
#include "test_kanji_history.moc"
