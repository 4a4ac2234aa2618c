// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/guess/GuessBoard.h"

#include "games/guess/PictureGameRules.h"
#include "platform/Random.h"

#include <algorithm>
#include <cmath>

double GuessBoard::BombProbability(int n)
{
    switch (n) {
    case 3:
        return 0.12;
    case 4:
        return 0.11;  // between its neighbours 3 and 5
    case 5:
        return 0.10;
    case 6:
        return 0.09;
    case 8:
        return 0.08;
    case 9:
        return 0.07;
    case 10:
        return 0.06;
    case 12:
        return 0.05;
    default:
        return 0.04;
    }
}

void GuessBoard::setup(int n)
{
    n_ = std::clamp(n, 1, MaxN);
    Open_Count = 0;
    Bang_Count = 0;
    Opened = {};
    Bomb = {};
    const double p = BombProbability(n_);
    for (int i = 1; i <= n_; ++i)
        for (int j = 1; j <= n_; ++j) {
            if (RandomReal() < p) {
                Bomb[i][j] = true;
                ++Bang_Count;
            }
        }
    if (Bang_Count == 0) {
        Bomb[n_][n_] = true;
        Bang_Count = 1;
    }
}

QPoint GuessBoard::cellAt(int x, int y) const
{
    const double c = static_cast<double>(Side) / n_;
    auto index = [&](int v) {
        const int k = static_cast<int>(std::trunc((v - 1) / c)) + 1;
        return std::clamp(k, 1, n_);
    };
    return {index(x), index(y)};
}

bool GuessBoard::bombNear(int i, int j) const
{
    for (int di = -1; di <= 1; ++di)
        for (int dj = -1; dj <= 1; ++dj) {
            if (di == 0 && dj == 0)
                continue;
            const int a = i + di, b = j + dj;
            if (a >= 1 && a <= n_ && b >= 1 && b <= n_ && Bomb[a][b])
                return true;
        }
    return false;
}

GuessBoard::Click GuessBoard::click(int i, int j, int attemptsLeft)
{
    if (i < 1 || i > n_ || j < 1 || j > n_)
        return Click::Nothing;
    if (Bomb[i][j] && attemptsLeft >= 2)
        return Click::Bomb;
    if (Opened[i][j])
        return Click::Nothing;
    Opened[i][j] = true;
    ++Open_Count;
    return Click::Opened;
}

void GuessBoard::setBomb(int i, int j, bool on)
{
    if (Bomb[i][j] != on)
        Bang_Count += on ? 1 : -1;
    Bomb[i][j] = on;
}

int GuessScore(int n, int openCount, int attemptsLeft, int level)
{
    return LevelScore(n * n - openCount + attemptsLeft, level);
}
