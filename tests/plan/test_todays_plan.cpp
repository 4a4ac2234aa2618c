// SPDX-License-Identifier: GPL-3.0-or-later
// Today's practice played by a child through the real event paths: which kanji it holds, each
// read in a sentence on the kana table and written from memory on the pad, the schedule moved
// for the next day, and stopping half-way with what was done counted.
#include "aftergame/NotePrint.h"
#include "aftergame/plan/PlanChoice.h"
#include "aftergame/plan/TF_Kyou_Renshuu.h"
#include "aftergame/practice/ModelStrokes.h"
#include "aftergame/practice/PracticeList.h"
#include "aftergame/practice/PracticePad.h"
#include "aftergame/practice/TF_Kaki_Renshuu.h"
#include "aftergame/sheets/PracticeSheet.h"
#include "data/KanjiHistory.h"
#include "data/StrokeData.h"
#include "data/Tables.h"
#include "platform/Clock.h"
#include "platform/Cp932.h"
#include "platform/MediaPlayer.h"
#include "platform/MessageBoxes.h"
#include "platform/Modal.h"
#include "support/SampleData.h"
#include "support/TestEnv.h"
#include "writing/KanaTable.h"
#include "writing/handwriting/Ink.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

namespace {
const QDateTime Morning(QDate(2026, 4, 6), QTime(16, 0));

// A child registered as player 1 in year 1, the sample kanji, the built stroke data and sounds.
struct PlanEnv {
    TestEnv env{true};
    PlanEnv() {
        ForgetSharedStrokeStore();
        WriteSampleKanjiData(env);
        Player_Count = 1;
        Player_Tbl[1].No = 1;
        Player_Tbl[1].Name.setSjis(Cp932::fromUnicode(QStringLiteral("はな")));
        Player_Tbl[1].Gakunen = 1;
        Cur_Player = 1;
        Clock::freeze(Morning);
    }
    ~PlanEnv() {
        Modal::setHook({});
        KanjiHistory::close();
        Clock::unfreeze();
    }
};

// The window's model strokes written on the pad with the mouse, a little off the line.
void writeFromMemory(TF_Kaki_Renshuu& w) {
    const double k = std::min(w.Pad_Kaku->width(), w.Pad_Kaku->height()) / InkBox;
    for (const StrokePath& stroke : w.model().strokes) {
        const QPolygonF line(stroke);
        QList<QPoint> points;
        for (int i = 0; i <= 20; ++i) {
            const QPointF p = StrokePart(line, i / 20.0).back() * (InkBox / ModelBox);
            points << ((p + QPointF(4 * std::sin(i * 1.7), 4 * std::cos(i * 2.3))) * k).toPoint();
        }
        QTest::mousePress(w.Pad_Kaku, Qt::LeftButton, Qt::NoModifier, points.front());
        for (const QPoint& p : points.mid(1))
            QTest::mouseMove(w.Pad_Kaku, p);
        QTest::mouseRelease(w.Pad_Kaku, Qt::LeftButton, Qt::NoModifier, points.back());
    }
}

// The practice window as a child meets it from the plan: open at writing from memory.
struct WritingChild {
    bool write = true;
    QList<int> seen;
    int operator()(QDialog* d) {
        auto* w = qobject_cast<TF_Kaki_Renshuu*>(d);
        if (!w)
            return d->exec();
        w->show();
        if (!QTest::qWaitForWindowExposed(w))
            return QDialog::Rejected;
        seen << w->kanji();
        if (w->step() != PracticeStep::Oboete)
            return QDialog::Rejected;
        if (write) {
            writeFromMemory(*w);
            QTest::mouseClick(w->Btn_Tsugi, Qt::LeftButton); // "おわる": back to the plan
        } else {
            QTest::mouseClick(w->Btn_Modoru, Qt::LeftButton);
        }
        return w->result();
    }
};

// The reading typed on the kana table, then answered.
void readOnTable(TF_Kyou_Renshuu& w, const QString& reading) {
    for (QChar c : reading) {
        QToolButton* key = w.Kana_Table->keyButton(QString(c));
        QVERIFY2(key, qPrintable(QString(c)));
        QTest::mouseClick(key, Qt::LeftButton);
    }
    QTest::mouseClick(w.Btn_Kotae, Qt::LeftButton);
}

QList<int> firstKanjiOfYear1(int n) {
    return YearKanji(1).mid(0, n);
}
} // namespace

class TestTodaysPlan : public QObject {
    Q_OBJECT
  private slots:
    // Due kanji first, the longest waiting first, then new ones in order; never more than eight.
    void choice_data() {
        QTest::addColumn<QList<int>>("dueIn"); // per kanji 1.. of the schedule: days until due
        QTest::addColumn<QList<int>>("plan");
        const QList<int> fresh{101, 102, 103, 104, 105, 106, 107, 108, 109};
        QTest::newRow("nothing scheduled: the first eight new")
            << QList<int>{} << QList<int>{1, 101, 102, 103, 104, 105, 106, 107};
        QTest::newRow("due ones first, longest waiting first, each once")
            << QList<int>{0, -3, 2} << QList<int>{2, 1, 101, 102, 103, 104, 105, 106};
        QTest::newRow("not due yet: left out, and not new") << QList<int>{1, 5} << fresh.mid(0, 8);
        QTest::newRow("ten due: eight of them")
            << QList<int>{-1, -2, -3, -4, -5, -6, -7, -8, -9, -10}
            << QList<int>{10, 9, 8, 7, 6, 5, 4, 3};
    }
    void choice() {
        QFETCH(QList<int>, dueIn);
        QFETCH(QList<int>, plan);
        const QDate today(2026, 4, 6);
        KanjiSchedule s;
        for (int i = 0; i < dueIn.size(); ++i)
            s.insert(i + 1, ScheduleEntry{1, today.addDays(dueIn[i]), today.addDays(-1)});
        // Kanji 1 comes first among the new: once scheduled it is never new again.
        const QList<int> fresh{1, 101, 102, 103, 104, 105, 106, 107, 108, 109};
        QCOMPARE(ChoosePlanKanji(s, today, fresh), plan);
    }

