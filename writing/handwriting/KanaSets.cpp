// SPDX-License-Identifier: GPL-3.0-or-later
#include "writing/handwriting/KanaSets.h"

namespace {

const QString Hiragana =
    QStringLiteral("あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほ"
                   "まみむめもやゆよらりるれろわをんがぎぐげござじずぜぞだぢづ"
                   "でどばびぶべぼぱぴぷぺぽ");
const QString LargeKana = QStringLiteral("あいうえおつやゆよわアイウエオツヤユヨワカケ");
const QString SmallKana = QStringLiteral("ぁぃぅぇぉっゃゅょゎァィゥェォッャュョヮヵヶ");

QStringList split(const QString& s) {
    QStringList out;
    for (QChar c : s)
        out << QString(c);
    return out;
}

} // namespace

namespace KanaSets {

QStringList hiragana() {
    return split(Hiragana);
}

QStringList katakana() {
    QString k;
    for (QChar c : Hiragana)
        k += QChar(c.unicode() + 0x60); // the katakana block mirrors the hiragana one
    return split(k + QStringLiteral("ー"));
}

QString smallFormOf(const QString& kana) {
    const qsizetype i = kana.size() == 1 ? LargeKana.indexOf(kana) : -1;
    return i < 0 ? QString() : QString(SmallKana[i]);
}

QStringList withSmallForms(const QStringList& ranked, int n) {
    QStringList out;
    for (const QString& k : ranked) {
        if (out.size() >= n)
            break;
        if (!out.contains(k))
            out << k;
        const QString small = smallFormOf(k);
        if (!small.isEmpty() && out.size() < n && !out.contains(small))
            out << small;
    }
    return out;
}

} // namespace KanaSets
