// SPDX-License-Identifier: GPL-3.0-or-later
#include "aftergame/sheets/TestSheet.h"

#include "aftergame/sheets/SheetPage.h"
#include "aftergame/sheets/SheetRuby.h"
#include "data/Tables.h"

#include <QPainter>

namespace {
constexpr int RowsPerColumn = 10;
} // namespace

QList<TestQuestion> TestQuestions(const QList<int>& kanji, int perPage) {
    QList<QList<NoteSentence>> sentences;
    for (int k : kanji)
        sentences << NoteSentencesOf(k);
    QList<TestQuestion> out;
    for (int i = 0; i < kanji.size(); ++i)
        if (!sentences[i].isEmpty())
            out << TestQuestion{kanji[i], sentences[i].first()};
    for (int round = 1; out.size() < perPage; ++round) {
        bool any = false;
        for (int i = 0; i < kanji.size() && out.size() < perPage; ++i) {
            if (round < sentences[i].size()) {
                out << TestQuestion{kanji[i], sentences[i][round]};
                any = true;
            }
        }
        if (!any)
            break;
    }
    return out;
}

void PaintTestPage(QPainter& p, const QList<TestQuestion>& questions, int first, int perPage,
                   bool answers) {
    const int columns = std::max(1, perPage / RowsPerColumn);
    const double width = SheetWidthMm - 2 * SheetMarginMm;
    const double columnGap = 6;
    const double columnWidth = (width - (columns - 1) * columnGap) / columns;
    const double rowHeight = (SheetHeightMm - 18 - SheetTopMm) / RowsPerColumn;
    const double textSize = columns == 1 ? 8 : 6;
    const double numberWidth = columns == 1 ? 17 : 12;
    for (int i = 0; i < perPage && first + i < questions.size(); ++i) {
        const TestQuestion& q = questions[first + i];
        const double x = SheetMarginMm + (i / RowsPerColumn) * (columnWidth + columnGap);
        const double y = SheetTopMm + (i % RowsPerColumn) * rowHeight;
        const double lineY = y + (rowHeight - SheetSentenceHeight(textSize)) / 2;
        p.setPen(Qt::black);
        PaintSheetText(p, SheetRect(x, lineY + textSize * 0.6, numberWidth, textSize * 1.6),
                       textSize * 0.7, QStringLiteral("(%1)").arg(first + i + 1),
                       Qt::AlignLeft | Qt::AlignVCenter, true);
        PaintSheetSentence(p, x + numberWidth, lineY, columnWidth - numberWidth, textSize,
                           q.sentence, Kanji_Tbl[q.kanji].text(),
                           answers ? SentenceKanji::Answer : SentenceKanji::Box);
    }
}
