// SPDX-License-Identifier: GPL-3.0-or-later
// Game 4's pieces: the tray of shuffled pieces, the board they are assembled on, taking, dropping,
// going back, starting over and judging. Pieces are named by their home cell (column, row).
#pragma once

#include <QImage>
#include <functional>
#include <QPoint>
#include <QStringList>
#include <array>

// Division counts a practice jigsaw offers at stored level L in the normal (288) layout.
QStringList JigsawDivisionItems(int level);
// N of a challenge jigsaw at stored level L.
int JigsawChallengeCount(int level);

struct JigsawScore {
    int limitSec = 0;  // 30 N²
    int score = 0;     // Trunc(30 N² (1 + 0.2 L) + 10)
    int step = 0;      // points lost per second
};
JigsawScore JigsawStartScore(int n, int level);

class JigsawBoard {
public:
    static constexpr int MaxN = 15;

    void setup(int n, int side);
    int n() const { return n_; }
    int side() const { return side_; }
    int pieceSize() const { return n_ > 0 ? side_ / n_ : 0; }
    QRect cellRect(int i, int j) const;
    // The cell under a point of either picture, each index held within 1..N.
    QPoint cellAt(double x, double y) const;

    // Fills the tray with a uniform random arrangement of all pieces.
    void Shuffle_Pieces();
    // "やり直し": every piece back to the tray, in a new order.
    void restart();

    // Taking a piece starts a drag; false when the cell has none to give.
    bool takeFromTray(QPoint cell);
    bool takeFromBoard(QPoint cell);
    bool dragging() const { return dragging_; }

    enum class Drop { Placed, Back };
    // Drops the dragged piece on board cell `target`, or outside the board (null point).
    Drop drop(QPoint target);

    // Right when every cell holds its own piece or one whose picture equals the cell's own
    // piece inside a two-pixel margin.
    // `piece(home)` is the picture of the piece whose own cell is `home`.
    bool isRight(const std::function<const QImage&(QPoint home)>& piece) const;
    bool full() const { return Placed_Count == n_ * n_; }

    std::array<std::array<QPoint, MaxN + 1>, MaxN + 1> Tray_Piece{};
    std::array<std::array<bool, MaxN + 1>, MaxN + 1> Tray_Taken{};
    std::array<std::array<QPoint, MaxN + 1>, MaxN + 1> Board_Piece{};
    std::array<std::array<bool, MaxN + 1>, MaxN + 1> Board_Filled{};
    int Placed_Count = 0;
    bool Drag_From_Tray = false;
    QPoint Drag_Src;
    QPoint Drag_Piece;

private:
    QPoint pieceListAt(int k) const { return {(k - 1) / n_ + 1, (k - 1) % n_ + 1}; }
    int n_ = 0;
    int side_ = 288;
    bool dragging_ = false;
};

// Whether two piece pictures agree in every pixel inside a two-pixel margin.
bool SamePieceInside(const QImage& a, const QImage& b);
