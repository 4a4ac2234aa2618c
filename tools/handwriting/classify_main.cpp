// SPDX-License-Identifier: GPL-3.0-or-later
// classify [--kana|--kanji]: one character of ink a line on standard input, its ten best
// candidates a line on standard output (see writing/handwriting/Ink.h for the line form).
#include "writing/handwriting/KanaSets.h"
#include "writing/handwriting/Recognizer.h"
#include "tools/handwriting/CandidateChars.h"

#include "data/Tables.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    bool kana = false;
    if (argc > 2 ||
        (argc == 2 && std::string(argv[1]) != "--kana" && std::string(argv[1]) != "--kanji")) {
        std::fprintf(stderr, "usage: classify [--kana|--kanji] < strokes\n");
        return 2;
    }
    if (argc == 2)
        kana = std::string(argv[1]) == "--kana";

    const QString programDir = QStringLiteral(MOJI_PROGRAM_DIR);
    const QStringList kanji = KanjiOfProgramDir(programDir);
    if (kanji.isEmpty()) {
        std::fprintf(stderr, "classify: cannot read Kanji.dat in %s\n", MOJI_PROGRAM_DIR);
        return 1;
    }
    HandwritingRecognizer recognizer;
    if (!recognizer.open(QDir(programDir).filePath(TemplateFileName),
                         QDir(programDir).filePath(ZinniaModelFileName))) {
        std::fprintf(stderr, "classify: cannot read %s in %s\n", qPrintable(TemplateFileName),
                     MOJI_PROGRAM_DIR);
        return 1;
    }
    QHash<QString, int> counts;
    for (int k = 1; k <= MaxKanji; ++k)
        if (!Kanji_Tbl[size_t(k)].Kanji.isEmpty())
            counts.insert(Kanji_Tbl[size_t(k)].text(), Kanji_Tbl[size_t(k)].Kakusuu);
    recognizer.setStrokeCounts(counts);
    const QStringList candidates = kana ? KanaSets::hiragana() : kanji;

    int status = 0;
    std::string line;
    for (int n = 1; std::getline(std::cin, line); ++n) {
        Ink ink;
        if (!InkText::parse(QString::fromUtf8(line), &ink)) {
            std::fprintf(stderr, "classify: line %d is not strokes of x,y points\n", n);
            status = 1;
        }
        const QStringList best = recognizer.recognize(ink, candidates, 10);
        std::cout << best.join(QLatin1Char(' ')).toStdString() << '\n';
    }
    return status;
}
