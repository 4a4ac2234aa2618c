// SPDX-License-Identifier: GPL-3.0-or-later
// Where the writing practice is reached after a game: "かいてみよう" on the answers screen opens
// the quiz's kanji; in the kanji notebook a chosen kanji, or the whole list of kanji missed
// recently, one after another, for the notebook's own player; what was written shows at once.
#include "aftergame/TF_Game_Kotae.h"
#include "aftergame/TF_Kanji_Note.h"
#include "aftergame/practice/TF_Kaki_Renshuu.h"
#include "data/KanjiFiles.h"
#include "data/KanjiHistory.h"
#include "data/Tables.h"
#include "platform/Cp932.h"
#include "platform/Clock.h"
#include "platform/MessageBoxes.h"
#include "platform/Modal.h"
#include "support/SampleData.h"
#include "support/TestEnv.h"

#include <QPushButton>
#include <QtTest>

namespace {
// The built stroke data: without it the practice says so in a message box.
void CopyStrokeData(const TestEnv& env) {
    QFile built(TestEnv::builtProgramDir() + QStringLiteral("/Kakijun.dat"));
    QVERIFY(built.open(QIODevice::ReadOnly));
    env.writeFile(QStringLiteral("Kakijun.dat"), built.readAll());
}

struct SeenPractice {
    int opened = 0;
    int player = -1;
    QList<int> list;
    // What the practice does while open: a kanji written from memory, as the child would leave it.
    std::function<void(TF_Kaki_Renshuu*)> during;
    void install() {
        Modal::setHook([this](QDialog* d) {
            auto* p = qobject_cast<TF_Kaki_Renshuu*>(d);
            if (!p)
                return 0;
            ++opened;
            player = p->player();
            list = p->kanjiList();
            if (during)
                during(p);
            return 0;
        });
    }
};

void addPlayer(int i, const QString& name) {
    Player_Count = std::max<int>(Player_Count, i);
    Player_Tbl[i].No = static_cast<std::int16_t>(i);
    Player_Tbl[i].Name.setSjis(Cp932::fromUnicode(name));
    Player_Tbl[i].Gakunen = 1;
}
} // namespace

class TestPracticeEntries : public QObject {
    Q_OBJECT
  private slots:
    // The answers screen: its button opens the practice of the quiz's kanji for the child who
    // played, and the answers stay open after it.
    void fromTheAnswers() {
        TestEnv env;
        WriteSampleKanjiData(env);
        env.writeFile(QStringLiteral("Kaku.wav"), QByteArray("RIFF"));
        CopyStrokeData(env);
        addPlayer(1, QStringLiteral("たろう"));
        Cur_Player = 1;
        TMondaiRec r;
        QVERIFY(Read_Mondai(12, r));
        TF_Game_Kotae answers(12, {r});
        answers.show();
        SeenPractice seen;
        seen.install();
        QVERIFY(answers.Btn_Kaite->isVisible());
        QTest::mouseClick(answers.Btn_Kaite, Qt::LeftButton);
        QCOMPARE(seen.opened, 1);
        QCOMPARE(seen.player, 1);
        QCOMPARE(seen.list, QList<int>{12});
        QVERIFY(answers.isVisible());
    }

    // The notebook: the chosen kanji, or every kanji of the weak list in its order, for the
    // notebook's player (not the one chosen in the menu); the colours follow what was written.
    void fromTheNotebook() {
        TestEnv env;
        WriteSampleKanjiData(env);
        env.writeFile(QStringLiteral("Kaku.wav"), QByteArray("RIFF"));
        CopyStrokeData(env);
        addPlayer(1, QStringLiteral("たろう"));
        addPlayer(2, QStringLiteral("はなこ"));
        Cur_Player = 1;
        KanjiHistory::addMany(2, {HistoryAnswer{0, 5, 2, KanjiAsked::Kanji, false, Clock::now()},
                                  HistoryAnswer{0, 9, 2, KanjiAsked::Reading, false, Clock::now()},
                                  HistoryAnswer{0, 3, 2, KanjiAsked::Kanji, true, Clock::now()}});
        TF_Kanji_Note note(2);
        note.show();
        QVERIFY(!note.Btn_Kaite->isVisible());
        note.Grd_NoteClick(3);
        QVERIFY(note.Btn_Kaite->isVisible());
        SeenPractice seen;
        seen.during = [](TF_Kaki_Renshuu*) {
            KanjiHistory::add(2, 3, PracticeGame, KanjiAsked::FromMemory, false);
        };
        seen.install();
        QTest::mouseClick(note.Btn_Kaite, Qt::LeftButton);
        QCOMPARE(seen.player, 2);
        QCOMPARE(seen.list, QList<int>{3});
        QCOMPARE(note.summary().kanji[3].mark(), NoteMark::Missed); // shown without reopening

        QVERIFY(!note.Btn_NigateKaite->isVisible());
        note.Btn_NigateClick();
        QVERIFY(note.Btn_NigateKaite->isVisible());
        seen.during = {};
        QTest::mouseClick(note.Btn_NigateKaite, Qt::LeftButton);
        QCOMPARE(seen.opened, 2);
        QCOMPARE(seen.list, (QList<int>{3, 9, 5}));
        QVERIFY(MessageBoxes::shown().isEmpty());
    }
};

QTEST_MAIN(TestPracticeEntries)
#include "test_practice_entries.moc"
