// SPDX-License-Identifier: GPL-3.0-or-later
// A whole game 2 and game 3 played with the mouse alone, as a child without an input method
// plays them: start, open cells, pick the answer from the candidate grid, watch the ending,
// pass the quiz with the hiragana table, see the ranking and be back at the menu.
#include "aftergame/TF_Game_Shutsudai.h"
#include "aftergame/UpDown.h"
#include "data/MainMenu.h"
#include "data/Tables.h"
#include "games/guess/BoardView.h"
#include "games/guess/TF_Game2.h"
#include "games/guess/TF_Game3.h"
#include "games/guess/TF_Kanji_Sel.h"
#include "guess/GuessTestFiles.h"
#include "platform/Fonts.h"
#include "writing/KanaTable.h"
#include "platform/MessageBoxes.h"
#include "platform/Modal.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace GuessTest;

namespace {
void keep(QWidget* w, const QString& name)
{
    const QString dir = qEnvironmentVariable("MOJI_SHOTS");
    if (!dir.isEmpty())
        w->grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

// Clicks the picker's grid cell holding kanji k (year 1: down the columns, 8 rows).
void pickKanji(TF_Kanji_Sel* sel, int k)
{
    const int i = k - Gakunen_Tbl[1].First;
    const int rows = sel->Grd_Kanji->rowCount();
    const QRect cell = sel->Grd_Kanji->visualItemRect(sel->Grd_Kanji->item(i % rows, i / rows));
    QTest::mouseClick(sel->Grd_Kanji->viewport(), Qt::LeftButton, {}, cell.center());
}

struct MouseOnlyQuiz {
    QStringList seen;
    void install()
    {
        Modal::setHook([this](QDialog* d) {
            d->show();
            if (auto* quiz = qobject_cast<TF_Game_Shutsudai*>(d)) {
                seen << QStringLiteral("quiz");
                for (int i = 0; i < quiz->Edt_Kaitou.size(); ++i) {
                    QTest::mouseClick(quiz->Edt_Kaitou[i], Qt::LeftButton);
                    for (QChar c : SampleReading(Quiz_Kanji, i + 1))
                        QTest::mouseClick(quiz->Kana_Table->keyButton(QString(c)), Qt::LeftButton);
                }
                auto* up = quiz->UD_Kakusuu->findChildren<QToolButton*>().first();
                for (int s = 0; s < Kanji_Tbl[Quiz_Kanji].Kakusuu; ++s)
                    QTest::mouseClick(up, Qt::LeftButton);
                keep(quiz, QStringLiteral("play-quiz"));
                QTest::mouseClick(quiz->Btn_kotae_Kinyu, Qt::LeftButton);
                return quiz->result();
            }
            seen << QString::fromLatin1(d->metaObject()->className());
            keep(d, QStringLiteral("play-ranking"));
            d->accept();
            return int(QDialog::Accepted);
        });
    }
};
}  // namespace

class TestGuessPlay : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InstallFontSubstitutions(); }

    // Game 2 from the start button to the menu, mouse only.
    void game2WithMouse()
    {
        TestEnv env;
        prepare(env, 2, 1, 1);
        QWidget menu;
        SetMainMenu(&menu);
        MouseOnlyQuiz modal;
        modal.install();
        auto* g = new TF_Game2;
        QPointer<TF_Game2> alive(g);
        g->show();
        QVERIFY(QTest::qWaitForWindowExposed(g));
        QTest::mouseClick(g->Btn_Start, Qt::LeftButton);
        QVERIFY(g->started());
        // open cells until one opens (a bomb would end the game: keep to safe cells)
        for (int i = 1; i <= g->Bunkatsusu; ++i)
            for (int j = 1; j <= g->Bunkatsusu; ++j)
                g->Board.setBomb(i, j, false);
        g->Board.setBomb(5, 5, true);
        for (const QPoint& c : {QPoint(2, 2), QPoint(3, 2), QPoint(3, 3)})
            QTest::mouseClick(g->Image1, Qt::LeftButton, {}, g->cellRect(c.x(), c.y()).center());
        QCOMPARE(g->Board.Open_Count, 3);
        QTest::mouseClick(g->Btn_kotae, Qt::LeftButton);
        QTest::mouseClick(g->Btn_Kouho, Qt::LeftButton);
        QVERIFY(g->F_Kanji_Sel->isVisible());
        pickKanji(g->F_Kanji_Sel, g->Mondai_Kanji);
        QCOMPARE(g->F_Kanji_Sel->lbl_Kotae->text(), Kanji_Tbl[g->Mondai_Kanji].text());
        keep(g->F_Kanji_Sel, QStringLiteral("play-picker"));
        QTest::mouseClick(g->F_Kanji_Sel->Btn_End, Qt::LeftButton);
        QVERIFY(!g->Btn_kotae_Kinyu->isHidden());
        keep(g, QStringLiteral("play-game2-answer"));
        QTest::mouseClick(g->Btn_kotae_Kinyu, Qt::LeftButton);
        QCOMPARE(g->Kekka, 1);
        int ticks = 0;
        while (alive && g->Timer1->isActive() && ticks < 200) {
            g->Timer1Timer();
            ++ticks;
        }
        QCOMPARE(modal.seen, (QStringList{QStringLiteral("quiz"), QStringLiteral("TF_Game_Kotae"), QStringLiteral("TF_Game_Kiroku")}));
        QVERIFY(Quiz_Passed);
        QCOMPARE(Kiroku_Tbl[2][1].Tokuten, Last_Score);
        QVERIFY(menu.isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!alive);
        SetMainMenu(nullptr);
    }

    // Game 3 likewise: the shuffle runs, the child answers through the picker.
    void game3WithMouse()
    {
        TestEnv env;
        prepare(env, 3, 1, 1);
        QWidget menu;
        SetMainMenu(&menu);
        MouseOnlyQuiz modal;
        modal.install();
        auto* g = new TF_Game3;
        QPointer<TF_Game3> alive(g);
        g->show();
        QVERIFY(QTest::qWaitForWindowExposed(g));
        QTest::mouseClick(g->Btn_Start, Qt::LeftButton);
        g->Timer1Timer();
        g->Timer1Timer();
        keep(g, QStringLiteral("play-game3-shuffle"));
        QTest::mouseClick(g->Btn_kotae, Qt::LeftButton);
        QVERIFY(!g->Timer1->isActive());
        QTest::mouseClick(g->Btn_Kouho, Qt::LeftButton);
        pickKanji(g->F_Kanji_Sel, g->Mondai_Kanji);
        QTest::mouseClick(g->F_Kanji_Sel->Btn_End, Qt::LeftButton);
        QTest::mouseClick(g->Btn_kotae_Kinyu, Qt::LeftButton);
        QCOMPARE(g->Kekka, 1);
        int ticks = 0;
        while (alive && g->Timer1->isActive() && ticks < 200) {
            g->Timer1Timer();
            if (ticks == 30)
                keep(g, QStringLiteral("play-game3-reveal"));
            ++ticks;
        }
        QCOMPARE(modal.seen, (QStringList{QStringLiteral("quiz"), QStringLiteral("TF_Game_Kotae"), QStringLiteral("TF_Game_Kiroku")}));
        QCOMPARE(Player_Tbl[1].Progress[3], 1);
        QVERIFY(menu.isVisible());
        SetMainMenu(nullptr);
    }
};

QTEST_MAIN(TestGuessPlay)
#include "test_guess_play.moc"
