// SPDX-License-Identifier: GPL-3.0-or-later
#include "writing/RubyItemViews.h"

#include "writing/RubyText.h"

#include <QApplication>
#include <QPainter>

namespace {
// One line of text with its furigana, centred in rect as the views centre their captions.
void paintCentred(QPainter* p, const QRect& rect, Qt::Alignment align, const QFont& font,
                  const RubyLine& line, const QColor& color) {
    const QFontMetrics fm(font);
    const int rubyH = RubyHeight(font);
    const int top = rect.top() + (rect.height() - rubyH - fm.height()) / 2 + rubyH;
    const int w = LineWidth(line, font);
    int x = rect.left() + (rect.width() - w) / 2;
    if (align & Qt::AlignLeft)
        x = rect.left() + 3;
    else if (align & Qt::AlignRight)
        x = rect.right() - 3 - w;
    p->save();
    p->setPen(color);
    PaintRubyLine(*p, QPointF(x, top), font, line, true, color);
    p->restore();
}
} // namespace

void RubyItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    const QList<RubyLine> lines = FuriganaLines(index.data(Qt::DisplayRole).toString());
    if (lines.size() != 1) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    opt.text.clear();
    const QWidget* w = opt.widget;
    QStyle* style = w ? w->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, w);
    paintCentred(painter, opt.rect, opt.displayAlignment, opt.font, lines.first(),
                 opt.palette.color(QPalette::Text));
}

void RubyHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    const QString text =
        model() ? model()->headerData(logicalIndex, orientation()).toString() : QString();
    const QList<RubyLine> lines = FuriganaLines(text);
    if (lines.size() != 1) {
        QHeaderView::paintSection(painter, rect, logicalIndex);
        return;
    }
    QStyleOptionHeader opt;
    initStyleOption(&opt);
    opt.rect = rect;
    opt.section = logicalIndex;
    opt.text.clear();
    // The style puts back the clip it found as a region, and an unclipped painter's region is
    // empty: without the save the caption would be clipped away whole.
    painter->save();
    style()->drawControl(QStyle::CE_Header, &opt, painter, this);
    painter->restore();
    const QVariant aligned = model()->headerData(logicalIndex, orientation(), Qt::TextAlignmentRole);
    const auto align = aligned.isValid() ? Qt::Alignment(aligned.toInt()) : defaultAlignment();
    paintCentred(painter, rect, align, font(), lines.first(),
                 palette().color(QPalette::ButtonText));
}

QSize RubyHeaderView::sectionSizeFromContents(int logicalIndex) const {
    QSize s = QHeaderView::sectionSizeFromContents(logicalIndex);
    s.rheight() += RubyHeight(font());
    return s;
}
