// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/guess/ShuffleBoard.h"

#include "platform/Random.h"

#include <algorithm>
#include <cmath>

int ShuffleBoard::StartCount(int n) { return n * n / 2; }

int ShuffleBoard::EndCount(int n)
{
    return static_cast<int>(std::trunc(static_cast<long double>(n * n) * 0.9L));
}

void ShuffleBoard::setup(int n)
{
    n_ = std::clamp(n, 1, MaxN);
    Home_List.clear();
    Fixed_List.clear();
    Piece_At = {};
    for (int i = 1; i <= n_; ++i)
        for (int j = 1; j <= n_; ++j)
            Home_List.append(QPoint(i, j));
    Fixed_Count = 0;
    Start_Count = StartCount(n_);
    End_Count = EndCount(n_);
}

void ShuffleBoard::ShufflePieces()
{
    const int total = n_ * n_;
    const int c = Fixed_Count;
    if (c >= 1 && !Home_List.isEmpty()) {
        // One more piece settles; Home_List holds total + 1 - c entries here.
        const int r = Random(static_cast<int>(Home_List.size()));
        Fixed_List.append(Home_List[r]);
        Home_List.remove(r);
    }
    const int settled = static_cast<int>(Fixed_List.size());
    QVector<int> draws;
    for (int d = 1; d <= total - settled; ++d)
        draws.append(d);
    Piece_At = {};
    for (int k = 1; k <= total; ++k) {
        if (k <= settled) {
            const QPoint home = Fixed_List[k - 1];
            Piece_At[home.x()][home.y()] = home;
        } else {
            const QPoint cell = Home_List[k - settled - 1];
            const int l = Random(static_cast<int>(draws.size()));
            Piece_At[cell.x()][cell.y()] = Home_List[draws[l] - 1];
            draws.remove(l);
        }
    }
}

int ShuffleProgress(int c, int start, int end)
{
    if (end <= start)
        return 0;
    return static_cast<int>(static_cast<double>(c - start) / (end - start) * 100);
}
