// SPDX-License-Identifier: GPL-3.0-or-later
// tracestrokes [--kana|--kanji] [SEED]: the benchmark's test set as classify reads it, one
// character a line, its expected character first and a tab before the strokes.
#include "writing/handwriting/KanaSets.h"
#include "tools/handwriting/CandidateChars.h"
#include "tools/handwriting/StrokeTracing.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const bool kana = argc > 1 && std::strcmp(argv[1], "--kana") == 0;
    const unsigned seed = argc > 2 ? unsigned(std::strtoul(argv[2], nullptr, 10)) : 1;
    QStringList chars = kana ? KanaSets::hiragana()
                             : KanjiOfProgramDir(QStringLiteral(MOJI_PROGRAM_DIR)).mid(0, 640);
    std::mt19937 rng(seed);
    for (const QString& c : chars) {
        const Ink ink = Handwritten(TraceGlyph(c), rng);
        std::printf("%s\t%s\n", qPrintable(c), qPrintable(InkText::format(ink)));
    }
    return 0;
}
