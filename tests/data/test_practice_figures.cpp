// SPDX-License-Identifier: GPL-3.0-or-later
// A parent's figures of one child: days practised, minutes of sittings, kanji met, written from
// memory and due today.
#include "data/PracticeFigures.h"

#include <QtTest>

namespace {
const QDateTime T0(QDate(2026, 4, 6), QTime(16, 0));

HistoryAnswer at(int kanji, KanjiAsked asked, bool right, qint64 secondsAfter) {
    return HistoryAnswer{0, kanji, 8, asked, right, T0.addSecs(secondsAfter)};
}
} // namespace

class TestPracticeFigures : public QObject {
    Q_OBJECT
  private slots:
    // Minutes are the time between answers of one sitting; a long pause starts a new sitting.
    // A sitting counts its minutes begun: a child who answered once did practise.
    void minutes_data() {
        QTest::addColumn<QList<int>>("seconds");
        QTest::addColumn<int>("minutes");
        QTest::newRow("nothing") << QList<int>{} << 0;
        QTest::newRow("one answer") << QList<int>{0} << 1;
        QTest::newRow("two minutes of answers") << QList<int>{0, 60, 120} << 2;
        QTest::newRow("in any order") << QList<int>{120, 0, 60} << 2;
        QTest::newRow("a pause of five minutes still counts") << QList<int>{0, 300} << 5;
        QTest::newRow("a longer pause does not") << QList<int>{0, 301, 361} << 2;
        QTest::newRow("two sittings") << QList<int>{0, 240, 3600, 3840} << 8;
        QTest::newRow("a minute begun counts") << QList<int>{0, 59, 118} << 2;
        QTest::newRow("two sittings of one answer") << QList<int>{0, 3600} << 2;
    }
    void minutes() {
        QFETCH(QList<int>, seconds);
        QFETCH(int, minutes);
        QList<QDateTime> times;
        for (int s : seconds)
            times << T0.addSecs(s);
        QCOMPARE(PracticeMinutes(times), minutes);
    }

    void days() {
        const QSet<QDate> d = PractisedDays({at(1, KanjiAsked::Kanji, true, 0),
                                             at(2, KanjiAsked::Reading, false, 3600 * 9),
                                             at(3, KanjiAsked::Reading, true, 60)});
        QCOMPARE(d, (QSet<QDate>{T0.date(), T0.date().addDays(1)}));
    }

    // Met counts every kanji answered; written only those written from memory without help;
    // due today those of the schedule due; minutes only the last 14 days.
    void figures() {
        const QList<HistoryAnswer> all = {
            at(1, KanjiAsked::Kanji, true, -30 * 86400),
            at(1, KanjiAsked::FromMemory, false, -30 * 86400 + 60),
            at(2, KanjiAsked::FromMemory, true, 0),
            at(3, KanjiAsked::Copied, true, 120),
            at(4, KanjiAsked::Reading, false, 180)};
        KanjiSchedule s;
        s.insert(2, ScheduleEntry{1, T0.date().addDays(1), T0.date()});
        s.insert(4, ScheduleEntry{0, T0.date(), T0.date().addDays(-1)});
        s.insert(5, ScheduleEntry{0, T0.date().addDays(-3), T0.date().addDays(-4)});
        const ParentFigures f = FiguresOf(all, all, s, T0.date());
        QCOMPARE(f.met, 4);
        QCOMPARE(f.written, 1);
        QCOMPARE(f.dueToday, 2);
        QCOMPARE(f.minutes, 3);
    }
};

QTEST_GUILESS_MAIN(TestPracticeFigures)
#include "test_practice_figures.moc"
