// SPDX-License-Identifier: GPL-3.0-or-later
#include "MenuFixture.h"
#include "MenuTestSupport.h"
#include "aftergame/Ranking.h"
#include "aftergame/TF_Game_Kiroku.h"
#include "aftergame/TF_Game_Seiseki.h"
#include "menu/KanaSwitch.h"
#include "menu/Registration.h"
#include "menu/UpDown.h"
#include "platform/HandCursor.h"
#include "writing/KanaTable.h"
#include "platform/MessageBoxes.h"
#include "platform/Modal.h"

#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

namespace {
TF_Game_Seiseki* openGrades() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* g = qobject_cast<TF_Game_Seiseki*>(w); g && g->isVisible())
            return g;
    return nullptr;
}

// A menu with one player on file, showing the registration group.
MenuPtr RegistrationMenu(TestEnv& env, int ppi = 96) {
    WriteMenuFiles(env);
    WritePlayers(env, {QStringLiteral("たろう")});
    MenuPtr menu = MakeMenu(UsualDisplay(ppi));
    menu->show();
    QTest::mouseClick(menu->Btn_Touroku, Qt::LeftButton);
    return menu;
}

void clickKanaKeys(TF_Main* menu, const QString& kana) {
    for (QChar c : kana) {
        QToolButton* key = menu->Kana_Table->keyButton(QString(c));
        QVERIFY2(key, qPrintable(QString(c)));
        QTest::mouseClick(key, Qt::LeftButton);
    }
}

void commitFromInputMethod(QLineEdit* edit, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(edit, &event);
}

QRect inGroup(TF_Main* menu, QWidget* w) {
    return QRect(w->mapTo(menu->Grp_Touroku, QPoint(0, 0)), w->size());
}
} // namespace

