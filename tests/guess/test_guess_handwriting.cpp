// SPDX-License-Identifier: GPL-3.0-or-later
// The writing pad of games 2 and 3: "てがき" shows with the answer box, opens the pad for it, and
// a kanji written and chosen there lands in the box as typing would, showing "回答する".
#include "data/Tables.h"
#include "games/guess/TF_Game2.h"
#include "games/guess/TF_Game3.h"
#include "guess/GuessTestFiles.h"
#include "platform/MessageBoxes.h"
#include "writing/handwriting/HandwritingPad.h"
#include "writing/handwriting/WritingSurface.h"
#include "support/HandStrokes.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QPointer>
#include <QtTest>

using namespace GuessTest;

namespace {

template <class Game> void writeAnswerWithPad(int game) {
    TestEnv env;
    prepare(env, game, 1, 1);
    CopyTemplates(env);
    Midi_Count = 0;
    Game g;
    g.show();
    g.Btn_StartClick();
    QVERIFY(g.Btn_Tegaki->isHidden()); // only with the answer box
    g.Btn_kotaeClick();
    QVERIFY(g.Btn_Tegaki->isVisible());
    // Inside the window, clear of every other control of the answer column.
    QVERIFY(QRect(0, 0, 640, 480).contains(g.Btn_Tegaki->geometry()));
    for (QWidget* w : std::initializer_list<QWidget*>{g.Edt_Kotae, g.Btn_Kouho, g.Btn_kotae_Kinyu,
                                                      g.Btn_Start, g.Lbl_Kotae, g.Grp_Tokuten})
        QVERIFY(!w->geometry().intersects(g.Btn_Tegaki->geometry()));

    QTest::mouseClick(g.Btn_Tegaki, Qt::LeftButton);
    QPointer<HandwritingPad> pad = g.Pad_Tegaki;
    QVERIFY(pad && pad->isVisible());
    QCOMPARE(pad->target(), g.Edt_Kotae);
    QVERIFY(g.Btn_kotae_Kinyu->isHidden());
    WriteWithMouse(pad->Pnl_Kaku, HandStrokes(QStringLiteral("山")));
    const qsizetype i = pad->offered().indexOf(QStringLiteral("山"));
    QVERIFY2(i >= 0 && i < 5, qPrintable(pad->offered().join(QLatin1Char(' '))));
    QTest::mouseClick(pad->Btn_Kouho[i], Qt::LeftButton);
    QCOMPARE(g.Edt_Kotae->text(), QStringLiteral("山"));
    QVERIFY(g.Btn_kotae_Kinyu->isVisible()); // Edt_KotaeChange ran
    QVERIFY(!pad->isVisible());
    // a closed pad is deleted, its window memory with it
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!pad);
    QVERIFY(!g.Pad_Tegaki);

    // A wrong answer closes the answer entry, the pad's button with it.
    if (Kanji_Tbl[g.Mondai_Kanji].text() != QStringLiteral("山")) {
        MessageBoxes::setRecording(true);
        QTest::mouseClick(g.Btn_kotae_Kinyu, Qt::LeftButton);
        QVERIFY(g.Btn_Tegaki->isHidden());
        QVERIFY(!g.Pad_Tegaki);
    }
}

} // namespace

class TestGuessHandwriting : public QObject {
    Q_OBJECT
  private slots:
    void game2AnswerWithPad() { writeAnswerWithPad<TF_Game2>(2); }
    void game3AnswerWithPad() { writeAnswerWithPad<TF_Game3>(3); }
};

QTEST_MAIN(TestGuessHandwriting)
#include "test_guess_handwriting.moc"
