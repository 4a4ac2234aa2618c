// SPDX-License-Identifier: GPL-3.0-or-later
// A name registered with the writing pad alone: "てがき" beside the hiragana table's button,
// kana written with the mouse and chosen, then "登録".
#include "MenuFixture.h"
#include "MenuTestSupport.h"
#include "platform/HandCursor.h"
#include "writing/KanaTable.h"
#include "platform/MessageBoxes.h"
#include "writing/handwriting/HandwritingPad.h"
#include "writing/handwriting/WritingSurface.h"
#include "support/HandStrokes.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QPointer>
#include <QtTest>

class TestNameHandwriting : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        qApp->setQuitOnLastWindowClosed(false);
        InstallHandCursor();
    }

    void nameWithPadAlone_data() {
        QTest::addColumn<int>("ppi");
        QTest::newRow("640x480") << 96;
        QTest::newRow("800x600 large fonts") << 120;
    }
    void nameWithPadAlone() {
        QFETCH(int, ppi);
        TestEnv env;
        WriteMenuFiles(env);
        CopyTemplates(env);
        WritePlayers(env, {QStringLiteral("たろう")});
        MessageBoxes::setRecording(true);
        MessageBoxes::shown().clear();
        MenuPtr menu = MakeMenu(UsualDisplay(ppi));
        menu->show();
        QTest::mouseClick(menu->Btn_Touroku, Qt::LeftButton);
        QVERIFY(menu->Btn_Tegaki->isVisible());
        const QRect b(menu->Btn_Tegaki->pos(), menu->Btn_Tegaki->size());
        QVERIFY(menu->Grp_Touroku->contentsRect().contains(b));
        for (QWidget* w : std::initializer_list<QWidget*>{menu->Edt_Name, menu->Btn_Kanahyou,
                                                          menu->Btn_N_Touroku, menu->Edt_Gakunen,
                                                          menu->Kana_Table})
            QVERIFY(!QRect(w->pos(), w->size()).intersects(b));

        QTest::mouseClick(menu->Btn_Tegaki, Qt::LeftButton);
        QPointer<HandwritingPad> pad = menu->Pad_Tegaki;
        QVERIFY(pad && pad->isVisible());
        for (const char* c : {"り", "く", "ト"}) {
            WriteWithMouse(pad->Pnl_Kaku, HandStrokes(QString::fromUtf8(c)));
            const qsizetype i = pad->offered().indexOf(QString::fromUtf8(c));
            QVERIFY2(i >= 0 && i < 5, qPrintable(pad->offered().join(QLatin1Char(' '))));
            QTest::mouseClick(pad->Btn_Kouho[i], Qt::LeftButton);
        }
        QCOMPARE(menu->Edt_Name->text(), QStringLiteral("りくト"));
        QTest::mouseClick(pad->Btn_Tojiru, Qt::LeftButton);
        QVERIFY(!pad->isVisible());
        // a closed pad is deleted, its window memory with it
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!pad);
        QVERIFY(!menu->Pad_Tegaki);
        QTest::mouseClick(menu->Btn_N_Touroku, Qt::LeftButton);
        QVERIFY(MessageBoxes::shown().isEmpty());
        QCOMPARE(Player_Count, std::int16_t(2));
        QCOMPARE(menu->Lst_Player->item(1)->text(), QStringLiteral("りくト"));
    }
};

QTEST_MAIN(TestNameHandwriting)
#include "test_name_handwriting.moc"
