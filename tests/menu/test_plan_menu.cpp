// SPDX-License-Identifier: GPL-3.0-or-later
// Today's practice from the main menu: its entry stands with the game panel over no other
// control, asks for a player first, opens the chosen child's plan, and the menu comes back when
// the child leaves it.
#include "MenuFixture.h"
#include "MenuTestSupport.h"

#include "aftergame/plan/TF_Kyou_Renshuu.h"
#include "data/Tables.h"
#include "menu/CaptionLabel.h"
#include "menu/PracticeEntry.h"
#include "menu/TF_Main.h"
#include "platform/HandCursor.h"
#include "platform/MessageBoxes.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace {
TF_Kyou_Renshuu* openPlan() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* s = qobject_cast<TF_Kyou_Renshuu*>(w); s && s->isVisible())
            return s;
    return nullptr;
}
} // namespace

class TestPlanMenu : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        qApp->setQuitOnLastWindowClosed(false);
        InstallHandCursor();
    }

    void entryOpensThePlan() {
        TestEnv env;
        WriteMenuFiles(env);
        WritePlayers(env, {QStringLiteral("たろう")}, {2});
        MenuPtr menu = MakeMenu();
        menu->show();
        QVERIFY(menu->Pnl_Kyou->isVisible());
        QCOMPARE(menu->Pnl_Kyou->caption()->text(), QStringLiteral("きょうのれんしゅう"));
        QCOMPARE(menu->Pnl_Kyou->caption()->cursor().shape(), Qt::BitmapCursor);
        for (QWidget* w : menu->Client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (w != menu->Pnl_Kyou && w->isVisible())
                QVERIFY2(!w->geometry().intersects(menu->Pnl_Kyou->geometry()),
                         qPrintable(w->metaObject()->className() + QLatin1Char(' ') +
                                    (qobject_cast<QLabel*>(w) ? qobject_cast<QLabel*>(w)->text()
                                                              : w->objectName())));
        menu->Btn_TourokuClick();
        QVERIFY(!menu->Pnl_Kyou->isVisible());
        menu->Btn_TourokuClick();
        QTest::mouseClick(menu->Pnl_Kyou->caption(), Qt::LeftButton);
        QCOMPARE(MessageBoxes::shown(),
                 QStringList{QStringLiteral("ゲームをする人の名前をえらんでください ")});
        QVERIFY(!openPlan());

        menu->Lst_Player->setCurrentRow(0);
        menu->Lst_Player->item(0)->setSelected(true);
        QTest::mouseClick(menu->Pnl_Kyou->caption(), Qt::LeftButton);
        TF_Kyou_Renshuu* plan = openPlan();
        QVERIFY(plan);
        QVERIFY(!menu->isVisible());
        // A year-2 child with no history: the year's first eight kanji.
        QCOMPARE(plan->plan().size(), 8);
        QCOMPARE(plan->plan().front(), int(Gakunen_Tbl[2].First));
        QTest::mouseClick(plan->Btn_Owaru, Qt::LeftButton);
        QTest::mouseClick(plan->Btn_Modoru, Qt::LeftButton);
        QTRY_VERIFY(menu->isVisible());
    }
};

QTEST_MAIN(TestPlanMenu)
#include "test_plan_menu.moc"
