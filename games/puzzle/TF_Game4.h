// SPDX-License-Identifier: GPL-3.0-or-later
// Game 4, kanji jigsaw puzzle: the kanji picture cut into pieces lying shuffled on a tray; the
// child drags them onto the board against a countdown.
// Control and handler names follow the program's naming convention (Btn_*, Lbl_*, *Click); keep them.
#pragma once

#include "games/guess/PictureGameFrame.h"
#include "games/puzzle/JigsawBoard.h"

#include <array>

class TF_Game4 : public TPictureGameFrame {
    Q_OBJECT
public:
    explicit TF_Game4(QWidget* parent = nullptr);

    void Timer1Timer() override;
    int startDivisionCount() const override;

    void Image1MouseDown(int x, int y);
    void Image2MouseDown(int x, int y);
    // The pointer over either picture while a piece is dragged, in window coordinates.
    void DragOver(QPoint layoutPos);
    void Img_DragEndDrag();
    void Btn_kotae_KinyuClick();  // "判定する"
    void Btn_BackClick();         // "やり直し"
    bool Seikai_Hantei();
    void Draw_Tray();
    void Draw_Board();

    // Pieces may be moved: playing, not yet judged right, time not up.
    bool acceptsMoves() const;

    BoardView* Image2;
    QLabel* Img_Drag;
    QLabel* lbl_Hint;
    QLabel* Img_Shinkou;
    QPushButton* Btn_Back;
    SoundEffect* MP_Gacha;

    JigsawBoard Board;
    std::array<std::array<TwinPicture, JigsawBoard::MaxN + 1>, JigsawBoard::MaxN + 1> Cell_Bmp;
    TwinPicture Board2_Bmp;  // what Image2 shows
    int Limit_Sec = 0;
    int Elapsed_Sec = 0;
    int Score_Step = 0;

protected:
    void StartBoard() override;
    int MusicMeasure() const override;
    bool SeikaiLoaded() const override { return true; }
    int KanjiPoints() const override { return 220; }

private:
    void drawGrid(TwinPicture& picture) const;
    void startDrag(BoardView* picture, QPoint cell, const TwinPicture& piece);
    bool endingBegun_ = false;
};

extern TF_Game4* F_Game4;
