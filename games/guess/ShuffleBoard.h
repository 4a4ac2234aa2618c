// SPDX-License-Identifier: GPL-3.0-or-later
// Game 3's pieces: which piece lies in which board cell. Settled pieces lie in their own places;
// every step settles one more and shuffles the loose ones into a uniform arrangement.
#pragma once

#include <QPoint>
#include <QVector>
#include <array>

class ShuffleBoard {
public:
    static constexpr int MaxN = 15;

    static int StartCount(int n);  // Trunc(N x N / 2)
    static int EndCount(int n);    // Trunc(N x N x 0.9)

    // All N x N pieces loose, in column order; nothing settled; c = 0.
    void setup(int n);
    // One shuffle step with the current c = Fixed_Count (c >= 1 settles one piece first).
    void ShufflePieces();

    int n() const { return n_; }
    int settledCount() const { return static_cast<int>(Fixed_List.size()); }
    // The home cell of the piece shown in board cell (x, y).
    QPoint pieceAt(int x, int y) const { return Piece_At[x][y]; }
    bool isSettled(QPoint home) const { return Fixed_List.contains(home); }

    QVector<QPoint> Home_List;   // home cells of the loose pieces
    QVector<QPoint> Fixed_List;  // home cells of the settled pieces, in settling order
    std::array<std::array<QPoint, MaxN + 1>, MaxN + 1> Piece_At{};
    int Fixed_Count = 0;
    int Start_Count = 0;
    int End_Count = 0;

private:
    int n_ = 0;
};

// Share of the shuffle done, in whole percent, for the music: Trunc((c - start) / (end - start) x 100).
int ShuffleProgress(int c, int start, int end);
