// SPDX-License-Identifier: GPL-3.0-or-later
// The kanji history and the notebook's rules: what the database keeps and gives back, how a
// kanji's answers colour it, the weak list's order, and a missing, damaged or unwritable file.
#include "data/KanjiHistory.h"
#include "data/KanjiNoteRules.h"
#include "data/RecordsDir.h"
#include "data/Tables.h"
#include "platform/Clock.h"
#include "platform/MessageBoxes.h"
#include "support/HistorySetUp.h"
#include "support/TestEnv.h"

#include "data/MainMenu.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(NoteMark)

namespace {

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

QString rebuilt(const QString& aside = QStringLiteral("KanjiNote.db.damaged")) {
    return QStringLiteral("かんじノートの記ろくがこわれていたので、新しく作りなおしました。\n"
                          "こわれたファイルは「%1」としてのこしてあります。")
        .arg(aside);
}
const QString Rebuilt = rebuilt();
const QString CannotWrite = QStringLiteral(
    "かんじノートの記ろくを今は書きこめません。\nほかのプログラムが使っているか、ディスクが"
    "いっぱいか、書きこめないファイルになっています。\nゲームはこのままつづけられます。\n"
    "答えはおぼえておいて、あとで書きこみます。");

// Another program holding the history's file, as a parent's database browser, a backup or the
// sqlite3 shell would: a connection of its own, with its own locks.
class OtherProgram {
  public:
    explicit OtherProgram(const QString& path) {
        QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), Name);
        d.setDatabaseName(path);
        d.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=0"));
        d.open();
    }
    ~OtherProgram() {
        QSqlDatabase::database(Name, false).close();
        QSqlDatabase::removeDatabase(Name);
    }
    bool exec(const QString& sql) {
        QSqlQuery q(QSqlDatabase::database(Name, false));
        const bool ok = q.exec(sql);
        while (ok && q.next()) {
        }
        return ok;
    }
    int count() {
        QSqlQuery q(QSqlDatabase::database(Name, false));
        if (!q.exec(QStringLiteral("SELECT count(*) FROM answers")) || !q.next())
            return -1;
        return q.value(0).toInt();
    }

  private:
    inline static const QString Name = QStringLiteral("other_program");
};

// Fills the history with n earlier answers of player 1 and closes it, as an earlier run would.
void earlierAnswers(int n) {
    QList<HistoryAnswer> list;
    for (int i = 0; i < n; ++i)
        list << HistoryAnswer{0, 1 + i % 80, 2, KanjiAsked::Kanji, i % 3 != 0, Clock::now()};
    KanjiHistory::addMany(1, list);
    KanjiHistory::close();
}

void play(int answers) {
    Cur_Player = 1;
    Cur_Game = 5;
    for (int i = 0; i < answers; ++i)
        RecordKanjiAnswer(100 + i, KanjiAsked::Kanji, i % 2 == 0);
}

