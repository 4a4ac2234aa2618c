// SPDX-License-Identifier: GPL-3.0-or-later
// The practice level "にがて" of the picture games, and games 2 and 3 writing their answers into
// the kanji history.
#include "data/KanjiHistory.h"
#include "data/Tables.h"
#include "games/guess/NigateDraw.h"
#include "games/guess/TF_Game2.h"
#include "games/guess/TF_Game3.h"
#include "games/puzzle/TF_Game4.h"
#include "guess/GuessTestFiles.h"
#include "platform/Random.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSet>
#include <QtTest>

using namespace GuessTest;

namespace {
void missed(const QList<int>& kanji) {
    for (int k : kanji)
        RecordKanjiAnswer(k, KanjiAsked::Kanji, false);
}

// Practice with "にがて" chosen, through the controls a child uses.
template <class Game> void chooseNigate(Game& g) {
    g.show();
    QTest::mouseClick(g.Rdo_Renshuu, Qt::LeftButton, {}, QPoint(8, g.Rdo_Renshuu->height() / 2));
    QVERIFY(g.Grp_Level->isVisible());
    QVERIFY(g.Chk_Nigate->isVisible());
    QTest::mouseClick(g.Chk_Nigate, Qt::LeftButton, {}, QPoint(8, g.Chk_Nigate->height() / 2));
    QVERIFY(g.Chk_Nigate->isChecked());
}
} // namespace

class TestNigate : public QObject {
    Q_OBJECT
  private slots:
    // Five usable missed kanji are enough; fewer, or ones the quiz cannot ask, fall back.
    void draw_data() {
        QTest::addColumn<QList<int>>("weak");
        QTest::addColumn<bool>("fromWeak");
        QTest::newRow("five") << QList<int>{300, 301, 302, 303, 304} << true;
        QTest::newRow("four") << QList<int>{300, 301, 302, 303} << false;
        QTest::newRow("none") << QList<int>{} << false;
        QTest::newRow("five with one outside the table")
            << QList<int>{300, 301, 302, 303, 2000} << false;
        QTest::newRow("five with one without sentences")
            << QList<int>{300, 301, 302, 303, 1020} << false;
    }
    void draw() {
        QFETCH(QList<int>, weak);
        QFETCH(bool, fromWeak);
        TestEnv env;
        prepare(env, 2, 1, 1);
        const QSet<int> set(weak.begin(), weak.end());
        for (int i = 0; i < 50; ++i) {
            const int k = ChooseNigateKanji(weak, 1, false);
            if (fromWeak)
                QVERIFY(set.contains(k));
            else
                QVERIFY2(k >= 1 && k <= 10, qPrintable(QString::number(k))); // level 1 of year 1
        }
    }

    // Game 2 in practice with "にがて": the question is one of the missed kanji; its answers go
    // into the history, wrong and right.
    void game2() {
        TestEnv env;
        prepare(env, 2, 1, 1);
        const QList<int> weak = {200, 210, 220, 230, 240, 250};
        missed(weak);
        TF_Game2 g;
        chooseNigate(g);
        g.Btn_StartClick();
        QVERIFY(weak.contains(g.Mondai_Kanji));
        g.Btn_kotaeClick();
        g.Edt_Kotae->setText(Kanji_Tbl[g.Mondai_Kanji == 200 ? 210 : 200].text());
        g.Btn_kotae_KinyuClick();
        g.Btn_kotaeClick();
        g.Edt_Kotae->setText(Kanji_Tbl[g.Mondai_Kanji].text());
        g.Btn_kotae_KinyuClick();
        const QList<HistoryAnswer> h = KanjiHistory::answersOf(1);
        QCOMPARE(h.size(), weak.size() + 2);
        QCOMPARE(h[h.size() - 2].kanji, g.Mondai_Kanji);
        QCOMPARE(h[h.size() - 2].game, 2);
        QVERIFY(!h[h.size() - 2].right);
        QVERIFY(h.last().right);
        g.close();
    }

    // Games 3 and 4 draw from the missed kanji too; without "にがて" they do not.
    void games3and4() {
        TestEnv env;
        prepare(env, 3, 1, 1);
        const QList<int> weak = {300, 310, 320, 330, 340};
        missed(weak);
        {
            TF_Game3 g;
            chooseNigate(g);
            g.Btn_StartClick();
            QVERIFY(weak.contains(g.Mondai_Kanji));
            g.close();
        }
        StartGame(4);
        {
            TF_Game4 g;
            chooseNigate(g);
            g.Btn_StartClick();
            QVERIFY(weak.contains(g.Mondai_Kanji));
            g.close();
        }
        {
            TF_Game4 g;
            g.show();
            QTest::mouseClick(g.Rdo_Renshuu, Qt::LeftButton, {},
                              QPoint(8, g.Rdo_Renshuu->height() / 2));
            g.Btn_StartClick();
            QVERIFY(g.Mondai_Kanji >= 1 && g.Mondai_Kanji <= 10);
            g.close();
        }
    }

    // Challenge mode never asks the missed kanji, even with the box ticked before.
    void challengeIgnoresNigate() {
        TestEnv env;
        prepare(env, 2, 1, 1);
        missed({200, 210, 220, 230, 240});
        TF_Game2 g;
        chooseNigate(g);
        QTest::mouseClick(g.Rdo_Challenge, Qt::LeftButton, {},
                          QPoint(8, g.Rdo_Challenge->height() / 2));
        g.Btn_StartClick();
        QVERIFY(g.Mondai_Kanji >= 1 && g.Mondai_Kanji <= 10);
        g.close();
    }
};

QTEST_MAIN(TestNigate)
#include "test_nigate.moc"
