// SPDX-License-Identifier: GPL-3.0-or-later
// kanjidatac <source dir> <program dir>: compiles the kanji sources into the three data files.
#include "tools/kanjidata/DataFileBuilder.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        err << "usage: kanjidatac <source dir> <program dir>\n";
        return 2;
    }
    QStringList errors, warnings;
    const KanjiSources src = ReadKanjiSources(args[1], errors, warnings);
    for (const QString& w : warnings)
        err << w << '\n';
    if (!errors.isEmpty()) {
        // Paths relative to the source dir are enough to find the line.
        for (const QString& e : errors)
            err << args[1] << '/' << e << '\n';
        err << errors.size() << " error(s) in the kanji sources\n";
        return 1;
    }
    QString reason;
    if (!WriteKanjiDataFiles(BuildKanjiDataFiles(src), args[2], reason)) {
        err << reason << '\n';
        return 1;
    }
    return 0;
}
