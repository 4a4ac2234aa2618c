// SPDX-License-Identifier: GPL-3.0-or-later
// Game 2's board: N by N cells over the kanji picture, some hiding bombs.
#pragma once

#include <QPoint>
#include <array>

class GuessBoard {
public:
    static constexpr int Side = 360;
    static constexpr int MaxN = 15;

    // Chance of a bomb per cell for division count n.
    static double BombProbability(int n);

    // Covers every cell and draws the bombs, column by column, row by row; a board without any
    // gets one in the bottom-right cell.
    void setup(int n);

    int n() const { return n_; }
    int cellSize() const { return n_ > 0 ? Side / n_ : 0; }
    // The cell (column, row) under pixel (x, y) of the picture, both counted from 1.
    QPoint cellAt(int x, int y) const;

    bool opened(int i, int j) const { return Opened[i][j]; }
    bool bomb(int i, int j) const { return Bomb[i][j]; }
    bool bombNear(int i, int j) const;  // any of the up to eight neighbours inside the board

    enum class Click { Nothing, Opened, Bomb };
    // A bomb ends the game only while at least two attempts are left; otherwise it opens.
    Click click(int i, int j, int attemptsLeft);
    void setBomb(int i, int j, bool on);  // tests arrange boards

    int Open_Count = 0;
    int Bang_Count = 0;
    std::array<std::array<bool, MaxN + 1>, MaxN + 1> Opened{};
    std::array<std::array<bool, MaxN + 1>, MaxN + 1> Bomb{};

private:
    int n_ = 0;
};

// Game 2's score: Trunc((N x N - opened + attempts left) x (1 + 0.2 L)).
int GuessScore(int n, int openCount, int attemptsLeft, int level);
