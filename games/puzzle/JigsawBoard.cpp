// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/puzzle/JigsawBoard.h"

#include "platform/Random.h"

#include <QVector>
#include <algorithm>
#include <cmath>

QStringList JigsawDivisionItems(int level)
{
    if (level <= 2)
        return {"3", "4"};
    if (level == 3)
        return {"3", "4", "6"};
    if (level <= 5)
        return {"3", "4", "6", "8"};
    if (level <= 8)
        return {"3", "4", "6", "8", "9"};
    if (level == 9)
        return {"3", "4", "6", "8", "9", "12"};
    return {"3", "4", "6", "8", "9", "10", "12"};
}

int JigsawChallengeCount(int level)
{
    if (level <= 1)
        return 4;
    if (level == 2)
        return 6;
    if (level <= 4)
        return 8;
    if (level <= 6)
        return 9;
    return 12;
}

JigsawScore JigsawStartScore(int n, int level)
{
    JigsawScore s;
    s.limitSec = 30 * n * n;
    const long double factor = 1.0L + 0.2L * level;
    s.score = static_cast<int>(std::trunc(static_cast<long double>(s.limitSec) * factor + 10.0L));
    s.step = static_cast<int>(std::trunc(static_cast<long double>(s.score - 10) / s.limitSec));
    return s;
}

void JigsawBoard::setup(int n, int side)
{
    n_ = std::clamp(n, 1, MaxN);
    side_ = side;
    Tray_Piece = {};
    Tray_Taken = {};
    Board_Piece = {};
    Board_Filled = {};
    Placed_Count = 0;
    Drag_From_Tray = false;
    dragging_ = false;
}

QRect JigsawBoard::cellRect(int i, int j) const
{
    const int s = pieceSize();
    return {s * (i - 1), s * (j - 1), s, s};
}

QPoint JigsawBoard::cellAt(double x, double y) const
{
    const double w = static_cast<double>(side_) / n_;
    auto index = [&](double v) {
        return std::clamp(static_cast<int>(std::trunc(v / w)) + 1, 1, n_);
    };
    return {index(x), index(y)};
}

void JigsawBoard::Shuffle_Pieces()
{
    Tray_Piece = {};
    const int total = n_ * n_;
    QVector<int> list;
    for (int k = 1; k <= total; ++k)
        list.append(k);
    for (int k = 1; k <= total; ++k) {
        const int r = Random(static_cast<int>(list.size()));
        const QPoint cell = pieceListAt(k);
        Tray_Piece[cell.x()][cell.y()] = pieceListAt(list[r]);
        list.remove(r);
    }
}

void JigsawBoard::restart()
{
    Placed_Count = 0;
    Tray_Taken = {};
    Board_Filled = {};
    Tray_Piece = {};
    Board_Piece = {};
    dragging_ = false;
    Shuffle_Pieces();
}

bool JigsawBoard::takeFromTray(QPoint cell)
{
    if (dragging_ || Tray_Taken[cell.x()][cell.y()])
        return false;
    Drag_Src = cell;
    Tray_Taken[cell.x()][cell.y()] = true;
    Drag_From_Tray = true;
    dragging_ = true;
    return true;
}

bool JigsawBoard::takeFromBoard(QPoint cell)
{
    if (dragging_ || !Board_Filled[cell.x()][cell.y()])
        return false;
    Drag_Piece = Board_Piece[cell.x()][cell.y()];
    Drag_Src = cell;
    Board_Filled[cell.x()][cell.y()] = false;
    Board_Piece[cell.x()][cell.y()] = QPoint();
    Drag_From_Tray = false;
    dragging_ = true;
    return true;
}

JigsawBoard::Drop JigsawBoard::drop(QPoint target)
{
    Drop result = Drop::Back;
    if (!target.isNull() && !Board_Filled[target.x()][target.y()]) {
        Board_Filled[target.x()][target.y()] = true;
        if (Drag_From_Tray) {
            Board_Piece[target.x()][target.y()] = Tray_Piece[Drag_Src.x()][Drag_Src.y()];
            ++Placed_Count;
        } else {
            Board_Piece[target.x()][target.y()] = Drag_Piece;
        }
        result = Drop::Placed;
    } else if (Drag_From_Tray) {
        Tray_Taken[Drag_Src.x()][Drag_Src.y()] = false;
    } else {
        Board_Piece[Drag_Src.x()][Drag_Src.y()] = Drag_Piece;
        Board_Filled[Drag_Src.x()][Drag_Src.y()] = true;
    }
    Drag_From_Tray = false;
    dragging_ = false;
    return result;
}

bool SamePieceInside(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return false;
    const int s = a.width();
    for (int y = 2; y <= s - 3; ++y)
        for (int x = 2; x <= s - 3; ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return false;
    return true;
}

bool JigsawBoard::isRight(const std::function<const QImage&(QPoint home)>& piece) const
{
    for (int i = 1; i <= n_; ++i)
        for (int j = 1; j <= n_; ++j) {
            if (!Board_Filled[i][j])
                return false;
            const QPoint p = Board_Piece[i][j];
            if (p == QPoint(i, j))
                continue;
            if (!SamePieceInside(piece(p), piece(QPoint(i, j))))
                return false;
        }
    return true;
}
