// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the writing practice: times the window's creation for one kanji (the stroke data read
// on first use, the sentence, the controls) up to its first full paint, cold (the first opening
// of a run) and warm, and the judging of one stroke at the pen's lift through the real mouse
// path. Prints the median and the slowest run.
//
// Not a pass/fail test: run it by hand, headless:
//   QT_QPA_PLATFORM=offscreen ./bench_practice [runs]
#include "aftergame/practice/PracticePad.h"
#include "aftergame/practice/TF_Kaki_Renshuu.h"
#include "data/Tables.h"
#include "platform/Cp932.h"
#include "support/SampleData.h"
#include "support/TestEnv.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
void report(const char* what, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    std::printf("%-34s median %7.2f ms, slowest %7.2f ms (%zu runs)\n", what, ms[ms.size() / 2],
                ms.back(), ms.size());
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 20;
    TestEnv env(true);
    WriteSampleKanjiData(env);
    Player_Count = 1;
    Player_Tbl[1].No = 1;
    Player_Tbl[1].Name.setSjis(Cp932::fromUnicode(QStringLiteral("たろう")));
    Player_Tbl[1].Gakunen = 1;

    std::vector<double> open;
    std::vector<double> judge;
    for (int r = 0; r < runs; ++r) {
        const int k = 1 + r % 80;
        QElapsedTimer t;
        t.start();
        TF_Kaki_Renshuu w(1, {k});
        w.resize(640, 480);
        w.show();
        w.repaint();
        open.push_back(t.nsecsElapsed() / 1e6);
        if (r == 0)
            report("window opens, cold", open);

        // Each model stroke written with the mouse: the time from the release to the verdict.
        w.Btn_StepClick(PracticeStep::Utsusu);
        const double scale = w.Pad_Kaku->width() / ModelBox;
        for (const StrokePath& stroke : w.model().strokes) {
            QTest::mousePress(w.Pad_Kaku, Qt::LeftButton, Qt::NoModifier, (stroke.front() * scale).toPoint());
            for (const QPointF& p : stroke)
                QTest::mouseMove(w.Pad_Kaku, (p * scale).toPoint());
            QElapsedTimer lift;
            lift.start();
            QTest::mouseRelease(w.Pad_Kaku, Qt::LeftButton, Qt::NoModifier, (stroke.back() * scale).toPoint());
            judge.push_back(lift.nsecsElapsed() / 1e6);
        }
    }
    report("window opens (first paint)", open);
    report("stroke judged at the pen's lift", judge);
    return 0;
}
