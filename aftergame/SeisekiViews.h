// SPDX-License-Identifier: GPL-3.0-or-later
// The three views of the grades window as plain grid contents, computed from the shared tables:
// the chosen player's own record, all players' levels, and one game's top ten.
#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

// The games' names as the grades window shows them (game 1..7).
QString SeisekiGameName(int game);

struct SeisekiGrid {
    QString title;
    int colCount = 0;
    int rowCount = 0;
    int defaultColWidth = 0;
    int defaultRowHeight = 0;
    QMap<int, int> colWidths;   // columns that differ from the default
    QVector<QStringList> cells;  // [row][col], row 0 the header

    int colWidth(int c) const { return colWidths.value(c, defaultColWidth); }
    QString cell(int row, int col) const;
};

// width/height: the grid's size in pixels (it spans the window's client width).
SeisekiGrid OwnRecordView(int player, int width, int height);
SeisekiGrid AllPlayersView(int width);
SeisekiGrid GameRankingView(int game, int width);

// Progress within the level in percent, its fraction dropped.
int ProgressPercent(int progress, int creditsPerLevel);
