// SPDX-License-Identifier: GPL-3.0-or-later
// The answer candidate picker: "かいてみよう" comes with the chosen kanji's stroke order and opens
// the writing practice of that kanji for the child playing; the choice and the game's answer box
// stay as they were.
#include "aftergame/practice/TF_Kaki_Renshuu.h"
#include "data/Tables.h"
#include "games/guess/TF_Kanji_Sel.h"
#include "guess/GuessTestFiles.h"
#include "platform/Modal.h"
#include "writing/StrokeOrderView.h"

#include <QAbstractItemModel>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using namespace GuessTest;

class TestPracticeFromPicker : public QObject {
    Q_OBJECT
  private slots:
    void pickerOpensThePractice() {
        TestEnv env;
        prepare(env, 2, 1, 1);
        env.writeFile(QStringLiteral("Kaku.wav"), QByteArray("RIFF"));
        QLineEdit answer;
        TF_Kanji_Sel sel(&answer);
        sel.show();
        QVERIFY(!sel.Btn_Kaite->isVisible());
        const QRect cell = sel.Grd_Kanji->visualRect(sel.Grd_Kanji->model()->index(3, 2));
        QTest::mouseClick(sel.Grd_Kanji->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
        QCOMPARE(sel.lbl_Kotae->text(), Kanji_Tbl[20].text());
        QVERIFY(sel.Btn_Kaite->isVisible());
        QVERIFY(!sel.Btn_Kaite->geometry().intersects(sel.Img_Kakijun->geometry()));
        QList<int> opened;
        int player = -1;
        Modal::setHook([&](QDialog* d) {
            if (auto* p = qobject_cast<TF_Kaki_Renshuu*>(d)) {
                opened = p->kanjiList();
                player = p->player();
            }
            return 0;
        });
        QTest::mouseClick(sel.Btn_Kaite, Qt::LeftButton);
        QCOMPARE(opened, QList<int>{20});
        QCOMPARE(player, int(Cur_Player));
        QCOMPARE(sel.lbl_Kotae->text(), Kanji_Tbl[20].text());
        QVERIFY(answer.text().isEmpty());
        // A click on the stroke order puts both away.
        QTest::mouseClick(sel.Img_Kakijun, Qt::LeftButton);
        QVERIFY(!sel.Btn_Kaite->isVisible());
    }
};

QTEST_MAIN(TestPracticeFromPicker)
#include "test_practice_from_picker.moc"
