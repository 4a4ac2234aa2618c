// SPDX-License-Identifier: GPL-3.0-or-later
// The writing practice from the main menu: its entry shows with the game panel, asks for a player
// first, and opens the child's school year level by level; a kanji clicked or "つぎのじを かく"
// opens the practice, which goes on through the year in level order.
#include "MenuFixture.h"
#include "MenuTestSupport.h"

#include "aftergame/practice/TF_Kaki_Renshuu.h"
#include "aftergame/practice/TF_Kaki_Sel.h"
#include "data/KanjiHistory.h"
#include "data/Rules.h"
#include "data/Tables.h"
#include "menu/CaptionLabel.h"
#include "menu/PracticeEntry.h"
#include "menu/TF_Main.h"
#include "platform/HandCursor.h"
#include "platform/Clock.h"
#include "platform/MessageBoxes.h"
#include "platform/Modal.h"

#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace {
// The built stroke data: without it the practice says so in a message box.
void CopyStrokeData(const TestEnv& env) {
    QFile built(TestEnv::builtProgramDir() + QStringLiteral("/Kakijun.dat"));
    QVERIFY(built.open(QIODevice::ReadOnly));
    env.writeFile(QStringLiteral("Kakijun.dat"), built.readAll());
}

TF_Kaki_Sel* openChooser() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* s = qobject_cast<TF_Kaki_Sel*>(w); s && s->isVisible())
            return s;
    return nullptr;
}

struct SeenPractice {
    int opened = 0;
    int player = -1;
    QList<int> list;
    int first = -1;
    void install() {
        Modal::setHook([this](QDialog* d) {
            auto* p = qobject_cast<TF_Kaki_Renshuu*>(d);
            if (!p)
                return 0;
            ++opened;
            player = p->player();
            list = p->kanjiList();
            first = p->kanji();
            return 0;
        });
    }
};
} // namespace

class TestPracticeMenu : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        qApp->setQuitOnLastWindowClosed(false);
        InstallHandCursor();
    }

    // The entry stands with the game panel (not over registration), with the hand cursor; a click
    // without a chosen player asks for one, as the games do.
    void entryFollowsThePanel() {
        TestEnv env;
        WriteMenuFiles(env);
        env.writeFile(QStringLiteral("Kaku.wav"), QByteArray("RIFF"));
        CopyStrokeData(env);
        WritePlayers(env, {QStringLiteral("たろう")});
        MenuPtr menu = MakeMenu();
        menu->show();
        QVERIFY(menu->Pnl_Kaku->isVisible());
        QCOMPARE(menu->Pnl_Kaku->caption()->cursor().shape(), Qt::BitmapCursor);
        // Nothing of the entry covers another control of the menu.
        for (QWidget* w : menu->Client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (w != menu->Pnl_Kaku && w->isVisible())
                QVERIFY2(!w->geometry().intersects(menu->Pnl_Kaku->geometry()),
                         qPrintable(w->objectName() + w->metaObject()->className()));
        menu->Btn_TourokuClick();
        QVERIFY(!menu->Pnl_Kaku->isVisible());
        menu->Btn_TourokuClick();
        QVERIFY(menu->Pnl_Kaku->isVisible());
        QTest::mouseClick(menu->Pnl_Kaku->caption(), Qt::LeftButton);
        QCOMPARE(MessageBoxes::shown(),
                 QStringList{QStringLiteral("ゲームをする人の名前をえらんでください ")});
        QVERIFY(!openChooser());
    }

    // The chosen child's year opens level by level at the level of the next kanji not yet written
    // from memory; "つぎのじを かく" opens that kanji, a clicked kanji opens itself, and the
    // practice goes on through the whole year.
    void chooserOpensTheNextKanji_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("writtenAlready");
        QTest::newRow("year 1, nothing written") << 1 << 0;
        QTest::newRow("year 1, first twelve written") << 1 << 12;
        QTest::newRow("year 2, first three written") << 2 << 3;
    }
    void chooserOpensTheNextKanji() {
        QFETCH(int, year);
        QFETCH(int, writtenAlready);
        TestEnv env;
        WriteMenuFiles(env);
        env.writeFile(QStringLiteral("Kaku.wav"), QByteArray("RIFF"));
        CopyStrokeData(env);
        WritePlayers(env, {QStringLiteral("たろう")}, {year});
        MenuPtr menu = MakeMenu();
        menu->show();
        menu->Lst_Player->setCurrentRow(0);
        menu->Lst_Player->item(0)->setSelected(true);
        QCOMPARE(int(Cur_Player), 1);
        const TGakunenRec& y = Gakunen_Tbl[year];
        QList<HistoryAnswer> done;
        for (int i = 0; i < writtenAlready; ++i)
            done << HistoryAnswer{0, y.First + i, PracticeGame, KanjiAsked::FromMemory, true, Clock::now()};
        // Traced and helped kanji are not written yet.
        done << HistoryAnswer{0, y.First + writtenAlready, PracticeGame, KanjiAsked::Traced, true, Clock::now()};
        done << HistoryAnswer{0, y.First + writtenAlready, PracticeGame, KanjiAsked::FromMemory, false, Clock::now()};
        KanjiHistory::addMany(1, done);

        QTest::mouseClick(menu->Pnl_Kaku->caption(), Qt::LeftButton);
        TF_Kaki_Sel* sel = openChooser();
        QVERIFY(sel);
        QVERIFY(!menu->isVisible());
        QCOMPARE(sel->Btn_Level.size(), int(y.Levels));
        QCOMPARE(sel->level(), writtenAlready / y.PerLevel + 1);
        if (writtenAlready > 0)
            QVERIFY(sel->isWritten(y.First));
        QVERIFY(!sel->isWritten(y.First + writtenAlready));

        SeenPractice seen;
        seen.install();
        QTest::mouseClick(sel->Btn_Tsugi, Qt::LeftButton);
        QCOMPARE(seen.opened, 1);
        QCOMPARE(seen.player, 1);
        QCOMPARE(seen.first, y.First + writtenAlready);
        QCOMPARE(seen.list.size(), int(y.Count));
        QCOMPARE(seen.list.front(), int(y.First));
        QCOMPARE(seen.list.back(), y.First + y.Count - 1);

        QTest::mouseClick(sel->Btn_Level[1], Qt::LeftButton);
        QPushButton* cell = sel->kanjiButton(y.First + y.PerLevel + 1);
        QVERIFY(cell);
        QCOMPARE(cell->text(), Kanji_Tbl[y.First + y.PerLevel + 1].text());
        QTest::mouseClick(cell, Qt::LeftButton);
        QCOMPARE(seen.opened, 2);
        QCOMPARE(seen.first, y.First + y.PerLevel + 1);

        QTest::mouseClick(sel->Btn_End, Qt::LeftButton);
        QTRY_VERIFY(menu->isVisible());
        QVERIFY(MessageBoxes::shown().isEmpty());
    }
};

QTEST_MAIN(TestPracticeMenu)
#include "test_practice_menu.moc"
