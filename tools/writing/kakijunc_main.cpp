// SPDX-License-Identifier: GPL-3.0-or-later
// kakijunc <KanjiVG package> <data/kanji> <data/kakijun> <program dir>: compiles the strokes of
// every kanji of kanji.txt and of every hiragana and katakana KanjiVG draws into "Kakijun.dat",
// with KanjiVG's licence beside it. Fails on a kanji whose KanjiVG stroke count differs from its
// Kakusuu unless data/kakijun/stroke_counts.txt gives the reason.
#include "tools/kanjidata/KanjiSource.h"
#include "tools/writing/KanjiVgFiles.h"
#include "tools/writing/OtherOrders.h"
#include "tools/writing/StrokeCountCheck.h"
#include "writing/strokes/KakijunFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <cstdio>

namespace {

void report(const QStringList& lines) {
    for (const QString& l : lines)
        std::fprintf(stderr, "kakijunc: %s\n", qPrintable(l));
}

bool writeLicence(const QString& packageDir, const QString& path) {
    QFile copying(QDir(packageDir).filePath(QStringLiteral("COPYING")));
    if (!copying.open(QIODevice::ReadOnly))
        return false;
    QByteArray text =
        "The stroke data in Kakijun.dat is derived from KanjiVG.\n"
        "KanjiVG is copyright Ulrich Apel and released under the Creative Commons\n"
        "Attribution-Share Alike 3.0 licence (https://creativecommons.org/licenses/by-sa/3.0/).\n"
        "Taken from the npm package @madcat/kanjivg 5.0.0 (https://kanjivg.tagaini.net);\n"
        "the centre lines were sampled into points. Kakijun.dat is shared under the same\n"
        "licence. The licence text follows.\n\n";
    text += copying.readAll();
    QSaveFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(text) == text.size() && out.commit();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 5) {
        std::fprintf(stderr, "usage: kakijunc <KanjiVG package> <data/kanji> <data/kakijun> "
                             "<program dir>\n");
        return 2;
    }
    const QString package = QString::fromLocal8Bit(argv[1]);
    const QString kanjiDir = QString::fromLocal8Bit(argv[2]);
    const QDir kakijunDir(QString::fromLocal8Bit(argv[3]));
    const QDir programDir(QString::fromLocal8Bit(argv[4]));

    QStringList errors, warnings;
    const KanjiSources sources = ReadKanjiSources(kanjiDir, errors, warnings);
    if (sources.kanji.isEmpty()) {
        report(errors);
        return 1;
    }
    errors.clear(); // the sentences are the data compiler's to check
    const OtherOrderTable orders =
        ReadOtherOrders(kakijunDir.filePath(QStringLiteral("orders.txt")), &errors);
    const QHash<QString, ListedCount> listed =
        ReadListedCounts(kakijunDir.filePath(QStringLiteral("stroke_counts.txt")), &errors);

    QList<char32_t> wanted;
    QList<KanjiCount> kakusuu;
    for (const KanjiEntry& k : sources.kanji) {
        wanted << char32_t(k.kanji.toUcs4().value(0));
        kakusuu << KanjiCount{k.kanji, k.strokes};
    }
    // Hiragana and katakana, with the marks and signs of their blocks that KanjiVG draws.
    for (char32_t c = 0x3041; c <= 0x30FF; ++c)
        if (QFile::exists(KanjiVgFile(package, c)))
            wanted << c;
    std::sort(wanted.begin(), wanted.end());
    wanted.erase(std::unique(wanted.begin(), wanted.end()), wanted.end());

    QList<CharStrokes> chars;
    QHash<QString, int> counts;
    for (char32_t ch : wanted) {
        CharStrokes c;
        QString why;
        if (!ReadKanjiVgStrokes(package, ch, &c, &why)) {
            errors << why;
            continue;
        }
        for (const QList<int>& order : orders.value(ch)) {
            if (!IsStrokeOrder(order, c.count()))
                errors << QStringLiteral("orders.txt: %1 has %2 strokes")
                              .arg(QString::fromUcs4(&ch, 1)).arg(c.count());
            else
                c.otherOrders << order;
        }
        counts.insert(QString::fromUcs4(&ch, 1), c.count());
        chars << c;
    }
    for (auto it = orders.constBegin(); it != orders.constEnd(); ++it)
        if (!std::binary_search(wanted.begin(), wanted.end(), it.key()))
            errors << QStringLiteral("orders.txt: %1 is not a character the program teaches")
                          .arg(QString::fromUcs4(&it.key(), 1));
    errors += UnresolvedCountDifferences(kakusuu, counts, listed);
    report(StaleListedCounts(kakusuu, counts, listed));
    if (!errors.isEmpty()) {
        report(errors);
        return 1;
    }
    const QString dat = programDir.filePath(KakijunFileName);
    if (!WriteKakijunFile(dat, chars)) {
        report({QStringLiteral("%1 cannot be written").arg(dat)});
        return 1;
    }
    const QString licence = programDir.filePath(KakijunLicenceFileName);
    if (!writeLicence(package, licence)) {
        report({QStringLiteral("%1 cannot be written").arg(licence)});
        return 1;
    }
    std::printf("kakijunc: %lld characters\n", static_cast<long long>(chars.size()));
    return 0;
}
