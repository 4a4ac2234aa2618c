// SPDX-License-Identifier: GPL-3.0-or-later
// Furigana in item views: grid cells and list headers whose text is one of the program's own.
#pragma once

#include <QHeaderView>
#include <QStyledItemDelegate>

class RubyItemDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

// A header with room for furigana over its captions.
class RubyHeaderView : public QHeaderView {
  public:
    using QHeaderView::QHeaderView;

  protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    QSize sectionSizeFromContents(int logicalIndex) const override;
};
