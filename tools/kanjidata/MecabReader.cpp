// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/kanjidata/MecabReader.h"

#include "writing/ReadingRules.h"

#include <QFileInfo>
#include <QProcess>

namespace {
const QString IpadicDir = QStringLiteral("/var/lib/mecab/dic/ipadic-utf8");
}

bool ParseMecabLine(const QString& line, MecabWord& word)
{
    const int tab = line.indexOf(QLatin1Char('\t'));
    if (tab < 0)
        return false;
    word.surface = line.left(tab);
    const QStringList features = line.mid(tab + 1).split(QLatin1Char(','));
    // Unknown words carry no reading field.
    const bool known = features.size() > 7 && features[7] != QLatin1String("*");
    word.reading = ToHiragana(known ? features[7] : word.surface);
    word.base = features.size() > 6 && features[6] != QLatin1String("*") ? features[6] : word.surface;
    word.partOfSpeech = features.mid(0, 2).join(QLatin1Char(','));
    return true;
}

bool MecabWords(const QStringList& sentences, QVector<QVector<MecabWord>>& words, QString& reason)
{
    words.clear();
    if (sentences.isEmpty())
        return true;
    QStringList args;
    if (QFileInfo::exists(IpadicDir + QStringLiteral("/sys.dic")))
        args << QStringLiteral("-d") << IpadicDir;
    QProcess mecab;
    mecab.start(QStringLiteral("mecab"), args);
    if (!mecab.waitForStarted(10000)) {
        reason = QStringLiteral("cannot run mecab (install mecab and mecab-ipadic-utf8)");
        return false;
    }
    QByteArray input;
    for (QString s : sentences)
        input += s.replace(QLatin1Char('\n'), QLatin1Char(' ')).toUtf8() + '\n';
    mecab.write(input);
    mecab.closeWriteChannel();
    if (!mecab.waitForFinished(120000) || mecab.exitCode() != 0) {
        reason = QStringLiteral("mecab failed: %1").arg(QString::fromUtf8(mecab.readAllStandardError()));
        return false;
    }
    QVector<MecabWord> current;
    for (const QString& line : QString::fromUtf8(mecab.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        MecabWord w;
        if (line == QLatin1String("EOS")) {
            words << current;
            current.clear();
        } else if (ParseMecabLine(line, w)) {
            current << w;
        }
    }
    if (words.size() != sentences.size()) {
        reason = QStringLiteral("mecab gave %1 results for %2 sentences").arg(words.size()).arg(sentences.size());
        return false;
    }
    return true;
}
