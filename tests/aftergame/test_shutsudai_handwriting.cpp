// SPDX-License-Identifier: GPL-3.0-or-later
// The quiz's writing pad: "てがき" fits beside the answers for any number of sentences and
// writes into the answer field that had the focus last, after what it holds.
#include "aftergame/TF_Game_Shutsudai.h"
#include "aftergame/UpDown.h"
#include "data/Tables.h"
#include "writing/handwriting/HandwritingPad.h"
#include "writing/handwriting/WritingSurface.h"
#include "support/HandStrokes.h"
#include "support/SampleData.h"
#include "support/TestEnv.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QPointer>
#include <QtTest>

#include "writing/KanaTable.h"

class TestShutsudaiHandwriting : public QObject {
    Q_OBJECT
  private slots:
    void buttonFits_data() {
        QTest::addColumn<int>("sentences");
        for (int c = 1; c <= 5; ++c)
            QTest::newRow(qPrintable(QString::number(c))) << c;
    }
    void buttonFits() {
        QFETCH(int, sentences);
        TestEnv env;
        WriteSampleKanjiData(env);
        Mondai_Idx[1].Count = std::int16_t(sentences);
        Quiz_Kanji = 1;
        TF_Game_Shutsudai quiz;
        const QRect b = quiz.Btn_Tegaki->geometry();
        QVERIFY(QRect(0, 0, 640, 480).contains(b));
        QList<QWidget*> others{quiz.Btn_kotae_Kinyu, quiz.Btn_Close, quiz.Kana_Table,
                               quiz.Edt_Kakusuu,     quiz.Label3,    quiz.Lbl_err_Msg};
        for (QLineEdit* e : quiz.Edt_Kaitou)
            others << e;
        for (QLabel* l : quiz.Lbl_Kaitou)
            others << l;
        for (QWidget* w : others)
            QVERIFY2(!w->geometry().intersects(b), qPrintable(w->metaObject()->className()));
    }

    void writesIntoTheFocusedAnswer() {
        TestEnv env;
        WriteSampleKanjiData(env);
        CopyTemplates(env);
        Mondai_Idx[1].Count = 2;
        Quiz_Kanji = 1;
        TF_Game_Shutsudai quiz;
        quiz.show();
        QVERIFY(QTest::qWaitForWindowActive(&quiz));
        quiz.Edt_Kaitou[0]->setText(QStringLiteral("あ"));
        quiz.Edt_Kaitou[1]->setText(QStringLiteral("い"));
        QTest::mouseClick(quiz.Edt_Kaitou[1], Qt::LeftButton);
        quiz.Edt_Kaitou[1]->end(false);
        QTest::mouseClick(quiz.Btn_Tegaki, Qt::LeftButton);
        QPointer<HandwritingPad> pad = quiz.Pad_Tegaki;
        QVERIFY(pad && pad->isVisible());
        QCOMPARE(pad->target(), quiz.Edt_Kaitou[1]);
        QCOMPARE(pad->Lbl_Caption->text(), QStringLiteral("答2."));
        QCOMPARE(pad->Lbl_Field->text(), QStringLiteral("い"));
        for (const char* c : {"く", "し"}) {
            WriteWithMouse(pad->Pnl_Kaku, HandStrokes(QString::fromUtf8(c)));
            const qsizetype i = pad->offered().indexOf(QString::fromUtf8(c));
            QVERIFY2(i >= 0 && i < 5, qPrintable(pad->offered().join(QLatin1Char(' '))));
            QTest::mouseClick(pad->Btn_Kouho[i], Qt::LeftButton);
        }
        QCOMPARE(quiz.Edt_Kaitou[1]->text(), QStringLiteral("いくし"));
        QCOMPARE(quiz.Edt_Kaitou[0]->text(), QStringLiteral("あ"));
        QTest::mouseClick(pad->Btn_Tojiru, Qt::LeftButton);
        QVERIFY(!pad->isVisible());
        // a closed pad is deleted, its window memory with it
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!pad);
        QVERIFY(!quiz.Pad_Tegaki);
    }
};

QTEST_MAIN(TestShutsudaiHandwriting)
#include "test_shutsudai_handwriting.moc"
