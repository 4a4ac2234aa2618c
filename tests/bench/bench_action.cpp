// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the action games' ticks, drawing included: game 5 and game 7 with a frame step at the
// busiest level after six extensions and every slot in play, game 6 with every hole busy.
// Prints the median and the 99th percentile and counts heap allocations made inside the tick
// (there must be none).
//
// Not a pass/fail test: run it by hand, headless:
//   QT_QPA_PLATFORM=offscreen ./bench_action [iterations]
#include "data/Tables.h"
#include "games/action/Catcher.h"
#include "games/action/CatcherPicture.h"
#include "games/action/MoleBoard.h"
#include "games/action/MolePicture.h"
#include "games/action/ShootDown.h"
#include "games/action/ShootDownPicture.h"
#include "platform/Random.h"
#include "support/SampleData.h"
#include "support/TestEnv.h"

#include <QGuiApplication>
#include <QImage>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <new>
#include <vector>

namespace {
std::atomic<long> allocations{0};
std::atomic<bool> counting{false};

void* allocate(std::size_t n)
{
    if (counting.load(std::memory_order_relaxed))
        allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(n ? n : 1))
        return p;
    throw std::bad_alloc();
}
}  // namespace

void* operator new(std::size_t n) { return allocate(n); }
void* operator new[](std::size_t n) { return allocate(n); }
void* operator new(std::size_t n, const std::nothrow_t&) noexcept
{
    try {
        return allocate(n);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](std::size_t n, const std::nothrow_t& t) noexcept { return operator new(n, t); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace {
// Draws like the window does; sounds only counted.
struct BenchEvents : ActionEvents {
    ShootDownPicture* picture = nullptr;
    const ShootDown* game = nullptr;
    long sounds = 0;
    void playSound(ActionSound) override { ++sounds; }
    bool showQuestion(int) override { return true; }
    void showStatus(qint64, int) override {}
    void extended(int) override {}
    void drawFrame() override { picture->drawFrame(*game); }
    void drawTick() override { picture->drawTick(*game); }
};

void writeBitmap(const TestEnv& env, const QString& name, int w, int h, QRgb colour)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(colour);
    img.save(env.path(name), "BMP");
}

// Every slot the game can use in play: characters spread over the four lanes, bullets in the
// air between them, bombs falling above the strip.
void fill(ShootDown& g, int bulletCount, int bombCount)
{
    g.p.characterSlots = ShootDown::CharacterCount;
    for (int i = 0; i < ShootDown::CharacterCount; ++i) {
        CharacterSlot& c = g.characters[i];
        c.active = true;
        c.wait = 200;
        c.lane = 1 + i % 4;
        c.speed = static_cast<std::uint8_t>(3 * c.lane);
        c.sprite = static_cast<std::uint8_t>(1 + i % 20);
        c.correct = i % 5 == 0;
        c.size = 32;
        c.x = 40 + (i * 37) % 300;
        c.y = 50 * c.lane;
        c.points = 12;
    }
    g.question.correctOnScreen = 6;
    for (int i = 0; i < bulletCount; ++i)
        g.bullets[i] = {true, 8, 32, 10 + 34 * i, 260 - 7 * i};
    for (int i = 0; i < bombCount; ++i)
        g.bombs[i] = {true, 3, 8, 1 + i % 2, 1 + i % 14, 20 + 16 * i, 120 + 8 * i};
    g.bombsFalling = bombCount;
    g.bulletsInFlight = bulletCount;
    g.held = HeldControl::Fire;
    g.fireCounter = 10;  // a shot is due too, when a slot is free
}

struct Result {
    double median, p99, max;
    double cpuMedian, cpuP99;  // the thread's own CPU time: without time lost to other processes
    long allocations;
};

double threadCpuUs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e6 + ts.tv_nsec / 1e3;
}

// Times `tick` on a fresh copy of `game` each round; `arm` readies the copy for the busiest tick.
template <class Game, class Arm, class Tick>
Result run(Game& game, int iterations, Arm arm, Tick tick)
{
    const Game snapshot = game;
    std::vector<double> us, cpu;
    us.reserve(static_cast<std::size_t>(iterations));
    cpu.reserve(static_cast<std::size_t>(iterations));
    long allocs = 0;
    for (int i = 0; i < iterations + 200; ++i) {
        game = snapshot;
        arm(game);
        allocations = 0;
        counting = true;
        const double c0 = threadCpuUs();
        const auto t0 = std::chrono::steady_clock::now();
        const bool running = tick(game);
        const auto t1 = std::chrono::steady_clock::now();
        const double c1 = threadCpuUs();
        counting = false;
        if (!running) {
            std::fprintf(stderr, "tick ended the game; the set-up is wrong\n");
            std::exit(1);
        }
        if (i < 200)
            continue;  // warm-up
        allocs += allocations;
        us.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
        cpu.push_back(c1 - c0);
    }
    std::sort(us.begin(), us.end());
    std::sort(cpu.begin(), cpu.end());
    return {us[us.size() / 2], us[us.size() * 99 / 100], us.back(),
            cpu[cpu.size() / 2], cpu[cpu.size() * 99 / 100], allocs};
}

void report(const char* what, const Result& r, int iterations)
{
    std::printf("%s: wall median %.1f us, 99th percentile %.1f us, max %.1f us; thread CPU "
                "median %.1f us, 99th percentile %.1f us; %ld allocations in %d ticks\n",
                what, r.median, r.p99, r.max, r.cpuMedian, r.cpuP99, r.allocations, iterations);
}

struct CatcherEvents : ActionEvents {
    CatcherPicture* picture = nullptr;
    const Catcher* game = nullptr;
    void playSound(ActionSound) override {}
    bool showQuestion(int) override { return true; }
    void drawFrame() override { picture->drawFrame(*game); }
    void drawTick() override { picture->drawTick(*game); }
};

struct MoleEvents : ActionEvents {
    MolePicture* picture = nullptr;
    const MoleBoard* board = nullptr;
    void playSound(ActionSound) override {}
    bool showQuestion(int) override { return true; }
    void drawTick() override { picture->drawBoard(*board); }
};

// Every one of the 30 slots in play, most of them falling, a few in the earlier phases.
void fillCatcher(Catcher& g)
{
    g.p.characterSlots = Catcher::SlotCount;
    for (int i = 0; i < Catcher::SlotCount; ++i) {
        StarSlot& s = g.stars[i];
        s.phase = i % 6 == 0 ? StarSlot::Twinkling : i % 6 == 1 ? StarSlot::Sinking : StarSlot::Falling;
        s.twinkle = false;
        s.counter = static_cast<std::uint8_t>(1 + i % 5);
        s.sprite = static_cast<std::uint8_t>(1 + i % 20);
        s.correct = i % 4 == 0;
        s.size = 32;
        s.x = (i * 41) % 300;
        s.y = 10 + (i * 23) % 200;
        s.drift = 1 + i % 2;
    }
    g.question.correctOnScreen = 8;
    g.held = CatcherControl::Right;
}
}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const int iterations = argc > 1 ? std::atoi(argv[1]) : 20000;
    TestEnv env;
    WriteSampleKanjiData(env);
    writeBitmap(env, QStringLiteral("Tama.bmp"), 16, 32, qRgb(255, 200, 0));
    writeBitmap(env, QStringLiteral("Bang.bmp"), 8, 8, qRgb(255, 0, 255));
    writeBitmap(env, QStringLiteral("STARS2.bmp"), 48, 24, qRgb(255, 255, 0));
    writeBitmap(env, QStringLiteral("Mogura.bmp"), 64, 64, qRgb(140, 90, 45));
    writeBitmap(env, QStringLiteral("Atari.bmp"), 64, 64, qRgb(255, 128, 0));
    Cur_First = 441;
    Cur_PerLevel = 20;
    Cur_Levels = 10;

    ShootDownPicture picture;
    QString failed;
    if (!picture.setUp(360, 320, 440, failed)) {
        std::fprintf(stderr, "cannot load %s\n", qPrintable(failed));
        return 1;
    }
    BenchEvents events;
    events.picture = &picture;

    ShootDown game;
    events.game = &game;
    game.setUp(360, 320, 10, &events);
    game.start(5, 0);
    game.question.newQuestion = false;
    for (int i = 0; i < 6; ++i)
        game.extend(1000);
    std::printf("level 10 after %d extensions: %d character slots, %d bullet slots, %d bombs, "
                "%d lanes, frame every %d ticks\n",
                game.clock.extensions(), game.p.characterSlots, game.p.bulletSlots,
                game.p.bombLimit, game.p.lanes, game.ticker.frameDivider);

    auto shootArm = [](ShootDown& g) { g.ticker.tickCounter = g.ticker.frameDivider; };
    auto shootTick = [](ShootDown& g) { return g.tick(1000) == ShootDown::TickResult::Running; };
    fill(game, game.p.bulletSlots, game.p.bombLimit);
    const Result busy = run(game, iterations, shootArm, shootTick);
    report("game 5, busiest game (30 characters, 5 bullets, 15 bombs)", busy, iterations);

    fill(game, ShootDown::BulletCount, ShootDown::BombCount);
    game.p.bombLimit = ShootDown::BombCount;
    const Result full = run(game, iterations, shootArm, shootTick);
    report("game 5, every array full (30, 10, 20)", full, iterations);

    // Game 7 at level 10 after six extensions.
    CatcherPicture catcherPicture;
    if (!catcherPicture.setUp(360, 320, 440)) {
        std::fprintf(stderr, "cannot load STARS2.bmp\n");
        return 1;
    }
    CatcherEvents catcherEvents;
    catcherEvents.picture = &catcherPicture;
    Catcher catcher;
    catcherEvents.game = &catcher;
    catcher.setUp(360, 320, 10, &catcherEvents);
    catcher.start(5, 0);
    catcher.question.newQuestion = false;
    for (int i = 0; i < 6; ++i)
        catcher.extend(1000);
    fillCatcher(catcher);
    const Result caught = run(
        catcher, iterations, [](Catcher& g) { g.ticker.tickCounter = g.ticker.frameDivider; },
        [](Catcher& g) { return g.tick(1000) == Catcher::TickResult::Running; });
    report("game 7, level 10 after six extensions, 30 characters", caught, iterations);

    // Game 6 at speed 15 with every hole busy.
    MoleEvents moleEvents;
    MoleBoard mole;
    moleEvents.board = &mole;
    mole.setUp(10, 440, 20, &moleEvents);
    MolePicture molePicture;
    if (!molePicture.setUp(450, mole, 1.0, failed)) {
        std::fprintf(stderr, "cannot load %s\n", qPrintable(failed));
        return 1;
    }
    moleEvents.picture = &molePicture;
    mole.start(15);
    for (int c = 1; c <= 5; ++c)
        for (int r = 1; r <= 5; ++r)
            mole.holes[c][r] = {1 + (c + r) % 5, 441 + (c * 5 + r) % 20};
    const Result whacked = run(
        mole, iterations, [](MoleBoard&) {},
        [](MoleBoard& b) { return b.tick() == MoleBoard::TickResult::Running; });
    report("game 6, every hole busy", whacked, iterations);

    const long allocs =
        busy.allocations + full.allocations + caught.allocations + whacked.allocations;
    return allocs == 0 ? 0 : 2;
}
