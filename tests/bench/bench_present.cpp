// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of drawing the action games' playfield for the screen, as the 60-a-second redraw does it:
// game 5 with every slot in play, game 7 with every star falling, game 6 with every hole busy,
// painted half way between two frame steps at the device scale of a 1920x1080 screen (2.25).
// Prints the median and the 99th percentile of the thread's CPU time per drawn frame.
//
// Not a pass/fail test: run it by hand, headless:
//   QT_QPA_PLATFORM=offscreen ./bench_present [iterations] [scale]
#include "data/KanjiFiles.h"
#include "data/Rules.h"
#include "data/Tables.h"
#include "games/action/ActionSprites.h"
#include "games/action/Catcher.h"
#include "games/action/CatcherPicture.h"
#include "games/action/MoleBoard.h"
#include "games/action/MolePicture.h"
#include "games/action/ShootDown.h"
#include "games/action/ShootDownPicture.h"
#include "support/SampleData.h"
#include "support/TestEnv.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QtMath>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <vector>

namespace {
double threadCpuUs() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e6 + ts.tv_nsec / 1e3;
}

void report(const char* name, int iterations, QSize logical, qreal scale,
            const std::function<void(QPainter&)>& paint) {
    // The window's backing store: device pixels, premultiplied, as the screen gets them.
    QImage target(qCeil(logical.width() * scale), qCeil(logical.height() * scale),
                  QImage::Format_ARGB32_Premultiplied);
    target.setDevicePixelRatio(scale);
    std::vector<double> us;
    for (int i = 0; i < iterations + 50; ++i) {
        const double t0 = threadCpuUs();
        QPainter p(&target);
        paint(p);
        p.end();
        const double t1 = threadCpuUs();
        if (i >= 50)
            us.push_back(t1 - t0);
    }
    std::sort(us.begin(), us.end());
    std::printf("%s: median %.0f us, p99 %.0f us per drawn frame (%dx%d device pixels)\n", name,
                us[us.size() / 2], us[us.size() * 99 / 100], target.width(), target.height());
}
} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const int iterations = argc > 1 ? std::max(100, std::atoi(argv[1])) : 2000;
    const qreal scale = argc > 2 ? std::atof(argv[2]) : 2.25;
    TestEnv env(true);
    WriteSampleKanjiData(env);
    if (!LoadKanjiTable())
        return 1;
    SetConstantTables();
    Player_Count = 1;
    Player_Tbl[1].Gakunen = 2;
    Player_Tbl[1].Level.fill(1);
    Cur_Player = 1;
    QString failed;

    StartGame(5);
    ShootDown g5;
    g5.setUp(360, 320, 1, nullptr);
    g5.start(3, 0);
    ShootDownPicture p5;
    if (!p5.setUp(360, 320, SpriteBase(1), failed, scale))
        return 1;
    for (int step = 0; step < 2; ++step) {
        for (int i = 0; i < ShootDown::CharacterCount; ++i) {
            CharacterSlot& c = g5.characters[i];
            c.active = true;
            c.sprite = static_cast<std::uint8_t>(1 + i % 20);
            c.x = 40 + (i * 37) % 300 - 8 * step;
            c.y = 50 * (1 + i % 4);
        }
        for (int i = 0; i < ShootDown::BulletCount; ++i)
            g5.bullets[i] = {true, 8, 32, 10 + 34 * i, 260 - 7 * i - 16 * step};
        for (int i = 0; i < ShootDown::BombCount; ++i)
            g5.bombs[i] = {true, 3, 8, 0, 0, 20 + 16 * i, 120 + 8 * i + 8 * step};
        p5.drawFrame(g5, 120 * step);
        p5.drawTick(g5);
    }
    report("game 5, 30 characters, 10 bullets, 20 bombs", iterations, QSize(360, 320), scale,
           [&](QPainter& p) { p5.paint(p, g5, 180); });

    StartGame(7);
    Catcher g7;
    g7.setUp(360, 320, 1, nullptr);
    g7.start(3, 0);
    CatcherPicture p7;
    if (!p7.setUp(360, 320, SpriteBase(1), scale))
        return 1;
    for (int step = 0; step < 2; ++step) {
        for (int i = 0; i < Catcher::SlotCount; ++i) {
            StarSlot& s = g7.stars[static_cast<size_t>(i)];
            s.phase = StarSlot::Falling;
            s.sprite = static_cast<std::uint8_t>(1 + i % 20);
            s.x = (i * 41) % 320;
            s.y = 10 + (i * 9) % 250 + 8 * step;
        }
        p7.drawFrame(g7, 120 * step);
        p7.drawTick(g7);
    }
    report("game 7, 30 characters falling", iterations, QSize(360, 320), scale,
           [&](QPainter& p) { p7.paint(p, g7, 180); });

    StartGame(6);
    MoleBoard b6;
    b6.setUp(1, SpriteBase(1), Cur_PerLevel, nullptr);
    b6.start(3);
    MolePicture p6;
    if (!p6.setUp(450, b6, 1, failed, scale))
        return 1;
    for (int step = 0; step < 2; ++step) {
        for (int c = 1; c <= MoleBoard::Size; ++c)
            for (int r = 1; r <= MoleBoard::Size; ++r)
                b6.holes[c][r] = {1 + step, b6.setBase + 1 + (c + r) % std::max(1, b6.setCount)};
        p6.drawBoard(b6, 1700 * step, 1700);
    }
    report("game 6, 25 characters rising", iterations, QSize(450, 450), scale,
           [&](QPainter& p) { p6.paint(p, 2550); });
    return 0;
}
