// SPDX-License-Identifier: GPL-3.0-or-later
// Game 3, kanji shuffle: the kanji picture cut into pieces that settle one by one while the
// loose ones are reshuffled every two seconds.
// Control and handler names follow the program's naming convention (Btn_*, Lbl_*, *Click); keep them.
#pragma once

#include "games/guess/PictureGameFrame.h"
#include "games/guess/ShuffleBoard.h"

#include <array>

class TF_Game3 : public TPictureGameFrame {
    Q_OBJECT
public:
    explicit TF_Game3(QWidget* parent = nullptr);

    void Timer1Timer() override;
    void ShufflePieces();
    void DrawPieces();

    QLabel* Img_Shinkou;
    ShuffleBoard Pieces;
    std::array<std::array<TwinPicture, ShuffleBoard::MaxN + 1>, ShuffleBoard::MaxN + 1> Cell_Bmp;

    QRect cellRect(int i, int j) const;

protected:
    void StartBoard() override;
    int MusicMeasure() const override;
    void AnswerBoxOpened() override;
    void WrongAnswerGoesOn() override;
    void AnswerDecided() override;
    bool SeikaiLoaded() const override { return true; }

private:
    void showScore();
    bool endingBegun_ = false;
};

extern TF_Game3* F_Game3;
