// SPDX-License-Identifier: GPL-3.0-or-later
// Game 2, kanji guessing: a kanji hidden under N by N cells, some of them bombs.
// Control and handler names follow the program's naming convention (Btn_*, Lbl_*, *Click); keep them.
#pragma once

#include "games/guess/GuessBoard.h"
#include "games/guess/PictureGameFrame.h"

#include <array>

class TF_Game2 : public TPictureGameFrame {
    Q_OBJECT
public:
    explicit TF_Game2(QWidget* parent = nullptr);

    void Image1MouseDown(Qt::MouseButton button, int x, int y);

    QLabel* Label4;
    QLabel* Lbl_Open;
    QLabel* Label7;
    QLabel* Lbl_Bang;
    QLabel* Lbl_Bang_Alarm;
    QLabel* Lbl_Msg1;

    GuessBoard Board;
    std::array<std::array<TwinPicture, GuessBoard::MaxN + 1>, GuessBoard::MaxN + 1> Cell_Bmp;

    // The cell's rectangle on the picture.
    QRect cellRect(int i, int j) const;

protected:
    void StartBoard() override;
    int MusicMeasure() const override;

private:
    void drawGrid();
};

extern TF_Game2* F_Game2;
