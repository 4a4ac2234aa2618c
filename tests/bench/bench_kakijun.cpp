// SPDX-License-Identifier: GPL-3.0-or-later
// The stroke checker on strokes a child writes (made from the model: the character 0.6 to 1.0
// of the box, shifted, slanted, each stroke a little off, the line wobbling; seeded):
//   right strokes accepted, backwards strokes caught as direction, two neighbouring strokes
//   swapped caught (where they differ in place or shape), a stroke of another character never
//   taken for the right one, and the time of each judged stroke.
// bench_kakijun [seed] prints the figures and exits 1 when one misses its mark.
#include "support/ChildHand.h"
#include "support/TestEnv.h"
#include "writing/strokes/KakijunFile.h"
#include "writing/strokes/StrokeChecker.h"
#include "writing/strokes/StrokeSampling.h"
#include "writing/strokes/StrokeStore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLineF>

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

struct Tally {
    long long right = 0, of = 0;
    double share() const { return of ? 100.0 * double(right) / double(of) : 100.0; }
};

// How far apart two model strokes are: mean distance of evenly spaced points. Below this two
// strokes look alike to any reader; a swap of such strokes cannot be told apart.
constexpr double AlikeBelow = 12.0;

double apart(const StrokePath& a, const StrokePath& b) {
    const StrokePath ra = Resampled(a), rb = Resampled(b);
    double sum = 0;
    for (qsizetype i = 0; i < ra.size(); ++i)
        sum += QLineF(ra[i], rb[i]).length();
    return sum / double(ra.size());
}

