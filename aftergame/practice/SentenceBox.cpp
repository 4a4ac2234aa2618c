// SPDX-License-Identifier: GPL-3.0-or-later
#include "aftergame/practice/SentenceBox.h"

#include "platform/Fonts.h"

#include <QPainter>

namespace {
constexpr int TextPixels = 24;
constexpr int ReadingPixels = 15;
const QColor Reading(255, 110, 110);

// Marks that close what stands before them: never the first on a line.
bool closes(const QString& piece) {
    static const QString marks =
        QStringLiteral("。、！？」』）ー・ぁぃぅぇぉっゃゅょァィゥェォッャュョ");
    return piece.size() == 1 && marks.contains(piece);
}
} // namespace

SentenceBox::SentenceBox(QWidget* parent) : QWidget(parent) {}

void SentenceBox::setSentence(const NoteSentence& sentence) {
    sentence_ = sentence;
    update();
}

QList<SentenceBox::Piece> SentenceBox::layout() const {
    const QFontMetrics fm(PixelFont(TextPixels, true));
    const int readingHeight = QFontMetrics(PixelFont(ReadingPixels, true)).height();
    const int lineHeight = readingHeight + fm.height() + 6;
    const int boxSide = fm.height() + 4;
    QList<Piece> pieces;
    for (const QChar c : sentence_.before)
        pieces << Piece{QString(c), {}};
    pieces << Piece{QString(), {}};
    for (const QChar c : sentence_.after)
        pieces << Piece{QString(c), {}};
    QList<int> widths;
    for (const Piece& piece : pieces)
        widths << (piece.text.isEmpty() ? boxSide + 6 : fm.horizontalAdvance(piece.text));
    // Where each line starts: as full as it fits, then a closing mark, or one character alone
    // on the last line, takes the character before it along.
    QList<int> starts{0};
    int x = 0;
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (x + widths[i] > width() && x > 0) {
            starts << int(i);
            x = 0;
        }
        x += widths[i];
    }
    // The last line takes from the one before until it is at least half as wide: "なっ|た。"
    // reads badly, "ばん|になった。" does not.
    if (starts.size() >= 2) {
        const qsizetype k = starts.size() - 1;
        const auto span = [&](qsizetype from, qsizetype to) {
            int w = 0;
            for (qsizetype i = from; i < to; ++i)
                w += widths[i];
            return w;
        };
        while (starts[k] - 1 > starts[k - 1] &&
               2 * span(starts[k], pieces.size()) < span(starts[k - 1], starts[k]) &&
               span(starts[k] - 1, pieces.size()) <= width())
            --starts[k];
    }
    for (qsizetype k = 1; k < starts.size(); ++k) {
        const int at = starts[k];
        const bool alone = k + 1 == starts.size() && at + 1 == pieces.size();
        if ((closes(pieces[at].text) || alone) && at - 1 > starts[k - 1])
            starts[k] = at - 1;
    }
    int line = -1;
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (line + 1 < starts.size() && starts[line + 1] == i) {
            ++line;
            x = 0;
        }
        const int top = line * lineHeight + readingHeight;
        Piece& piece = pieces[i];
        piece.at = piece.text.isEmpty() ? QRect(x + 3, top, boxSide, boxSide)
                                        : QRect(x, top + 2, widths[i], fm.height());
        x += widths[i];
    }
    return pieces;
}

QStringList SentenceBox::lines() const {
    QStringList out;
    int top = -1;
    for (const Piece& piece : layout()) {
        const int at = piece.text.isEmpty() ? piece.at.top() : piece.at.top() - 2;
        if (out.isEmpty() || at != top)
            out << QString();
        top = at;
        out.last() += piece.text.isEmpty() ? QStringLiteral("□") : piece.text;
    }
    return out;
}

QRect SentenceBox::boxRect() const {
    for (const Piece& piece : layout())
        if (piece.text.isEmpty())
            return piece.at;
    return {};
}

void SentenceBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QFont text = PixelFont(TextPixels, true);
    const QFont reading = PixelFont(ReadingPixels, true);
    for (const Piece& piece : layout()) {
        if (!piece.text.isEmpty()) {
            p.setFont(text);
            p.setPen(Qt::white);
            p.drawText(piece.at, Qt::AlignCenter, piece.text);
            continue;
        }
        p.setPen(QPen(Qt::white, 2));
        p.setBrush(QColor(255, 255, 255, 40));
        p.drawRect(piece.at);
        // The reading stands over the square; a long one spreads over its neighbours.
        const QFontMetrics rfm(reading);
        const int rw = rfm.horizontalAdvance(sentence_.reading);
        p.setFont(reading);
        p.setPen(Reading);
        p.drawText(
            QPoint(std::max(0, piece.at.center().x() - rw / 2), piece.at.top() - rfm.descent() - 1),
            sentence_.reading);
    }
}
