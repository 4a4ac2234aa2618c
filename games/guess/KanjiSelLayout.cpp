// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/guess/KanjiSelLayout.h"

#include "data/Tables.h"

#include <cmath>

KanjiSelLayout KanjiSelLayoutFor(int year, double scale)
{
    KanjiSelLayout l;
    if (year <= 1)
        l = {50, 35, 10, 8, 9};
    else if (year == 2)
        l = {32, 32, 16, 10, 9};
    else if (year <= 4)
        l = {27, 32, 20, 10, 9};
    else
        l = {28, 32, 19, 10, 9};
    l.colWidth = static_cast<int>(std::trunc(l.colWidth * scale));
    l.rowHeight = static_cast<int>(std::trunc(l.rowHeight * scale));
    l.fontSize = static_cast<int>(std::lround(l.fontSize * scale));
    return l;
}

int KanjiSelCell(int year, const KanjiSelLayout& layout, int col, int row)
{
    if (year < 1 || year > 6 || col < 0 || row < 0 || row >= layout.rows)
        return 0;
    const TGakunenRec& e = Gakunen_Tbl[year];
    const int i = col * layout.rows + row + 1;
    if (i > e.Count)
        return 0;
    return e.First + i - 1;
}
