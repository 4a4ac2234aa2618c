// SPDX-License-Identifier: GPL-3.0-or-later
// kanjipin [source dir] [--kanjidic <file>] [--edict <file>]: writes data/kanji/dictionary from
// the installed kanjidic and edict: the trimmed kanjidic lines of every kanji the data and the
// checks touch, the edict lines of every word the sentence check looks up, and the list of those
// words. Run it after adding sentences whose words the snapshot does not know yet.
#include "tools/kanjidata/KanjiChecks.h"
#include "tools/kanjidata/PinnedDictionaries.h"
#include "writing/ReadingRules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QTextStream>

namespace {

QString packageVersion(const QString& package)
{
    QProcess dpkg;
    dpkg.start(QStringLiteral("dpkg-query"), {QStringLiteral("-W"), QStringLiteral("-f=${Version}"), package});
    if (!dpkg.waitForFinished(10000) || dpkg.exitCode() != 0)
        return QStringLiteral("unknown");
    return QString::fromUtf8(dpkg.readAllStandardOutput()).trimmed();
}

bool readLines(const QString& path, QStringList& lines, QString& reason)
{
    QFile f(path);
    QString text;
    if (!f.open(QIODevice::ReadOnly) || !DecodeDictionaryText(f.readAll(), text)) {
        reason = QStringLiteral("cannot read %1 (install the kanjidic and edict packages)").arg(path);
        return false;
    }
    lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return true;
}

void addKanjiOf(const QString& text, QSet<QChar>& out)
{
    for (QChar c : text)
        if (IsKanjiChar(c))
            out.insert(c);
}

bool write(const QString& path, const QStringList& header, const QStringList& lines, QString& reason)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly)) {
        reason = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    QByteArray bytes;
    for (const QString& h : header)
        bytes += "# " + h.toUtf8() + '\n';
    for (const QString& l : lines)
        bytes += l.toUtf8() + '\n';
    f.write(bytes);
    if (!f.commit()) {
        reason = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    QStringList args = app.arguments().mid(1);
    QString kanjidicPath = DefaultKanjiDicPath, edictPath = DefaultEdictPath, dir;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--kanjidic") && i + 1 < args.size())
            kanjidicPath = args[++i];
        else if (args[i] == QLatin1String("--edict") && i + 1 < args.size())
            edictPath = args[++i];
        else
            dir = args[i];
    }
    if (dir.isEmpty()) {
        err << "usage: kanjipin <data/kanji dir> [--kanjidic <file>] [--edict <file>]\n";
        return 2;
    }
    QStringList errors, warnings;
    const KanjiSources src = ReadKanjiSources(dir, errors, warnings);
    if (!errors.isEmpty()) {
        err << errors.join(QLatin1Char('\n')) << '\n';
        return 1;
    }
    QSet<QString> words;
    QString reason;
    QStringList dicLines, edictLines;
    if (!EdictWordsLookedUp(src, words, reason) || !readLines(kanjidicPath, dicLines, reason) ||
        !readLines(edictPath, edictLines, reason)) {
        err << reason << '\n';
        return 1;
    }

    // Every kanji of the sources, the furigana table and the looked-up words.
    QSet<QChar> kanji;
    QDir sources(dir);
    for (const QString& name : sources.entryList({QStringLiteral("*.txt")}, QDir::Files)) {
        QFile f(sources.filePath(name));
        if (f.open(QIODevice::ReadOnly))
            addKanjiOf(QString::fromUtf8(f.readAll()), kanji);
    }
    QFile furigana(dir + QStringLiteral("/../texts/furigana.txt"));
    if (furigana.open(QIODevice::ReadOnly))
        addKanjiOf(QString::fromUtf8(furigana.readAll()), kanji);
    for (const QString& w : words)
        addKanjiOf(w, kanji);

    const QStringList licence{
        QStringLiteral("Extracted by tools/kanjidata/kanjipin; see LICENCE.md in this folder (EDRDG licence, CC BY-SA 4.0).")};
    QStringList keptDic;
    for (const QString& line : dicLines) {
        QString k;
        KanjiDicEntry e;
        if (!ParseKanjiDicLine(line, k, e) || k.size() != 1)
            continue;
        if (kanji.contains(k[0]) || e.grade > 0)
            keptDic << TrimmedKanjiDicLine(line);
    }
    QStringList keptEdict;
    for (const QString& line : edictLines) {
        QString w;
        EdictReading r;
        if (ParseEdictLine(line, w, r) && words.contains(w))
            keptEdict << line;
    }
    QStringList wordList(words.begin(), words.end());
    wordList.removeAll(QString());
    wordList.sort();

    QDir().mkpath(dir + QStringLiteral("/dictionary"));
    const QString dicEdition = QStringLiteral("kanjidic %1 (Debian package kanjidic %2): %3")
                                   .arg(kanjidicPath, packageVersion(QStringLiteral("kanjidic")), dicLines.value(0).left(200));
    const QString edictEdition = QStringLiteral("edict %1 (Debian package edict %2): %3")
                                     .arg(edictPath, packageVersion(QStringLiteral("edict")), edictLines.value(0).left(200));
    if (!write(PinnedKanjiDicPath(dir), QStringList{dicEdition} + licence, keptDic, reason) ||
        !write(PinnedEdictPath(dir), QStringList{edictEdition} + licence, keptEdict, reason) ||
        !write(PinnedEdictWordsPath(dir),
               QStringList{QStringLiteral("Every word the edict check looks up; a word here without a line in "
                                          "edict.txt is one edict does not have."),
                           edictEdition},
               wordList, reason)) {
        err << reason << '\n';
        return 1;
    }
    QTextStream(stdout) << keptDic.size() << " kanjidic lines, " << keptEdict.size() << " edict lines, "
                        << wordList.size() << " words looked up\n";
    return 0;
}
