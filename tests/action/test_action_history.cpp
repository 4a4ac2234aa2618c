// SPDX-License-Identifier: GPL-3.0-or-later
// What the action games tell the kanji history: a right character hit, a wrong one hit, and
// nothing for a click on an empty hole; and game 6's window writing it for the player.
#include "data/KanjiHistory.h"
#include "data/Rules.h"
#include "data/Tables.h"
#include "games/action/MoleBoard.h"
#include "games/action/TF_Game6.h"
#include "platform/Modal.h"
#include "support/SampleData.h"
#include "support/TestEnv.h"

#include <QDialog>
#include <QImage>
#include <QtTest>

namespace {
struct Recorder : ActionEvents {
    QList<QPair<int, bool>> hits;
    void playSound(ActionSound) override {}
    bool showQuestion(int) override { return true; }
    void characterHit(int k, bool right) override { hits << qMakePair(k, right); }
};

void writeHolePicture(const TestEnv& env, const QString& name) {
    QImage img(64, 64, QImage::Format_RGB32);
    img.fill(qRgb(0, 0, 0));
    img.save(env.path(name), "BMP");
}
} // namespace

class TestActionHistory : public QObject {
    Q_OBJECT
  private slots:
    // Whack-a-mole: the right character, a decoy, an empty hole.
    void moleHits() {
        TestEnv env;
        Recorder rec;
        MoleBoard b;
        b.setUp(1, 80, 20, &rec);
        b.start(7);
        const int asked = b.currentKanji();
        const int decoy = asked == 81 ? 82 : 81;
        b.holes[1][1] = {3, asked};
        b.holes[2][1] = {3, decoy};
        b.holes[3][1] = {};
        int c = 0, r = 0;
        b.click(36, 40, c, r);
        b.click(72 + 36, 40, c, r);
        b.click(144 + 36, 40, c, r);
        QCOMPARE(rec.hits, (QList<QPair<int, bool>>{{asked, true}, {asked, false}}));
    }

    // Game 6's window writes each hit for the player and the game.
    void game6Writes() {
        TestEnv env;
        WriteSampleKanjiData(env);
        writeHolePicture(env, QStringLiteral("Mogura.bmp"));
        writeHolePicture(env, QStringLiteral("Atari.bmp"));
        for (const char* name :
             {"Atari.wav", "Hazure.wav", "Mondai.wav", "Game61.mid", "Game62.mid"})
            env.writeFile(QString::fromLatin1(name), "x");
        Player_Count = 1;
        Player_Tbl[1].No = 1;
        Player_Tbl[1].Name.setSjis("jiro");
        Player_Tbl[1].Gakunen = 2;
        Cur_Player = 1;
        StartGame(6);
        Modal::setHook([](QDialog*) { return 0; });
        auto* w = new TF_Game6();
        w->Btn_StartClick();
        MoleBoard& b = w->board();
        const int asked = b.currentKanji();
        b.holes[2][2] = {3, asked};
        b.holes[3][3] = {3, asked == 81 ? 82 : 81};
        w->Img1MouseDown(72 + 36, 72 + 40);
        w->Img1MouseDown(144 + 36, 144 + 40);
        w->Img1MouseDown(5, 5); // a hole's margin: no character hit
        const QList<HistoryAnswer> h = KanjiHistory::answersOf(1);
        QCOMPARE(h.size(), 2);
        QCOMPARE(h[0].kanji, asked);
        QCOMPARE(h[0].game, 6);
        QCOMPARE(h[0].asked, KanjiAsked::Kanji);
        QVERIFY(h[0].right);
        QCOMPARE(h[1].kanji, asked);
        QVERIFY(!h[1].right);
        w->Cancel();
    }
};

QTEST_MAIN(TestActionHistory)
#include "test_action_history.moc"
