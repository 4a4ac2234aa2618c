// SPDX-License-Identifier: GPL-3.0-or-later
// The notebook's page of kanji cells: school-year headings and rows of large kanji, each cell in
// the colour of its mark. A click on a kanji reports it.
#pragma once

#include "data/KanjiNoteRules.h"

#include <QList>
#include <QRect>
#include <QString>
#include <QVector>
#include <QWidget>

struct NoteCell {
    int kanji = 0;   // 0: a heading
    QString heading; // "1年", ...
};

class KanjiNoteGrid : public QWidget {
    Q_OBJECT
  public:
    explicit KanjiNoteGrid(QWidget* parent = nullptr);

    // Lays the cells out in rows of `columns`; a heading starts a row of its own.
    void setCells(const QList<NoteCell>& cells, int columns, int side);
    void setSummary(const NoteSummary* summary);
    void setSelected(int kanji);
    void setPicked(const QList<int>& kanji); // marked with a tick (kanji picked for printing)

    int kanjiAt(const QPoint& pos) const; // 0 outside any kanji
    QRect cellRect(int kanji) const;      // empty when the kanji is not on the page
    QRect headingRect(int n) const;       // the n-th heading (1-based); empty when there is none
    int kanjiCount() const;

  signals:
    void kanjiClicked(int kanji);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QList<NoteCell> cells_;
    QVector<QRect> rects_;
    const NoteSummary* summary_ = nullptr;
    int selected_ = 0;
    QList<int> picked_;
    int side_ = 36;
};
