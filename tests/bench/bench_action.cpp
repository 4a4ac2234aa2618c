// Speed of game 5's tick: one 30 ms tick with a frame step at the busiest level after six
// extensions, every slot in play, drawing included. Prints the median and the 99th percentile
// and counts heap allocations made inside the tick (there must be none).
//
// Not a pass/fail test: run it by hand, headless:
//   QT_QPA_PLATFORM=offscreen ./bench_action [iterations]
#include "data/Tables.h"
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

Result run(ShootDown& game, int iterations)
{
    const ShootDown snapshot = game;
    std::vector<double> us, cpu;
    us.reserve(static_cast<std::size_t>(iterations));
    cpu.reserve(static_cast<std::size_t>(iterations));
    long allocs = 0;
    for (int i = 0; i < iterations + 200; ++i) {
        game = snapshot;
        game.ticker.tickCounter = game.ticker.frameDivider;  // a frame step in this tick
        allocations = 0;
        counting = true;
        const double c0 = threadCpuUs();
        const auto t0 = std::chrono::steady_clock::now();
        const ShootDown::TickResult r = game.tick(1000);
        const auto t1 = std::chrono::steady_clock::now();
        const double c1 = threadCpuUs();
        counting = false;
        if (r != ShootDown::TickResult::Running) {
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
}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const int iterations = argc > 1 ? std::atoi(argv[1]) : 20000;
    TestEnv env;
    WriteSampleKanjiData(env);
    writeBitmap(env, QStringLiteral("Tama.bmp"), 16, 32, qRgb(255, 200, 0));
    writeBitmap(env, QStringLiteral("Bang.bmp"), 8, 8, qRgb(255, 0, 255));
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

    fill(game, game.p.bulletSlots, game.p.bombLimit);
    const Result busy = run(game, iterations);
    std::printf("busiest game (30 characters, %d bullets, %d bombs): wall median %.1f us, "
                "99th percentile %.1f us, max %.1f us; thread CPU median %.1f us, 99th "
                "percentile %.1f us; %ld allocations in %d ticks\n",
                game.p.bulletSlots, game.p.bombLimit, busy.median, busy.p99, busy.max,
                busy.cpuMedian, busy.cpuP99, busy.allocations, iterations);

    fill(game, ShootDown::BulletCount, ShootDown::BombCount);
    game.p.bombLimit = ShootDown::BombCount;
    const Result full = run(game, iterations);
    std::printf("every array full (30, 10, 20): wall median %.1f us, 99th percentile %.1f us, "
                "max %.1f us; thread CPU median %.1f us, 99th percentile %.1f us; %ld "
                "allocations in %d ticks\n",
                full.median, full.p99, full.max, full.cpuMedian, full.cpuP99, full.allocations,
                iterations);
    return busy.allocations == 0 && full.allocations == 0 ? 0 : 2;
}
