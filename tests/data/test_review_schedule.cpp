// SPDX-License-Identifier: GPL-3.0-or-later
// The review schedule's rules: growing waits after right answers, a miss back the next day, the
// child's local day boundaries, a skipped week and a clock set back.
#include "data/ReviewSchedule.h"

#include <QTimeZone>
#include <QtTest>
#include <cstdlib>
#include <ctime>

Q_DECLARE_METATYPE(ScheduleEntry)

namespace {
const QDate D0(2026, 4, 6);

// Answers one a day or as given: "o" right, "x" a miss; "+n" moves n days on, "-n" back.
ScheduleEntry play(const QString& script, QDate* endDay = nullptr) {
    ScheduleEntry e;
    QDate day = D0;
    for (const QString& step : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (step.startsWith(QLatin1Char('+')) || step.startsWith(QLatin1Char('-')))
            day = day.addDays(step.toInt());
        else
            for (QChar c : step)
                e = NextSchedule(e, c == QLatin1Char('o'), day);
    }
    if (endDay)
        *endDay = day;
    return e;
}
} // namespace

class TestReviewSchedule : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        // Tokyo: local days differ from UTC ones between 0:00 and 9:00.
        qputenv("TZ", "Asia/Tokyo");
        tzset();
    }

    // The waits grow 1, 3, 7, 14, 30 with each right review on its day; a miss restarts them.
    void waits_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("dueIn"); // days after the last answer's day

        QTest::newRow("new kanji right") << "o" << 1 << 1;
        QTest::newRow("new kanji missed") << "x" << 0 << 1;
        QTest::newRow("right on the next day") << "o +1 o" << 2 << 3;
        QTest::newRow("three reviews on their days") << "o +1 o +3 o" << 3 << 7;
        QTest::newRow("four") << "o +1 o +3 o +7 o" << 4 << 14;
        QTest::newRow("five") << "o +1 o +3 o +7 o +14 o" << 5 << 30;
        QTest::newRow("stays at thirty days") << "o +1 o +3 o +7 o +14 o +30 o" << 5 << 30;
        QTest::newRow("read and written right the same day: one step") << "oo" << 1 << 1;
        QTest::newRow("right before it is due changes nothing") << "o +1 o +1 o" << 2 << 2;
        QTest::newRow("a miss after right reviews") << "o +1 o +3 x" << 0 << 1;
        QTest::newRow("miss then right the same day: back tomorrow") << "o +1 o +3 xo" << 0 << 1;
        QTest::newRow("right then miss the same day: back tomorrow") << "o +1 ox" << 0 << 1;
        QTest::newRow("after a miss the waits start again") << "o +1 x +1 o" << 1 << 1;
        QTest::newRow("a week skipped: the wait counts from the answer") << "o +1 o +10 o" << 3 << 7;
        QTest::newRow("a month skipped, then a miss") << "o +30 x" << 0 << 1;
        QTest::newRow("clock set back: a right answer grows nothing") << "o +1 o -3 o" << 2 << 6;
        QTest::newRow("clock set back: a miss still brings it back") << "o +1 o +3 -5 x" << 0 << 1;
    }
    void waits() {
        QFETCH(QString, script);
        QFETCH(int, level);
        QFETCH(int, dueIn);
        QDate day;
        const ScheduleEntry e = play(script, &day);
        QCOMPARE(e.level, level);
        QCOMPARE(day.daysTo(e.due), qint64(dueIn));
    }

    // The last day answered never moves back with the clock.
    void lastDayKeepsTheLatest() {
        QDate day;
        const ScheduleEntry e = play(QStringLiteral("o +4 o -2 x"), &day);
        QCOMPARE(e.last, D0.addDays(4));
        QCOMPARE(e.due, day.addDays(1));
    }

    // Due on its day and every day after; the days left for the notebook's "つぎは" line.
    void due_data() {
        QTest::addColumn<int>("today"); // days after the due day
        QTest::addColumn<bool>("due");
        QTest::addColumn<int>("daysLeft");
        QTest::newRow("three days before") << -3 << false << 3;
        QTest::newRow("the day before") << -1 << false << 1;
        QTest::newRow("on the day") << 0 << true << 0;
        QTest::newRow("a week late") << 7 << true << 0;
    }
    void due() {
        QFETCH(int, today);
        QFETCH(bool, due);
        QFETCH(int, daysLeft);
        ScheduleEntry e;
        e.level = 2;
        e.due = D0;
        QCOMPARE(IsDue(e, D0.addDays(today)), due);
        QCOMPARE(DaysUntilDue(e, D0.addDays(today)), daysLeft);
        QVERIFY(!IsDue(ScheduleEntry{}, D0)); // never asked: not due, new
    }

    // The notebook's "つぎは" line.
    void nextText_data() {
        QTest::addColumn<QDate>("due");
        QTest::addColumn<QString>("text");
        QTest::newRow("never asked") << QDate() << "";
        QTest::newRow("due today") << D0 << "つぎは きょう";
        QTest::newRow("overdue") << D0.addDays(-4) << "つぎは きょう";
        QTest::newRow("later this month") << D0.addDays(3) << "つぎは 9日";
        QTest::newRow("next month") << D0.addDays(30) << "つぎは 5がつ6日";
    }
    void nextText() {
        QFETCH(QDate, due);
        QFETCH(QString, text);
        ScheduleEntry e;
        e.due = due;
        QCOMPARE(NextReviewText(e, D0), text);
    }

    // Which answers move a kanji's schedule.
    void kinds_data() {
        QTest::addColumn<int>("asked");
        QTest::addColumn<bool>("moves");
        QTest::newRow("reading in a sentence") << int(KanjiAsked::Reading) << true;
        QTest::newRow("written from memory") << int(KanjiAsked::FromMemory) << true;
        QTest::newRow("stroke count") << int(KanjiAsked::Kakusuu) << false;
        QTest::newRow("a game's pick") << int(KanjiAsked::Kanji) << false;
        QTest::newRow("traced") << int(KanjiAsked::Traced) << false;
        QTest::newRow("copied") << int(KanjiAsked::Copied) << false;
    }
    void kinds() {
        QFETCH(int, asked);
        QFETCH(bool, moves);
        KanjiSchedule s;
        FoldAnswer(s, 7, static_cast<KanjiAsked>(asked), true, D0);
        QCOMPARE(s.contains(7), moves);
    }

    // Days are the child's local days: 23:59 and 0:01 are two days, even where UTC has one.
    void localDays_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QDate>("day");
        QTest::newRow("local, late evening") << "2026-04-06T23:59:00" << QDate(2026, 4, 6);
        QTest::newRow("local, just after midnight") << "2026-04-07T00:01:00" << QDate(2026, 4, 7);
        QTest::newRow("with milliseconds") << "2026-04-07T00:01:00.250" << QDate(2026, 4, 7);
        QTest::newRow("UTC evening is the next local morning")
            << "2026-04-06T20:00:00Z" << QDate(2026, 4, 7);
        QTest::newRow("with an offset") << "2026-04-06T23:30:00+09:00" << QDate(2026, 4, 6);
        QTest::newRow("unreadable") << "yesterday" << QDate();
    }
    void localDays() {
        QFETCH(QString, stored);
        QFETCH(QDate, day);
        QCOMPARE(LocalDayOfStored(stored), day);
    }

    // A moment's day is its local day, whatever time zone the moment was made in.
    void localDayOfMoment() {
        const QDateTime utc(QDate(2026, 4, 6), QTime(15, 30), QTimeZone::utc());
        QCOMPARE(LocalDay(utc), QDate(2026, 4, 7));
        QCOMPARE(LocalDay(utc.addSecs(-60)), QDate(2026, 4, 7)); // 0:29 local
        QCOMPARE(LocalDay(utc.addSecs(-31 * 60)), QDate(2026, 4, 6));
        // What the history writes reads back as the same day.
        const QDateTime local(QDate(2026, 4, 6), QTime(23, 59, 30));
        QCOMPARE(LocalDayOfStored(local.toString(Qt::ISODate)), QDate(2026, 4, 6));
    }

    // Rebuilding from answers in order gives what answering them one by one gave.
    void foldMatchesOneByOne() {
        KanjiSchedule s;
        const QList<std::tuple<int, KanjiAsked, bool, int>> answers = {
            {5, KanjiAsked::Reading, true, 0},    {5, KanjiAsked::FromMemory, true, 0},
            {6, KanjiAsked::Reading, false, 0},   {5, KanjiAsked::Kakusuu, false, 1},
            {6, KanjiAsked::FromMemory, true, 1}, {5, KanjiAsked::Reading, true, 1}};
        for (const auto& [k, asked, right, day] : answers)
            FoldAnswer(s, k, asked, right, D0.addDays(day));
        QCOMPARE(s.size(), 2);
        QCOMPARE(s[5], play(QStringLiteral("oo +1 o")));
        QCOMPARE(s[6], play(QStringLiteral("x +1 o")));
    }
};

QTEST_GUILESS_MAIN(TestReviewSchedule)
#include "test_review_schedule.moc"
