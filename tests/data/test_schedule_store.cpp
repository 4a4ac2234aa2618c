// SPDX-License-Identifier: GPL-3.0-or-later
// The review schedule kept in "KanjiNote.db": moved by the answers as they are written, made
// from the history for an older file, rebuilt when lost or damaged, caught up with answers
// another program wrote.
#include "data/KanjiHistory.h"
#include "data/RecordsDir.h"
#include "data/ReviewSchedule.h"
#include "data/ScheduleStore.h"
#include "data/Tables.h"
#include "platform/Clock.h"
#include "support/TestEnv.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

namespace {
const QDateTime Morning(QDate(2026, 4, 6), QTime(9, 0));

void addPlayer(int index, const char* name) {
    Player_Tbl[index].No = static_cast<std::int16_t>(index);
    Player_Tbl[index].Name.setSjis(QByteArray(name));
    Player_Tbl[index].Gakunen = 2;
    Player_Count = std::max<std::int16_t>(Player_Count, static_cast<std::int16_t>(index));
}

// Another program's connection to the file: an older program of ours, a parent's browser.
class OtherProgram {
  public:
    explicit OtherProgram(const QString& path) {
        QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), Name);
        d.setDatabaseName(path);
        d.open();
    }
    ~OtherProgram() {
        QSqlDatabase::database(Name, false).close();
        QSqlDatabase::removeDatabase(Name);
    }
    bool exec(const QString& sql) {
        QSqlQuery q(QSqlDatabase::database(Name, false));
        return q.exec(sql);
    }
    int value(const QString& sql) {
        QSqlQuery q(QSqlDatabase::database(Name, false));
        return q.exec(sql) && q.next() ? q.value(0).toInt() : -1;
    }

  private:
    inline static const QString Name = QStringLiteral("other_program");
};

// Day 0: kanji 5 read and written right, kanji 6 read wrong; day 1: kanji 5 read right again.
void twoDays() {
    Clock::freeze(Morning);
    KanjiHistory::add(1, 5, PracticeGame, KanjiAsked::Reading, true);
    KanjiHistory::add(1, 5, PracticeGame, KanjiAsked::FromMemory, true);
    KanjiHistory::add(1, 6, PracticeGame, KanjiAsked::Reading, false);
    KanjiHistory::add(1, 7, 3, KanjiAsked::Kanji, true); // a game's pick: no review
    KanjiHistory::flush();
    Clock::freeze(Morning.addDays(1));
    KanjiHistory::add(1, 5, 2, KanjiAsked::Reading, true);
    KanjiHistory::flush();
}

void expectTwoDays(const KanjiSchedule& s) {
    QCOMPARE(s.size(), 2);
    QCOMPARE(s[5].level, 2);
    QCOMPARE(s[5].due, Morning.date().addDays(4));
    QCOMPARE(s[6].level, 0);
    QCOMPARE(s[6].due, Morning.date().addDays(1));
}
} // namespace

class TestScheduleStore : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() {
        KanjiHistory::close();
        Clock::unfreeze();
    }

    // Answers written move the stored schedule; each child has a schedule of their own.
    void movedByAnswers() {
        TestEnv env;
        addPlayer(1, "taro");
        addPlayer(2, "hana");
        twoDays();
        expectTwoDays(KanjiHistory::scheduleOf(1));
        QVERIFY(KanjiHistory::scheduleOf(2).isEmpty());
        OtherProgram other(RecordsFile(KanjiHistory::FileName));
        QCOMPARE(other.value(QStringLiteral("SELECT count(*) FROM schedule")), 2);
        QCOMPARE(other.value(QStringLiteral("PRAGMA user_version")), ScheduleStore::SchemaVersion);
    }

    // The schedule comes back from the history when the file had none, or lost it or a row of
    // it, or missed answers another program wrote.
    void rebuiltFromHistory_data() {
        QTest::addColumn<QString>("damage");
        QTest::newRow("an older file without a schedule")
            << "DROP TABLE schedule; DROP TABLE schedule_folded; PRAGMA user_version = 0";
        QTest::newRow("the schedule table lost") << "DROP TABLE schedule";
        QTest::newRow("the folded mark lost") << "DROP TABLE schedule_folded";
        QTest::newRow("a row that cannot be read") << "UPDATE schedule SET due = 'soon' WHERE kanji = 5";
        QTest::newRow("rows emptied") << "DELETE FROM schedule; UPDATE schedule_folded SET id = 0";
        QTest::newRow("answers written without the schedule")
            << "UPDATE schedule SET level = 1, due = '2026-04-07' WHERE kanji = 5; "
               "UPDATE schedule_folded SET id = 3";
    }
    void rebuiltFromHistory() {
        QFETCH(QString, damage);
        TestEnv env;
        addPlayer(1, "taro");
        twoDays();
        KanjiHistory::close();
        {
            OtherProgram other(RecordsFile(KanjiHistory::FileName));
            for (const QString& sql : damage.split(QStringLiteral("; ")))
                QVERIFY2(other.exec(sql), qPrintable(sql));
        }
        expectTwoDays(KanjiHistory::scheduleOf(1));
        OtherProgram other(RecordsFile(KanjiHistory::FileName));
        QCOMPARE(other.value(QStringLiteral("PRAGMA user_version")), ScheduleStore::SchemaVersion);
    }

    // Answers that cannot be written yet still count in the schedule shown.
    void keptAnswersCount() {
        TestEnv env;
        addPlayer(1, "taro");
        Clock::freeze(Morning);
        KanjiHistory::open();
        {
            OtherProgram other(RecordsFile(KanjiHistory::FileName));
            QVERIFY(other.exec(QStringLiteral("BEGIN EXCLUSIVE")));
            KanjiHistory::setBusyWait(0);
            KanjiHistory::add(1, 9, PracticeGame, KanjiAsked::FromMemory, true);
            const KanjiSchedule s = KanjiHistory::scheduleOf(1);
            QCOMPARE(KanjiHistory::pendingCount(), 1);
            QCOMPARE(s.value(9).due, Morning.date().addDays(1));
            other.exec(QStringLiteral("ROLLBACK"));
        }
        QCOMPARE(KanjiHistory::scheduleOf(1).value(9).level, 1);
        QCOMPARE(KanjiHistory::pendingCount(), 0);
    }

    // The answers of recent days with their times, for the calendar and the minutes.
    void answersSince() {
        TestEnv env;
        addPlayer(1, "taro");
        twoDays();
        QCOMPARE(KanjiHistory::answersSince(1, Morning.date()).size(), 5);
        const QList<HistoryAnswer> second = KanjiHistory::answersSince(1, Morning.date().addDays(1));
        QCOMPARE(second.size(), 1);
        QCOMPARE(second[0].at, Morning.addDays(1));
    }
};

QTEST_GUILESS_MAIN(TestScheduleStore)
#include "test_schedule_store.moc"
