// SPDX-License-Identifier: GPL-3.0-or-later
#include "writing/WordWrap.h"

#include <QFontMetrics>
#include <QStringList>

namespace {

struct Piece {
    QString text;
    bool spaceBefore = false; // written with a space before it, dropped at a line's start
};

bool isStop(QChar c) {
    return c == QChar(0x3002) || c == QChar(0xFF01) || c == QChar(0xFF1F) || c == QChar(0x3001);
}

// Words split at spaces, and after 。！？、 where no space follows.
QList<Piece> pieces(const QString& text) {
    QList<Piece> out;
    Piece at;
    for (const QChar c : text) {
        if (c == QLatin1Char(' ') || c == QChar(0x3000)) {
            if (!at.text.isEmpty())
                out << at;
            at = Piece{QString(), true};
            continue;
        }
        at.text += c;
        if (isStop(c)) {
            out << at;
            at = Piece{};
        }
    }
    if (!at.text.isEmpty())
        out << at;
    return out;
}

int letters(const QString& line) {
    int n = 0;
    for (const QChar c : line)
        if (!isStop(c) && !c.isSpace())
            ++n;
    return n;
}

QString joined(const QList<Piece>& words) {
    QString s;
    for (const Piece& w : words)
        s += (s.isEmpty() || !w.spaceBefore ? QString() : QStringLiteral(" ")) + w.text;
    return s;
}

// Words into lines, each as full as it fits; one letter is not left alone on the last line.
QStringList greedy(const QList<Piece>& words, const QFontMetrics& metrics, int width) {
    QList<QList<Piece>> lines;
    for (const Piece& w : words) {
        if (lines.isEmpty() ||
            (!lines.last().isEmpty() &&
             metrics.horizontalAdvance(joined(QList<Piece>(lines.last()) << w)) > width))
            lines << QList<Piece>{};
        lines.last() << w;
    }
    if (lines.size() >= 2 && lines.last().size() == 1 && letters(lines.last().first().text) <= 1 &&
        lines[lines.size() - 2].size() >= 2)
        lines.last().prepend(lines[lines.size() - 2].takeLast());
    QStringList out;
    for (const QList<Piece>& l : lines)
        out << joined(l);
    return out;
}

} // namespace

QString WrapBetweenWords(const QString& text, const QFontMetrics& metrics, int width) {
    QStringList out;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        const QList<Piece> words = pieces(paragraph);
        if (words.isEmpty() || metrics.horizontalAdvance(joined(words)) <= width) {
            out << joined(words);
            continue;
        }
        // Too long for one line: each sentence starts a line of its own.
        QList<Piece> sentence;
        for (const Piece& w : words) {
            sentence << w;
            if (isStop(w.text.back())) {
                out << greedy(sentence, metrics, width);
                sentence.clear();
            }
        }
        if (!sentence.isEmpty())
            out << greedy(sentence, metrics, width);
    }
    return out.join(QLatin1Char('\n'));
}
