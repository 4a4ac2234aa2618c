// SPDX-License-Identifier: GPL-3.0-or-later
// Games 2 and 3 lost without the answer (a bomb, the time running out, the last wrong try): the
// reveal grows the whole kanji, then, before the window closes, the answer shows with its reading,
// one of its sentences and a kind line, until the child presses "つぎへ". Nothing is recorded.
#include "aftergame/TF_Game_Kotae.h"
#include "data/Tables.h"
#include "games/guess/BoardView.h"
#include "games/guess/TF_Game2.h"
#include "games/guess/TF_Game3.h"
#include "guess/GuessTestFiles.h"
#include "platform/Modal.h"
#include "platform/Random.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

using namespace GuessTest;

namespace {

struct Seen {
    int windows = 0;
    QString title;
    QString reading;
    int sentences = 0;
    bool wholeKanjiShown = false;
};

QString kanjiOf(int k) { return Kanji_Tbl[k].text(); }

// Loses the game the given way; returns the window (deleted once it closes).
TPictureGameFrame* lose(int game, const QString& how) {
    TPictureGameFrame* g = nullptr;
    if (game == 2) {
        auto* g2 = new TF_Game2;
        g2->Btn_StartClick();
        if (how == QLatin1String("bomb")) {
            for (int i = 1; i <= g2->Bunkatsusu; ++i)
                for (int j = 1; j <= g2->Bunkatsusu; ++j)
                    g2->Board.setBomb(i, j, i == 2 && j == 2);
            const QPoint p = g2->cellRect(2, 2).center();
            g2->Image1MouseDown(Qt::LeftButton, p.x(), p.y());
        }
        g = g2;
    } else {
        auto* g3 = new TF_Game3;
        g3->Btn_StartClick();
        g = g3;
    }
    if (how == QLatin1String("last wrong try")) {
        g->Nokori_Kaisuu = 1;
        QTest::mouseClick(g->Btn_kotae, Qt::LeftButton);
        g->Edt_Kotae->setText(kanjiOf(g->Mondai_Kanji == 1 ? 2 : 1));
        QTest::mouseClick(g->Btn_kotae_Kinyu, Qt::LeftButton);
    }
    return g;
}

} // namespace

class TestMissedAnswer : public QObject {
    Q_OBJECT
  private slots:
    void init() { Midi_Count = 0; }
    void cleanup() { Modal::setHook({}); }

    void answerShownBeforeLeaving_data() {
        QTest::addColumn<int>("game");
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("kekka");
        QTest::newRow("game 2, a bomb") << 2 << QStringLiteral("bomb") << 3;
        QTest::newRow("game 2, the last wrong try") << 2 << QStringLiteral("last wrong try") << 2;
        QTest::newRow("game 3, time up") << 3 << QStringLiteral("time up") << 3;
        QTest::newRow("game 3, the last wrong try") << 3 << QStringLiteral("last wrong try") << 2;
    }
    void answerShownBeforeLeaving() {
        QFETCH(int, game);
        QFETCH(QString, how);
        QFETCH(int, kekka);
        TestEnv env;
        prepare(env, game, 1, 1);
        RandomSeed(11);
        Seen seen;
        QPointer<TPictureGameFrame> g;
        Modal::setHook([&](QDialog* d) {
            auto* answer = qobject_cast<TF_Game_Kotae*>(d);
            if (!answer) {
                d->reject();
                return int(QDialog::Rejected);
            }
            ++seen.windows;
            seen.title = answer->Lbl_Title->text();
            seen.reading = answer->Lbl_Yomu ? answer->Lbl_Yomu->text() : QString();
            seen.sentences = static_cast<int>(answer->Lbl_Kotae.size());
            seen.wholeKanjiShown = g && g->Image1->picture() == g->Kanji_Bmp.rules();
            d->show();
            QTest::mouseClick(answer->Btn_Wakatta, Qt::LeftButton);
            return d->result();
        });
        g = lose(game, how);
        for (int t = 0; g->Kekka == 0 && t < 2000; ++t)
            g->Timer1Timer(); // the shuffle runs out of time
        QCOMPARE(g->Kekka, kekka);
        const int k = g->Mondai_Kanji;
        for (int t = 0; g && g->Timer1->isActive() && t < 2000; ++t)
            g->Timer1Timer();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!g); // left after "つぎへ"
        QCOMPARE(seen.windows, 1);
        QVERIFY(seen.wholeKanjiShown); // the reveal ran to the whole picture first
        QCOMPARE(seen.title, QStringLiteral("こたえは「%1」だったよ").arg(kanjiOf(k)));
        QCOMPARE(seen.sentences, 1);
        bool readingOfItsSentence = false;
        for (int i = 1; i <= SampleSentenceCount(k); ++i)
            readingOfItsSentence |= seen.reading.contains(QStringLiteral("「%1」").arg(SampleReading(k, i)));
        QVERIFY2(readingOfItsSentence, qPrintable(seen.reading));
        QCOMPARE(Player_Tbl[1].Progress[game], 0);
    }

    // A right answer goes on to the quiz as before: no answer window first.
    void rightAnswerGoesToTheQuiz() {
        TestEnv env;
        prepare(env, 2, 1, 1);
        QStringList opened;
        Modal::setHook([&](QDialog* d) {
            opened << QString::fromLatin1(d->metaObject()->className());
            d->reject();
            return int(QDialog::Rejected);
        });
        QPointer<TF_Game2> g = new TF_Game2;
        g->Btn_StartClick();
        QTest::mouseClick(g->Btn_kotae, Qt::LeftButton);
        g->Edt_Kotae->setText(kanjiOf(g->Mondai_Kanji));
        QTest::mouseClick(g->Btn_kotae_Kinyu, Qt::LeftButton);
        QCOMPARE(g->Kekka, 1);
        for (int t = 0; g && g->Timer1->isActive() && t < 2000; ++t)
            g->Timer1Timer();
        QCOMPARE(opened, QStringList{QStringLiteral("TF_Game_Shutsudai")});
    }
};

QTEST_MAIN(TestMissedAnswer)
#include "test_missed_answer.moc"