    // A whole day's plan played: every kanji read on the kana table and written from memory on
    // the pad; later that day only new kanji; the next day (or later) the same kanji come first.
    void wholeDay() {
        PlanEnv pe;
        WritingChild child;
        Modal::setHook(std::ref(child));
        const QList<int> expected = firstKanjiOfYear1(8);
        {
            auto* w = new TF_Kyou_Renshuu(1);
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w));
            QCOMPARE(w->plan(), expected);
            for (int i = 0; i < expected.size(); ++i) {
                QCOMPARE(w->index(), i);
                readOnTable(*w, w->sentence().reading);
                QCOMPARE(w->Edt_Yomi->isEnabled(), false);
                QTest::mouseClick(w->Btn_Kaku, Qt::LeftButton);
            }
            QCOMPARE(child.seen, expected);
            QVERIFY(w->summaryShown());
            QCOMPARE(w->readRight(), 8);
            QCOMPARE(w->written(), 8);
            QVERIFY(w->Lbl_Kaita->isVisible());
            QVERIFY(w->Lbl_Kaita->text().startsWith(QStringLiteral("8この")));
            QVERIFY(MediaPlayers::log().contains(QStringLiteral("play Yokudekita.wav")));
            QTest::mouseClick(w->Btn_Modoru, Qt::LeftButton);
        }
        const KanjiSchedule s = KanjiHistory::scheduleOf(1);
        for (int k : expected) {
            QCOMPARE(s.value(k).level, 1);
            QCOMPARE(s.value(k).due, Morning.date().addDays(1));
        }
        // Later that day nothing is due: new kanji only.
        QCOMPARE(TodaysPlan(1), YearKanji(1).mid(8, 8));
        Clock::freeze(Morning.addDays(1));
        QCOMPARE(TodaysPlan(1), expected);
        // A day skipped: they wait, still first.
        Clock::freeze(Morning.addDays(5));
        QCOMPARE(TodaysPlan(1), expected);
    }

    // The child stops after one reading: that reading counts, the rest stays new; a reading
    // missed brings its kanji back the next day; nothing is written without the pad.
    void stopAnyTime() {
        PlanEnv pe;
        WritingChild child;
        child.write = false;
        Modal::setHook(std::ref(child));
        auto* w = new TF_Kyou_Renshuu(1);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        const int first = w->plan().value(0);
        readOnTable(*w, QStringLiteral("ぬ"));
        QVERIFY(w->Lbl_Message->text().contains(w->sentence().reading));
        QTest::mouseClick(w->Btn_Kaku, Qt::LeftButton); // leaves the pad without writing
        QCOMPARE(w->index(), 1);
        QTest::mouseClick(w->Btn_Owaru, Qt::LeftButton);
        QVERIFY(w->summaryShown());
        QCOMPARE(w->written(), 0);
        QVERIFY(w->Lbl_Yonda->isVisible());
        QVERIFY(!w->Lbl_Kaita->isVisible());
        QTest::mouseClick(w->Btn_Modoru, Qt::LeftButton);
        const KanjiSchedule s = KanjiHistory::scheduleOf(1);
        QCOMPARE(s.size(), 1);
        QCOMPARE(s.value(first).level, 0);
        Clock::freeze(Morning.addDays(1));
        QCOMPARE(TodaysPlan(1).value(0), first);
    }

    // "プリント" on the summary writes the whole day's kanji as a practice sheet, stopped
    // half-way or not, and says where it went.
    void printToday() {
        PlanEnv pe;
        QTemporaryDir home;
        qputenv("HOME", home.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toUtf8());
        NotePrinting::setPrinterCheck([] { return false; });
        auto* w = new TF_Kyou_Renshuu(1);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QVERIFY(!w->Btn_Print->isVisible()); // not while the child practises
        QTest::mouseClick(w->Btn_Owaru, Qt::LeftButton);
        QVERIFY(w->Btn_Print->isVisible());
        MessageBoxes::shown().clear();
        QTest::mouseClick(w->Btn_Print, Qt::LeftButton);
        NotePrinting::setPrinterCheck({});
        const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        const QStringList pdfs = documents.entryList({QStringLiteral("*.pdf")}, QDir::Files);
        QCOMPARE(pdfs.size(), 1);
        QCOMPARE(MessageBoxes::shown().size(), 1);
        QVERIFY2(MessageBoxes::shown().first().contains(pdfs.first()),
                 qPrintable(MessageBoxes::shown().first()));
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {documents.filePath(pdfs.first())});
        QVERIFY(info.waitForFinished(60000));
        const QString out = QString::fromUtf8(info.readAllStandardOutput());
        const int pages = (int(w->plan().size()) + PracticeKanjiPerPage - 1) / PracticeKanjiPerPage;
        QVERIFY2(out.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(pages))),
                 qPrintable(out));
        QTest::mouseClick(w->Btn_Modoru, Qt::LeftButton);
    }
};

QTEST_MAIN(TestTodaysPlan)
#include "test_todays_plan.moc"
