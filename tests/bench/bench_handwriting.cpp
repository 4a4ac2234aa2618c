// SPDX-License-Identifier: GPL-3.0-or-later
// Handwriting recognition on our own test set: every year 1-4 kanji (the first 640 of
// "Kanji.dat") against all 1006, and every hiragana against the hiragana, each traced from the
// VL Gothic glyph's skeleton (a font the templates never saw) and written with jitter. Each
// character is tried as written (our stand-in order), with its strokes in a random order and
// with every stroke drawn backwards. Prints top-1 and top-5 hits of the recogniser, of the
// order-free matcher alone and of zinnia alone, the time per character and the opening time.
//
// Not a pass/fail test: run it by hand, headless:
//   QT_QPA_PLATFORM=offscreen ./bench_handwriting [seed] [zinnia pool strokes]
#include "data/HandwritingPads.h"
#include "data/KanjiFiles.h"
#include "data/ProgramDir.h"
#include "writing/handwriting/KanaSets.h"
#include "writing/handwriting/Recognizer.h"
#include "tools/handwriting/StrokeTracing.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace {

// This thread's processor time: the machine is shared, so wall time says more about the others.
double CpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

struct Tally {
    int n = 0, top1 = 0, top5 = 0;
    void add(const QStringList& best, const QString& want) {
        ++n;
        top1 += !best.isEmpty() && best.front() == want;
        top5 += best.mid(0, 5).contains(want);
    }
    QString text() const {
        return QStringLiteral("%1 %  (top-1 %2 %)")
            .arg(100.0 * top5 / std::max(1, n), 5, 'f', 1)
            .arg(100.0 * top1 / std::max(1, n), 5, 'f', 1);
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const unsigned seed = argc > 1 ? unsigned(std::strtoul(argv[1], nullptr, 10)) : 1;
    SetProgramDir(QStringLiteral(MOJI_PROGRAM_DIR));
    if (!LoadKanjiTable()) {
        std::fprintf(stderr, "no Kanji.dat in %s\n", MOJI_PROGRAM_DIR);
        return 1;
    }
    // The first opening of a pad: the recogniser's files are read, the pad is made and shown.
    QWidget host;
    QLineEdit field(&host);
    QPointer<HandwritingPad> pad;
    QElapsedTimer opening;
    opening.start();
    const double openCpu0 = CpuMs();
    OpenHandwritingPad(&host, pad, PadFor::Kanji, &field, QStringLiteral("答"));
    QApplication::processEvents();
    const double openMs = opening.nsecsElapsed() / 1e6;
    const double openCpu = CpuMs() - openCpu0;
    const HandwritingRecognizer* shared = SharedRecognizer();
    if (!shared || !pad) {
        std::fprintf(stderr, "no Tegaki.dat in %s\n", MOJI_PROGRAM_DIR);
        return 1;
    }
    auto& r = const_cast<HandwritingRecognizer&>(*shared);
    RecognizerWeights w;
    if (argc > 4)
        w = {std::atof(argv[2]), std::atoi(argv[3]), std::atof(argv[4])};
    r.setWeights(w);
    RecognizerWeights alone = w;
    alone.zinnia = 0;

    const QStringList kanji = PadKanji();
    const QStringList kana = KanaSets::hiragana();
    struct Set {
        const char* name;
        QStringList chars;
        const QStringList* candidates;
    } sets[] = {{"kanji (640 of years 1-4, among 1006)", kanji.mid(0, 640), &kanji},
                {"hiragana (71, among 71)", kana, &kana}};
    const char* orders[] = {"in order", "shuffled", "reversed"};
    std::vector<double> times, cpu;
    std::printf("seed %u, zinnia %s, weights zinnia %.3f pool %d strokes %.3f\n", seed,
                r.hasZinnia() ? "loaded" : "missing", w.zinnia, w.zinniaPool, w.strokes);
    for (const Set& set : sets) {
        std::mt19937 rng(seed);
        Tally both[3], matcher[3], zinnia[3];
        for (const QString& c : set.chars) {
            const Ink written = Handwritten(TraceGlyph(c), rng);
            const Ink inks[3] = {written, ShuffledStrokes(written, rng), ReversedStrokes(written)};
            for (int o = 0; o < 3; ++o) {
                QElapsedTimer t;
                t.start();
                const double c0 = CpuMs();
                both[o].add(r.recognize(inks[o], *set.candidates, 10), c);
                cpu.push_back(CpuMs() - c0);
                times.push_back(t.nsecsElapsed() / 1e6);
                r.setWeights(alone);
                matcher[o].add(r.recognize(inks[o], *set.candidates, 10), c);
                r.setWeights(w);
                zinnia[o].add(r.zinniaOnly(inks[o], *set.candidates, 10), c);
            }
        }
        std::printf("\n%s: right character in the top 5\n", set.name);
        std::printf("  %-10s %-26s %-26s %-26s\n", "", "recogniser", "matcher alone",
                    "zinnia alone");
        for (int o = 0; o < 3; ++o)
            std::printf("  %-10s %-26s %-26s %-26s\n", orders[o], qPrintable(both[o].text()),
                        qPrintable(matcher[o].text()), qPrintable(zinnia[o].text()));
    }
    std::sort(times.begin(), times.end());
    std::sort(cpu.begin(), cpu.end());
    std::printf("\nrecognition per character (%zu): processor time median %.1f ms, 99th percentile"
                " %.1f ms, max %.1f ms; wall time median %.1f ms, 99th percentile %.1f ms\n",
                times.size(), cpu[cpu.size() / 2], cpu[cpu.size() * 99 / 100], cpu.back(),
                times[times.size() / 2], times[times.size() * 99 / 100]);
    std::printf("first opening of a pad (templates, zinnia's model, the window): processor time"
                " %.1f ms, wall time %.1f ms\n",
                openCpu, openMs);
    return 0;
}
