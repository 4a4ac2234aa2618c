// SPDX-License-Identifier: GPL-3.0-or-later
// The candidate picker's grid for a school year: every kanji of the year, down the columns in
// kanji-number order.
#pragma once

#include <QVector>

struct KanjiSelLayout {
    int colWidth = 0;
    int rowHeight = 0;
    int cols = 0;
    int rows = 0;
    int fontSize = 9;  // points
};

// Sizes for school year y at display scale `scale` (1 or 1.25).
KanjiSelLayout KanjiSelLayoutFor(int year, double scale);
// The kanji number shown in (col, row), both from 0, or 0 for an empty cell.
int KanjiSelCell(int year, const KanjiSelLayout& layout, int col, int row);