QStringList setAside(const QString& dir) {
    return QDir(dir).entryList({QStringLiteral("KanjiNote.db.damaged*")}, QDir::Files,
                               QDir::Name);
}

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
        AddHistoryPlayer(1, "taro", 2);
        AddHistoryPlayer(2, "hana", 2);
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
        AddHistoryPlayer(3, "taro", 2);
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
        AddHistoryPlayer(1, "taro", 2);
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

    // A file of ours cut short is one SQLite itself calls damaged: set aside, the history anew.
    void cutShort() {
        TestEnv env;
        AddHistoryPlayer(1, "taro", 2);
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
        QCOMPARE(env.readFile(QStringLiteral("KanjiNote.db.damaged")).size(), 8192);
        RecordKanjiAnswer(5, KanjiAsked::Kanji, false);
        QCOMPARE(KanjiHistory::answersOf(1).last().kanji, 5);
    }

    // A sound SQLite file whose answers table another program made in another shape is not
    // damaged: it is left exactly as it is and the history is off, said once.
    void otherShapeLeftAlone() {
        TestEnv env;
        AddHistoryPlayer(1, "taro", 2);
        {
            OtherProgram other(env.path(KanjiHistory::FileName));
            QVERIFY(other.exec(QStringLiteral("CREATE TABLE answers (id INTEGER, what TEXT)")));
            QVERIFY(other.exec(QStringLiteral("INSERT INTO answers VALUES (1, 'keep me')")));
        }
        const QByteArray before = env.readFile(KanjiHistory::FileName);
        OpenKanjiHistory(nullptr);
        QCOMPARE(KanjiHistory::open(), KanjiHistory::OpenResult::Unavailable);
        play(2);
        QVERIFY(!KanjiHistory::flush());
        KanjiHistory::close();
        QCOMPARE(env.readFile(KanjiHistory::FileName), before);
        QVERIFY(setAside(env.dir()).isEmpty());
        QCOMPARE(MessageBoxes::shown(), QStringList{CannotWrite});
    }

    // A newer program's file with more columns and tables is read and written, not discarded.
    void newerFileRead() {
        TestEnv env;
        AddHistoryPlayer(1, "taro", 2);
        {
            OtherProgram newer(env.path(KanjiHistory::FileName));
            QVERIFY(newer.exec(QStringLiteral(
                "CREATE TABLE answers (id INTEGER PRIMARY KEY, player_no INTEGER NOT NULL, "
                "player_name TEXT NOT NULL, kanji INTEGER NOT NULL, game INTEGER NOT NULL, "
                "asked INTEGER NOT NULL, correct INTEGER NOT NULL, answered_at TEXT NOT NULL, "
                "written TEXT NOT NULL DEFAULT '', seconds INTEGER)")));
            QVERIFY(newer.exec(QStringLiteral("CREATE TABLE plans (day TEXT, kanji INTEGER)")));
            QVERIFY(newer.exec(QStringLiteral(
                "INSERT INTO answers (player_no, player_name, kanji, game, asked, correct, "
                "answered_at, written, seconds) VALUES (1, 'taro', 7, 2, 3, 0, "
                "'2026-04-01T10:00:00', 'x', 4), (1, 'taro', 8, 2, 3, 1, "
                "'2026-04-01T10:01:00', 'y', 5)")));
        }
        QCOMPARE(KanjiHistory::open(), KanjiHistory::OpenResult::Opened);
        QCOMPARE(KanjiHistory::answersOf(1).size(), 2);
        QCOMPARE(KanjiHistory::answersOf(1).first().kanji, 7);
        play(1);
        QVERIFY(KanjiHistory::flush());
        QCOMPARE(KanjiHistory::answersOf(1).size(), 3);
        QVERIFY(setAside(env.dir()).isEmpty());
        QVERIFY(MessageBoxes::shown().isEmpty());
    }

    // Another program holds the file while the child plays (start-up included): nothing is set
    // aside or lost; the answers are kept and written once the other program lets go.
    void lockedByAnotherProgram_data() {
        QTest::addColumn<QString>("lock");
        QTest::newRow("exclusive: nothing can be read")
            << QStringLiteral("BEGIN EXCLUSIVE");
        QTest::newRow("write lock: nothing can be written")
            << QStringLiteral("BEGIN IMMEDIATE");
    }
    void lockedByAnotherProgram() {
        QFETCH(QString, lock);
        TestEnv env;
        AddHistoryPlayer(1, "taro", 2);
        KanjiHistory::setBusyWait(0);
        earlierAnswers(50);
        const QString path = env.path(KanjiHistory::FileName);
        const QByteArray before = env.readFile(KanjiHistory::FileName);
        {
            OtherProgram other(path);
            QVERIFY(other.exec(lock));
            OpenKanjiHistory(nullptr); // start-up
            QVERIFY(KanjiHistory::open() != KanjiHistory::OpenResult::Rebuilt);
            play(3);
            ShowMainMenu(); // the game's end
            OpenKanjiHistory(nullptr);
            QCOMPARE(KanjiHistory::pendingCount(), 3);
            QCOMPARE(env.readFile(KanjiHistory::FileName), before);
            QVERIFY(setAside(env.dir()).isEmpty());
            QCOMPARE(MessageBoxes::shown(), QStringList{CannotWrite});
            play(2); // the next game, still locked
            ShowMainMenu();
            OpenKanjiHistory(nullptr);
            QCOMPARE(MessageBoxes::shown().size(), 1); // once per run
            QVERIFY(other.exec(QStringLiteral("ROLLBACK")));
        }
        ShowMainMenu(); // the next ending writes what was kept
        QCOMPARE(KanjiHistory::pendingCount(), 0);
        QCOMPARE(OtherProgram(path).count(), 55);
        QCOMPARE(KanjiHistory::answersOf(1).size(), 55);
        QCOMPARE(MessageBoxes::shown().size(), 1);
    }

    // A COMMIT the database refuses (a reader holds the file) is noticed: the answers stay in
    // memory, no transaction is left open, and they are written later, not rolled back at exit.
    void failedCommit() {
        TestEnv env;
        AddHistoryPlayer(1, "taro", 2);
        KanjiHistory::setBusyWait(0);
        earlierAnswers(10);
        const QString path = env.path(KanjiHistory::FileName);
        QCOMPARE(KanjiHistory::open(), KanjiHistory::OpenResult::Opened);
        {
            OtherProgram reader(path);
            QVERIFY(reader.exec(QStringLiteral("BEGIN")));
            QVERIFY(reader.exec(QStringLiteral("SELECT * FROM answers")));
            Cur_Player = 1;
            Cur_Game = 2;
            RecordQuizTry(81, {false, true}, false);
            QVERIFY(!KanjiHistory::flush());
            QCOMPARE(KanjiHistory::pendingCount(), 3);
            QVERIFY(reader.exec(QStringLiteral("COMMIT")));
        }
        QVERIFY(KanjiHistory::flush());
        KanjiHistory::close();
        QCOMPARE(OtherProgram(path).count(), 13);
        QCOMPARE(KanjiHistory::answersOf(1).size(), 13);
        QVERIFY(setAside(env.dir()).isEmpty());
    }

    // A read-only file and a full disk: the answers stay in memory (the notebook still shows
    // them), one message per run, and they are written once the disk takes them again.
    void refusedWrites_data() {
        QTest::addColumn<QString>("refusal");
        QTest::newRow("read-only") << QStringLiteral("read-only");
        QTest::newRow("full disk") << QStringLiteral("full");
    }
    void refusedWrites() {
        QFETCH(QString, refusal);
        TestEnv env;
        AddHistoryPlayer(1, "taro", 2);
        KanjiHistory::setBusyWait(0);
        SmallDisk disk("256k");
        if (!disk.mounted) {
            if (refusal == QLatin1String("full"))
                QSKIP("a full disk needs a tmpfs of our own (root)");
        } else {
            SetRecordsDir(disk.path());
        }
        const QString dir = disk.mounted ? disk.path() : env.dir();
        const QString path = QDir(dir).filePath(KanjiHistory::FileName);
        earlierAnswers(40);
        QCOMPARE(OtherProgram(path).count(), 40);
        if (refusal == QLatin1String("full")) {
            FillUp(dir);
        } else if (disk.mounted) {
            QVERIFY(disk.remount(true));
        } else {
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
        }
        OpenKanjiHistory(nullptr);
        QVERIFY(KanjiHistory::open() != KanjiHistory::OpenResult::Rebuilt);
        play(30);
        ShowMainMenu();
        OpenKanjiHistory(nullptr);
        QCOMPARE(KanjiHistory::pendingCount(), 30);
        QCOMPARE(MessageBoxes::shown(), QStringList{CannotWrite});
        QCOMPARE(KanjiHistory::answersOf(1).size(), 70); // this run's answers shown too
        play(3);
        ShowMainMenu();
        OpenKanjiHistory(nullptr);
        QCOMPARE(MessageBoxes::shown().size(), 1);
        QVERIFY(setAside(dir).isEmpty());

        if (refusal == QLatin1String("full"))
            QVERIFY(QFile::remove(QDir(dir).filePath(QStringLiteral("filler"))));
        else if (disk.mounted)
            QVERIFY(disk.remount(false));
        else
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
        ShowMainMenu();
        QCOMPARE(KanjiHistory::pendingCount(), 0);
        KanjiHistory::close();
        QCOMPARE(OtherProgram(path).count(), 73);
        SetRecordsDir({});
    }

    // Each damaged file is set aside under a name of its own: an earlier one is never replaced.
    void setAsideKeepsEarlier() {
        TestEnv env;
        AddHistoryPlayer(1, "taro", 2);
        env.writeFile(QStringLiteral("KanjiNote.db.damaged"), "the first one");
        env.writeFile(KanjiHistory::FileName, "the second one, not a database at all");
        OpenKanjiHistory(nullptr);
        QCOMPARE(KanjiHistory::open(), KanjiHistory::OpenResult::Rebuilt);
        QCOMPARE(env.readFile(QStringLiteral("KanjiNote.db.damaged")), "the first one");
        const QStringList aside = setAside(env.dir());
        QCOMPARE(aside.size(), 2);
        const QString second = aside.last();
        QCOMPARE(env.readFile(second), "the second one, not a database at all");
        QCOMPARE(MessageBoxes::shown(), QStringList{rebuilt(second)});
        KanjiHistory::close();
        env.writeFile(KanjiHistory::FileName, "a third");
        QCOMPARE(KanjiHistory::open(), KanjiHistory::OpenResult::Rebuilt);
        QCOMPARE(setAside(env.dir()).size(), 3);
        QCOMPARE(env.readFile(QStringLiteral("KanjiNote.db.damaged")), "the first one");
        QCOMPARE(env.readFile(second), "the second one, not a database at all");
    }

    // A missing file is the first start: created without a word.
    void missingIsCreatedQuietly() {
        TestEnv env;
        OpenKanjiHistory(nullptr);
        QCOMPARE(KanjiHistory::open(), KanjiHistory::OpenResult::Created);
        QVERIFY(QFile::exists(env.path(KanjiHistory::FileName)));
        QVERIFY(MessageBoxes::shown().isEmpty());
    }

    // A folder that cannot be written: the games go on, the answers of the run stay in memory
    // (the notebook shows them), the program says so once.
    void unwritable() {
        TestEnv env;
        AddHistoryPlayer(1, "taro", 2);
        SetRecordsDir(env.path(QStringLiteral("no/such/folder")));
        OpenKanjiHistory(nullptr);
        QCOMPARE(KanjiHistory::open(), KanjiHistory::OpenResult::Unavailable);
        QCOMPARE(MessageBoxes::shown().size(), 1);
        Cur_Player = 1;
        RecordKanjiAnswer(5, KanjiAsked::Kanji, false);
        QCOMPARE(KanjiHistory::answersOf(1).size(), 1);
        QVERIFY(!KanjiHistory::flush());
        QCOMPARE(KanjiHistory::pendingCount(), 1);
        OpenKanjiHistory(nullptr);
        QCOMPARE(MessageBoxes::shown().size(), 1);
    }
};

QTEST_MAIN(TestKanjiHistory)
#include "test_kanji_history.moc"