bool differs(const CharStrokes& c, int a, int b) {
    return apart(c.strokes[a], c.strokes[b]) >= AlikeBelow;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const quint32 seed = argc > 1 ? quint32(QByteArray(argv[1]).toUInt()) : 20261209u;
    StrokeStore store;
    if (!store.load(TestEnv::builtProgramDir() + QLatin1Char('/') + KakijunFileName)) {
        std::fprintf(stderr, "bench_kakijun: cannot read Kakijun.dat\n");
        return 1;
    }
    std::mt19937 random(seed);
    Tally right, backwards, swapped, foreign;
    QList<double> times, cpuTimes; // wall and this thread's processor time, ms
    QStringList missedRight, missedBackwards, foreignTaken;
    QElapsedTimer clock;
    auto timed = [&](StrokeChecker& checker, const StrokePath& s) {
        timespec a{}, b{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &a);
        clock.start();
        const StrokeJudgement j = checker.judge(s);
        times << double(clock.nsecsElapsed()) / 1e6;
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &b);
        cpuTimes << double(b.tv_sec - a.tv_sec) * 1e3 + double(b.tv_nsec - a.tv_nsec) / 1e6;
        return j;
    };
    const QList<CharStrokes>& all = store.all();
    for (const CharStrokes& c : all) {
        const QString ch = QString::fromUcs4(&c.ch, 1);
        const ChildHand hand = RandomChildHand(random);
        QList<StrokePath> written;
        for (const StrokePath& s : c.strokes)
            written << ChildStroke(s, hand, random);

        // The whole character written right, stroke by stroke.
        StrokeChecker checker(c);
        for (int i = 0; i < c.count(); ++i) {
            ++right.of;
            if (timed(checker, written[i]).verdict == StrokeVerdict::Ok) {
                ++right.right;
            } else {
                missedRight << QStringLiteral("%1/%2").arg(ch).arg(i + 1);
                checker.give();
            }
        }
        // Each stroke backwards at its turn, the strokes before it right.
        for (int i = 0; i < c.count(); ++i) {
            StrokeChecker b(c);
            for (int k = 0; k < i; ++k)
                if (b.judge(written[k]).verdict != StrokeVerdict::Ok)
                    b.give();
            ++backwards.of;
            if (timed(b, Reversed(written[i])).verdict == StrokeVerdict::Direction)
                ++backwards.right;
            else
                missedBackwards << QStringLiteral("%1/%2").arg(ch).arg(i + 1);
        }
        // Neighbours swapped: the later one written at the earlier one's turn.
        for (int i = 0; i + 1 < c.count(); ++i) {
            if (!differs(c, i, i + 1))
                continue;
            StrokeChecker s(c);
            for (int k = 0; k < i; ++k)
                if (s.judge(written[k]).verdict != StrokeVerdict::Ok)
                    s.give();
            ++swapped.of;
            if (timed(s, written[i + 1]).verdict != StrokeVerdict::Ok)
                ++swapped.right;
        }
        // A stroke of another character at some turn, the strokes before it right: never
        // taken for the stroke due, unless it looks like that stroke.
        const CharStrokes& other = all[std::uniform_int_distribution<qsizetype>(0, all.size() - 1)(random)];
        if (other.ch == c.ch)
            continue;
        const int turn = std::uniform_int_distribution<int>(0, c.count() - 1)(random);
        const int pick = std::uniform_int_distribution<int>(0, other.count() - 1)(random);
        bool alike = false;
        for (int k = 0; k < c.count(); ++k)
            alike = alike || apart(c.strokes[k], other.strokes[pick]) < AlikeBelow;
        if (alike)
            continue;
        StrokeChecker f(c);
        for (int k = 0; k < turn; ++k)
            if (f.judge(written[k]).verdict != StrokeVerdict::Ok)
                f.give();
        ++foreign.of;
        const StrokeJudgement j = timed(f, ChildStroke(other.strokes[pick], hand, random));
        if (j.verdict != StrokeVerdict::Ok)
            ++foreign.right;
        else
            foreignTaken << QStringLiteral("%1/%2 for %3/%4")
                                .arg(QString::fromUcs4(&other.ch, 1)).arg(pick + 1).arg(ch)
                                .arg(turn + 1);
    }
    struct Spread {
        double median = 0, p99 = 0, worst = 0;
    };
    auto spread = [](QList<double> t) {
        std::sort(t.begin(), t.end());
        Spread s;
        if (!t.isEmpty()) {
            s.median = t[t.size() / 2];
            s.p99 = t[qsizetype(double(t.size()) * 0.99)];
            s.worst = t.last();
        }
        return s;
    };
    const Spread cpu = spread(cpuTimes), wall = spread(times);
    std::printf("bench_kakijun: %lld characters, seed %u\n", static_cast<long long>(all.size()),
                seed);
    std::printf("right strokes accepted       %6.2f %%  (%lld of %lld; mark 99 %%)\n",
                right.share(), right.right, right.of);
    std::printf("backwards caught as direction %6.2f %%  (%lld of %lld; mark 98 %%)\n",
                backwards.share(), backwards.right, backwards.of);
    std::printf("swapped neighbours caught    %6.2f %%  (%lld of %lld; mark 95 %%)\n",
                swapped.share(), swapped.right, swapped.of);
    std::printf("other characters' strokes refused %6.2f %%  (%lld of %lld; mark 100 %%)\n",
                foreign.share(), foreign.right, foreign.of);
    std::printf("time per judged stroke (%lld): processor median %.3f ms, 99th percentile %.3f ms, "
                "worst %.3f ms (mark 5 ms); wall median %.3f ms, 99th percentile %.3f ms, worst "
                "%.3f ms\n",
                static_cast<long long>(times.size()), cpu.median, cpu.p99, cpu.worst, wall.median,
                wall.p99, wall.worst);
    auto some = [](const char* what, const QStringList& list) {
        if (!list.isEmpty())
            std::printf("%s: %s\n", what, qPrintable(list.mid(0, 40).join(QLatin1Char(' '))));
    };
    some("right strokes refused", missedRight);
    some("backwards strokes missed", missedBackwards);
    some("other strokes taken", foreignTaken);
    const bool met = right.share() >= 99 && backwards.share() >= 98 && swapped.share() >= 95 &&
                     foreign.right == foreign.of && cpu.worst <= 5;
    return met ? 0 : 1;
}
