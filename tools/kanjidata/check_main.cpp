// SPDX-License-Identifier: GPL-3.0-or-later
// kanjicheck [source dir] [year...]: runs every content check on the kanji sources and lists
// each failure as "<file>:<line>: [check] ..."; exit status 1 when anything fails.
#include "tools/kanjidata/KanjiChecks.h"
#include "tools/kanjidata/PinnedDictionaries.h"
#include "tools/kanjidata/ReadingCoverage.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QStringList args = app.arguments().mid(1);
    const QString dir = args.isEmpty() || args.first().toInt() ? QStringLiteral(KANJI_SOURCE_DIR) : args.takeFirst();
    QSet<QString> onlyFiles;
    for (const QString& y : args)
        onlyFiles.insert(SentenceFileName(y.toInt()));

    QStringList errors, warnings;
    const KanjiSources src = ReadKanjiSources(dir, errors, warnings);
    for (const QString& w : warnings + errors)
        out << w << '\n';
    QHash<QString, KanjiDicEntry> dic;
    QString reason;
    if (!ReadKanjiDic(PinnedKanjiDicPath(dir), dic, reason)) {
        out << reason << '\n';
        return 1;
    }
    QVector<CheckFailure> failures;
    const QVector<ExceptionEntry> exceptions = ReadExceptions(dir + QStringLiteral("/exceptions.txt"), failures);
    QFile notes(dir + QStringLiteral("/NOTES.md"));
    notes.open(QIODevice::ReadOnly);
    failures += CheckKanjiList(src, dic);
    failures += CheckLeftOutNamed(src, dic, QString::fromUtf8(notes.readAll()));
    failures += CheckSentenceCounts(src);
    failures += CheckSentenceText(src, dic, exceptions);
    if (!CheckMecab(src, dic, exceptions, failures, reason))
        out << reason << '\n';
    Edict edict;
    QString edictProblem;
    const auto others = ReadOtherReadingExceptions(dir + QStringLiteral("/reading_exceptions.txt"), failures);
    if (!ReadPinnedEdict(dir, edict, edictProblem) ||
        !CheckOtherReadings(src, dic, edict, others, failures, edictProblem))
        out << edictProblem << '\n';
    const auto table = ReadReadingsTable(dir, failures);
    failures += CheckReadingsTable(src, table, dic);
    YearReadings perYear[5];
    failures += CheckReadingsAsked(src, table, perYear);
    if (onlyFiles.isEmpty()) {
        failures += UnusedExceptions(exceptions);
        failures += UnusedOtherReadingExceptions(others);
    }
    int shown = 0;
    for (const CheckFailure& f : failures)
        if (onlyFiles.isEmpty() || onlyFiles.contains(f.file)) {
            out << f.toString() << '\n';
            ++shown;
        }
    for (int y = 1; y <= 4; ++y)
        out << "year " << y << ": " << perYear[y].taught << " school readings (" << perYear[y].ownYear
            << " met in year " << y << "), " << perYear[y].asked << " asked\n";
    int sentences = 0;
    for (const auto& list : src.sentences)
        sentences += static_cast<int>(list.size());
    out << src.sentences.size() << " kanji with " << sentences << " sentences; " << shown << " failure(s), "
        << errors.size() << " source error(s)\n";
    return shown == 0 && errors.isEmpty() && reason.isEmpty() && edictProblem.isEmpty() ? 0 : 1;
}
