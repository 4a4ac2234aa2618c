// SPDX-License-Identifier: GPL-3.0-or-later
// Time to write the practice sheets and the writing tests of a whole school year with the
// program's own kanji data and stroke data; the PDFs stay in the folder given, to be looked at.
//
// Not a pass/fail test: run it by hand, headless:
//   QT_QPA_PLATFORM=offscreen ./bench_sheets <folder> [year ...]
#include "aftergame/practice/PracticeList.h"
#include "aftergame/sheets/KanjiSheets.h"
#include "data/KanjiFiles.h"
#include "data/StrokeData.h"
#include "data/Tables.h"
#include "support/TestEnv.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: bench_sheets <folder> [year ...]\n");
        return 2;
    }
    TestEnv env(true);
    if (!LoadKanjiTable() || !LoadMondaiIndex()) {
        std::fprintf(stderr, "the kanji data cannot be read\n");
        return 1;
    }
    const StrokeStore* strokes = SharedStrokeStore(nullptr);
    QList<int> years;
    for (int i = 2; i < args.size(); ++i)
        years << args[i].toInt();
    if (years.isEmpty())
        years = {1, 4};
    Player_Tbl[1].Name.setSjis("child");
    for (int year : years) {
        Player_Tbl[1].Gakunen = static_cast<std::int16_t>(year);
        const QList<int> kanji = YearKanji(year);
        for (SheetKind kind : {SheetKind::Practice, SheetKind::Test10, SheetKind::Test20}) {
            const QString path =
                QDir(args[1]).filePath(QStringLiteral("year%1-%2.pdf").arg(year).arg(int(kind)));
            QElapsedTimer t;
            t.start();
            const bool ok = WriteKanjiSheetPdf(path, 1, kanji, kind, strokes);
            std::printf("year %d, %s, %lld kanji: %s in %lld ms, %lld KiB\n", year,
                        qPrintable(SheetKindName(kind)), qint64(kanji.size()),
                        ok ? "written" : "FAILED", t.elapsed(), QFileInfo(path).size() / 1024);
        }
    }
    return 0;
}