class TestNameInput : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        qApp->setQuitOnLastWindowClosed(false);
        InstallHandCursor();
    }
    void cleanup() { Modal::setHook({}); }

    // "ゆうと" is registered by keyboard alone or by mouse alone, then chosen and shown in the
    // list, the ranking and the grades.
    void hiraganaNameEndToEnd_data() {
        QTest::addColumn<QString>("path");
        QTest::newRow("keys, then the button") << "keys";
        QTest::newRow("keys, then Enter") << "enter";
        QTest::newRow("table by mouse") << "mouse";
    }
    void hiraganaNameEndToEnd() {
        QFETCH(QString, path);
        const QString yuuto = QStringLiteral("ゆうと");
        TestEnv env;
        MenuPtr menu = RegistrationMenu(env);
        QVERIFY(menu->Grp_Touroku->isVisible());
        QVERIFY(menu->Kana_Switch->kana()); // かな is where a child starts
        if (path == QLatin1String("mouse")) {
            QTest::mouseClick(menu->Btn_Kanahyou, Qt::LeftButton);
            QVERIFY(menu->Kana_Table->isVisible());
            clickKanaKeys(menu.get(), yuuto);
        } else {
            QTest::keyClicks(menu->Edt_Name, QStringLiteral("yuuto"));
        }
        QCOMPARE(menu->Edt_Name->text(), yuuto);
        if (path == QLatin1String("enter"))
            QTest::keyClick(menu->Edt_Name, Qt::Key_Return);
        else
            QTest::mouseClick(menu->Btn_N_Touroku, Qt::LeftButton);
        QVERIFY(MessageBoxes::shown().isEmpty());
        QCOMPARE(Player_Count, std::int16_t(2));
        QCOMPARE(Player_Tbl[2].Name.sjis(), Cp932::fromUnicode(yuuto));
        QCOMPARE(menu->Lst_Player->item(1)->text(), yuuto);

        // Chosen by a click on its line.
        const QRect line = menu->Lst_Player->visualItemRect(menu->Lst_Player->item(1));
        QTest::mouseClick(menu->Lst_Player->viewport(), Qt::LeftButton, {}, line.center());
        QCOMPARE(Cur_Player, std::int16_t(2));
        QCOMPARE(menu->Lbl_Player_Nen->text(), QStringLiteral("1年"));

        // The ranking lists the name.
        Cur_Game = 2;
        Last_Score = 40;
        QStringList rankedNames;
        Modal::setHook([&](QDialog* d) {
            if (auto* k = qobject_cast<TF_Game_Kiroku*>(d))
                for (int r = 0; r < k->Lst_Kiroku->topLevelItemCount(); ++r)
                    rankedNames << k->Lst_Kiroku->topLevelItem(r)->text(2);
            return 1;
        });
        QWidget game;
        ShowRanking(&game);
        QVERIFY2(rankedNames.contains(yuuto), qPrintable(rankedNames.join(u',')));

        // The grades screen shows the chosen player's own record under the name.
        QTest::mouseClick(menu->Btn_Seiseki, Qt::LeftButton);
        TF_Game_Seiseki* grades = openGrades();
        QVERIFY(grades);
        QCOMPARE(grades->Lbl_Title->text(), yuuto);
        grades->Btn_EndClick();
        QVERIFY(menu->isVisible());
    }

    // The switch: かな converts typed romaji, ABC keeps the letters; both register.
    void typedInEachSetting_data() {
        QTest::addColumn<bool>("abc");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("ABC Ken") << true << "Ken"
                                 << "Ken";
        QTest::newRow("ABC kept as typed") << true << "yuuto"
                                           << "yuuto";
        QTest::newRow("kana Ken") << false << "Ken"
                                  << "けん"; // trailing n settles on 登録
        QTest::newRow("kana kyouko") << false << "kyouko"
                                     << "きょうこ";
    }
    void typedInEachSetting() {
        QFETCH(bool, abc);
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        TestEnv env;
        MenuPtr menu = RegistrationMenu(env);
        if (abc)
            QTest::mouseClick(menu->Spdbtn_Eiji, Qt::LeftButton);
        QCOMPARE(menu->Kana_Switch->kana(), !abc);
        QCOMPARE(menu->Spdbtn_Eiji->isChecked(), abc);
        QTest::keyClicks(menu->Edt_Name, typed);
        QTest::mouseClick(menu->Btn_N_Touroku, Qt::LeftButton);
        QVERIFY(MessageBoxes::shown().isEmpty());
        QCOMPARE(Player_Count, std::int16_t(2));
        QCOMPARE(Player_Tbl[2].Name.text(), stored);
        QCOMPARE(menu->Lst_Player->item(1)->text(), stored);
        // The next registration starts in かな again.
        QVERIFY(menu->Kana_Switch->kana());
        QVERIFY(menu->Spdbtn_Kana->isChecked());
    }

    // Switching keeps what is already in the field: ABC letters stay when かな comes back, and a
    // pending "n" becomes "ん" when ABC is chosen.
    void switchingKeepsText() {
        TestEnv env;
        MenuPtr menu = RegistrationMenu(env);
        QTest::keyClicks(menu->Edt_Name, QStringLiteral("ken"));
        QCOMPARE(menu->Edt_Name->text(), QStringLiteral("けn"));
        QTest::mouseClick(menu->Spdbtn_Eiji, Qt::LeftButton);
        QCOMPARE(menu->Edt_Name->text(), QStringLiteral("けん"));
        QTest::keyClicks(menu->Edt_Name, QStringLiteral("Ta"));
        QCOMPARE(menu->Edt_Name->text(), QStringLiteral("けんTa"));
        QTest::mouseClick(menu->Spdbtn_Kana, Qt::LeftButton);
        QTest::keyClicks(menu->Edt_Name, QStringLiteral("ro"));
        QCOMPARE(menu->Edt_Name->text(), QStringLiteral("けんTaろ"));
        // The switch never takes the focus from the field.
        QCOMPARE(menu->focusWidget(), menu->Edt_Name);
    }

    // In ABC the table's kana join the letters without turning them into kana.
    void tableInAbc() {
        TestEnv env;
        MenuPtr menu = RegistrationMenu(env);
        QTest::mouseClick(menu->Spdbtn_Eiji, Qt::LeftButton);
        QTest::keyClicks(menu->Edt_Name, QStringLiteral("Ken"));
        QTest::mouseClick(menu->Btn_Kanahyou, Qt::LeftButton);
        clickKanaKeys(menu.get(), QStringLiteral("た"));
        QCOMPARE(menu->Edt_Name->text(), QStringLiteral("Kenた"));
        QTest::mouseClick(menu->Kana_Table->keyButton(KanaTable::DeleteKey), Qt::LeftButton);
        QCOMPARE(menu->Edt_Name->text(), QStringLiteral("Ken"));
    }

    // Text an input method commits is taken as it comes in either setting, and the byte limit
    // and the refusal of characters Shift-JIS cannot hold still apply to it.
    void inputMethodText_data() {
        QTest::addColumn<bool>("abc");
        QTest::addColumn<QString>("committed");
        QTest::addColumn<QString>("message");
        QTest::newRow("kana name in かな") << false << "ゆうと" << QString();
        QTest::newRow("kanji name in ABC") << true << "勇斗" << QString();
        QTest::newRow("letters in かな stay") << false << "Ken" << QString();
        QTest::newRow("hangul refused") << false << "유토" << MsgNameBadChar;
        QTest::newRow("eleven kana too long")
            << false << "あいうえおかきくけこさ" << MsgNameTooLong;
    }
    void inputMethodText() {
        QFETCH(bool, abc);
        QFETCH(QString, committed);
        QFETCH(QString, message);
        TestEnv env;
        MenuPtr menu = RegistrationMenu(env);
        menu->Kana_Switch->setKana(!abc);
        commitFromInputMethod(menu->Edt_Name, committed);
        QCOMPARE(menu->Edt_Name->text(), committed);
        QTest::mouseClick(menu->Btn_N_Touroku, Qt::LeftButton);
        if (!message.isEmpty()) {
            QCOMPARE(MessageBoxes::shown(), QStringList{message});
            QCOMPARE(Player_Count, std::int16_t(1));
            QVERIFY(menu->Grp_Touroku->isVisible());
            return;
        }
        QVERIFY(MessageBoxes::shown().isEmpty());
        QCOMPARE(Player_Tbl[2].Name.text(), committed);
    }

    // Letters typed after committed text convert without touching what was committed.
    void typingAfterCommit() {
        TestEnv env;
        MenuPtr menu = RegistrationMenu(env);
        commitFromInputMethod(menu->Edt_Name, QStringLiteral("Ken"));
        QTest::keyClicks(menu->Edt_Name, QStringLiteral("ta"));
        QCOMPARE(menu->Edt_Name->text(), QStringLiteral("Kenた"));
    }

    // Eleven kana through the table are 22 bytes: refused with the usual message.
    void tooLongFromTable() {
        TestEnv env;
        MenuPtr menu = RegistrationMenu(env);
        QTest::mouseClick(menu->Btn_Kanahyou, Qt::LeftButton);
        clickKanaKeys(menu.get(), QStringLiteral("あいうえおかきくけこさ"));
        QCOMPARE(menu->Edt_Name->text().size(), 11);
        QTest::mouseClick(menu->Btn_N_Touroku, Qt::LeftButton);
        QCOMPARE(MessageBoxes::shown(), QStringList{MsgNameTooLong});
        QCOMPARE(Player_Count, std::int16_t(1));
        QVERIFY(menu->Grp_Touroku->isVisible());
        // Taking one key back makes it fit.
        QTest::mouseClick(menu->Kana_Table->keyButton(KanaTable::DeleteKey), Qt::LeftButton);
        QTest::mouseClick(menu->Btn_N_Touroku, Qt::LeftButton);
        QCOMPARE(Player_Count, std::int16_t(2));
        QCOMPARE(Player_Tbl[2].Name.text(), QStringLiteral("あいうえおかきくけこ"));
    }

    // On a first run the name field has the focus, so typing works at once.
    void firstRunTypesAtOnce() {
        TestEnv env;
        WriteMenuFiles(env);
        MenuPtr menu = MakeMenu();
        menu->show();
        QCOMPARE(menu->focusWidget(), menu->Edt_Name);
        QTest::keyClicks(menu->Edt_Name, QStringLiteral("sakura"));
        QTest::keyClick(menu->Edt_Name, Qt::Key_Return);
        QCOMPARE(Player_Count, std::int16_t(1));
        QCOMPARE(Player_Tbl[1].Name.text(), QStringLiteral("さくら"));
        QCOMPARE(menu->Lst_Player->item(0)->text(), QStringLiteral("さくら"));
    }

    // The table button opens and closes the table, and its caption says which.
    void tableButton() {
        TestEnv env;
        MenuPtr menu = RegistrationMenu(env);
        QVERIFY(!menu->Kana_Table->isVisible());
        QCOMPARE(menu->Btn_Kanahyou->text(), QStringLiteral("ひらがな表"));
        QTest::mouseClick(menu->Btn_Kanahyou, Qt::LeftButton);
        QVERIFY(menu->Kana_Table->isVisible());
        QCOMPARE(menu->Btn_Kanahyou->text(), QStringLiteral("表をしまう"));
        QCOMPARE(menu->focusWidget(), menu->Edt_Name);
        QTest::mouseClick(menu->Btn_Kanahyou, Qt::LeftButton);
        QVERIFY(!menu->Kana_Table->isVisible());
        QCOMPARE(menu->Btn_Kanahyou->text(), QStringLiteral("ひらがな表"));
    }

    // With the table open, nothing in the registration group overlaps and all of it stays inside
    // the group, in both display modes.
    void layoutFits_data() {
        QTest::addColumn<int>("ppi");
        QTest::newRow("640x480") << 96;
        QTest::newRow("800x600 large fonts") << 120;
    }
    void layoutFits() {
        QFETCH(int, ppi);
        TestEnv env;
        MenuPtr menu = RegistrationMenu(env, ppi);
        QTest::mouseClick(menu->Btn_Kanahyou, Qt::LeftButton);
        const QList<QWidget*> parts{menu->Edt_Name,   menu->Kana_Switch,  menu->Edt_Gakunen,
                                    menu->UD_Gakunen, menu->Btn_Kanahyou, menu->Btn_N_Touroku,
                                    menu->Kana_Table};
        const QRect group = menu->Grp_Touroku->contentsRect();
        for (int i = 0; i < parts.size(); ++i) {
            QVERIFY(parts[i]->isVisible());
            QVERIFY2(group.contains(inGroup(menu.get(), parts[i])),
                     qPrintable(parts[i]->metaObject()->className()));
            for (int j = i + 1; j < parts.size(); ++j)
                QVERIFY2(!inGroup(menu.get(), parts[i]).intersects(inGroup(menu.get(), parts[j])),
                         qPrintable(QStringLiteral("%1 %2").arg(i).arg(j)));
        }
        // The switch sits right beside the name field, on its line.
        const QRect name = inGroup(menu.get(), menu->Edt_Name);
        const QRect sw = inGroup(menu.get(), menu->Kana_Switch);
        QCOMPARE(sw.top(), name.top());
        QVERIFY(sw.left() > name.right() && sw.left() - name.right() < 12);
        // The group stays inside the menu's 640 x 480 layout (800 x 600 with large fonts).
        QVERIFY(menu->Client->rect().contains(menu->Grp_Touroku->geometry()));
        QVERIFY(menu->Client->width() <= (ppi == 96 ? 640 : 800));
    }
};

QTEST_MAIN(TestNameInput)
#include "test_name_input.moc"
