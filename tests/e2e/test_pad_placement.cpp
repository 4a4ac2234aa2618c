// SPDX-License-Identifier: GPL-3.0-or-later
// The writing pad opens beside or below what the child answers (the board of the picture games,
// the quiz's sentences, today's practice sentence, the name field), inside the program's window, with large candidates;
// opened by a click on "てがき", as a child does, at 16:9 and 5:4.
#include "aftergame/TF_Game_Shutsudai.h"
#include "aftergame/plan/TF_Kyou_Renshuu.h"
#include "data/KanjiHistory.h"
#include "data/Tables.h"
#include "platform/Cp932.h"
#include "support/SampleData.h"
#include "games/guess/BoardView.h"
#include "games/guess/TF_Game2.h"
#include "guess/GuessTestFiles.h"
#include "menu/MenuFixture.h"
#include "menu/MenuTestSupport.h"
#include "menu/TF_Main.h"
#include "platform/HandCursor.h"
#include "platform/Modal.h"
#include "platform/ProgramHostWindow.h"
#include "platform/ProgramWindow.h"
#include "writing/handwriting/HandwritingPad.h"
#include "writing/handwriting/WritingSurface.h"
#include "support/HandStrokes.h"
#include "support/TestEnv.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

QRect inHost(const QWidget* w) { return QRect(w->mapTo(ProgramHost(), QPoint()), w->size()); }

// The program's one window at a screen's logical size.
std::unique_ptr<ProgramHostWindow> hostOf(QSize screen) {
    auto host = std::make_unique<ProgramHostWindow>();
    host->setWindowState(Qt::WindowNoState);
    host->setGeometry(QRect(QPoint(0, 0), screen));
    host->show();
    host->activateWindow();
    return host;
}

// The pad stands clear of what it answers, whole inside the program's window, and every
// candidate it offers is a large target inside it.
void checkPad(HandwritingPad* pad, const QRect& answered, const QString& strokes) {
    QVERIFY(pad && pad->isVisible());
    QWidget* host = ProgramHost();
    const QRect p = inHost(pad);
    QVERIFY2(!p.intersects(answered),
             qPrintable(QStringLiteral("pad %1,%2 %3x%4 over %5,%6 %7x%8")
                            .arg(p.x()).arg(p.y()).arg(p.width()).arg(p.height())
                            .arg(answered.x()).arg(answered.y())
                            .arg(answered.width()).arg(answered.height())));
    QVERIFY(host->rect().contains(p));
    WriteWithMouse(pad->Pnl_Kaku, HandStrokes(strokes));
    QVERIFY(!pad->offered().isEmpty());
    for (QPushButton* b : pad->Btn_Kouho) {
        QVERIFY(b->width() >= 56 && b->height() >= 56);
        QVERIFY(pad->rect().contains(b->geometry()));
    }
    for (QWidget* w : pad->findChildren<QWidget*>())
        if (w->isVisibleTo(pad))
            QVERIFY2(pad->rect().contains(w->geometry()), qPrintable(w->objectName()));
}

} // namespace

class TestPadPlacement : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        qApp->setQuitOnLastWindowClosed(false);
        InstallHandCursor();
        Modal::setHook([](QDialog*) { return 0; });
    }

    void screens_data() {
        QTest::addColumn<QSize>("screen");
        QTest::newRow("16:9") << QSize(854, 480);
        QTest::newRow("5:4") << QSize(640, 512);
        QTest::newRow("4:3") << QSize(640, 480);
    }

    void besideTheBoard_data() { screens_data(); }
    void besideTheBoard() {
        QFETCH(QSize, screen);
        TestEnv env;
        GuessTest::prepare(env, 2, 1, 1);
        CopyTemplates(env);
        Midi_Count = 0;
        auto host = hostOf(screen);
        auto* g = new TF_Game2();
        ShowProgramWindow(g);
        QTest::mouseClick(g->Btn_Start, Qt::LeftButton);
        QTest::mouseClick(g->Btn_kotae, Qt::LeftButton);
        QVERIFY(g->Btn_Tegaki->isVisible());
        QTest::mouseClick(g->Btn_Tegaki, Qt::LeftButton);
        checkPad(g->Pad_Tegaki, inHost(g->Image1), QStringLiteral("山"));
        delete g;
    }

    void belowTheSentences_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<int>("sentences");
        // At 640x480 five sentences leave no room beside or below them.
        for (const QSize s : {QSize(854, 480), QSize(640, 512), QSize(640, 480)})
            for (int c : s == QSize(640, 480) ? QList<int>{1, 3} : QList<int>{1, 3, 5})
                QTest::newRow(qPrintable(QStringLiteral("%1x%2, %3 sentences")
                                             .arg(s.width()).arg(s.height()).arg(c)))
                    << s << c;
    }
    void belowTheSentences() {
        QFETCH(QSize, screen);
        QFETCH(int, sentences);
        TestEnv env;
        WriteSampleKanjiData(env);
        CopyTemplates(env);
        Mondai_Idx[1].Count = std::int16_t(sentences);
        Quiz_Kanji = 1;
        auto host = hostOf(screen);
        auto* quiz = new TF_Game_Shutsudai();
        ShowProgramWindow(quiz);
        QCOMPARE(quiz->Lbl_Bun.size(), sentences);
        QTest::mouseClick(quiz->Edt_Kaitou.last(), Qt::LeftButton);
        QTest::mouseClick(quiz->Btn_Tegaki, Qt::LeftButton);
        QRect asked = inHost(quiz->Lbl_Mondai1);
        for (const QList<QLabel*>& line : quiz->Lbl_Bun)
            for (QLabel* l : line)
                asked |= inHost(l);
        checkPad(quiz->Pad_Tegaki, asked, QStringLiteral("く"));
        delete quiz;
    }

    void besideTodaysSentence_data() { screens_data(); }
    void besideTodaysSentence() {
        QFETCH(QSize, screen);
        TestEnv env;
        WriteSampleKanjiData(env);
        CopyTemplates(env);
        Player_Count = 1;
        Player_Tbl[1].No = 1;
        Player_Tbl[1].Name.setSjis(Cp932::fromUnicode(QStringLiteral("はな")));
        Player_Tbl[1].Gakunen = 1;
        auto host = hostOf(screen);
        auto* plan = new TF_Kyou_Renshuu(1);
        ShowProgramWindow(plan);
        QTest::mouseClick(plan->Btn_Tegaki, Qt::LeftButton);
        checkPad(plan->Pad_Tegaki, inHost(plan->Lbl_Bun) | inHost(plan->Edt_Yomi),
                 QStringLiteral("く"));
        delete plan;
        KanjiHistory::close();
    }

    void belowTheName_data() { screens_data(); }
    void belowTheName() {
        QFETCH(QSize, screen);
        TestEnv env;
        WriteMenuFiles(env);
        CopyTemplates(env);
        WritePlayers(env, {QStringLiteral("たろう")});
        auto host = hostOf(screen);
        auto* menu = new TF_Main(UsualDisplay(), host.get());
        ShowProgramWindow(menu);
        host->setGeometry(QRect(QPoint(0, 0), screen)); // the menu fitted it to its screen
        QCOMPARE(menu->size(), screen);
        QTest::mouseClick(menu->Btn_Touroku, Qt::LeftButton);
        QTest::mouseClick(menu->Btn_Tegaki, Qt::LeftButton);
        checkPad(menu->Pad_Tegaki, inHost(menu->Edt_Name), QStringLiteral("く"));
        menu->close();
        delete menu;
    }

    void cleanup() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

QTEST_MAIN(TestPadPlacement)
#include "test_pad_placement.moc"
