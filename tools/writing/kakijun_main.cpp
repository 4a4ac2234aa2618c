// SPDX-License-Identifier: GPL-3.0-or-later
// kakijun --check 字: judges one character's strokes read from standard input, in the ink text
// form (strokes split by ";", points "x,y" split by blanks, 1024 box, y down), with the checker
// the practice window uses. Prints "N <verdict>" per drawn stroke, then "missing K" per model
// stroke never drawn right.
#include "writing/handwriting/Ink.h"
#include "writing/strokes/KakijunFile.h"
#include "writing/strokes/StrokeChecker.h"
#include "writing/strokes/StrokeStore.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>
#include <iostream>
#include <iterator>
#include <string>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 2 || args[0] != QLatin1String("--check") || args[1].toUcs4().size() != 1) {
        std::fprintf(stderr, "usage: kakijun --check <character> < strokes\n");
        return 2;
    }
    StrokeStore store;
    const QString path = QDir(QStringLiteral(MOJI_PROGRAM_DIR)).filePath(KakijunFileName);
    if (!store.load(path)) {
        std::fprintf(stderr, "kakijun: cannot read %s\n", qPrintable(path));
        return 1;
    }
    const CharStrokes* model = store.find(args[1]);
    if (!model) {
        std::fprintf(stderr, "kakijun: no stroke data for %s\n", qPrintable(args[1]));
        return 1;
    }
    // One character: its strokes may also come a line each.
    const std::string input{std::istreambuf_iterator<char>(std::cin), {}};
    QString text = QString::fromUtf8(input).trimmed();
    text.replace(QLatin1Char('\n'), QLatin1Char(';'));
    Ink ink;
    if (!InkText::parse(text, &ink)) {
        std::fprintf(stderr, "kakijun: the input is not strokes of x,y points\n");
        return 1;
    }
    StrokeChecker checker(*model);
    const double toBox = StrokeBoxSize / InkBox;
    int n = 0;
    for (const Stroke& stroke : ink) {
        StrokePath drawn;
        for (const QPointF& p : stroke)
            drawn << p * toBox;
        const StrokeJudgement j = checker.judge(drawn);
        std::printf("%d %s\n", ++n, qPrintable(VerdictName(j.verdict)));
    }
    for (int k : checker.missing())
        std::printf("missing %d\n", k + 1);
    return 0;
}
