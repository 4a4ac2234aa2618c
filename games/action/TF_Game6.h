// SPDX-License-Identifier: GPL-3.0-or-later
// Game 6, kanji whack-a-mole: hit the characters that answer the question sentence.
#pragma once

#include "games/action/ActionEvents.h"
#include "games/action/ActionGameWindow.h"
#include "games/action/MoleBoard.h"
#include "games/action/MolePicture.h"

// Control and handler names follow the program's naming convention (Btn_*, Lbl_*, *Click); keep them.
class TF_Game6 : public ActionGameWindow, private ActionEvents {
public:
    TF_Game6();
    ~TF_Game6() override;

    void Btn_StartClick() override;
    void Timer1Timer();
    void Img1MouseDown(int x, int y);

    MoleBoard& board() { return board_; }
    const MolePicture& picture() const { return picture_; }

    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QWidget* Shp_Shinkou1 = nullptr;
    QWidget* Shp_Shinkou2 = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void FormCreate();
    void openSounds();
    void StopAllSounds();
    void releaseSounds() override;
    void endOfGame();
    void showScore();

    // ActionEvents
    void playSound(ActionSound sound) override;
    bool showQuestion(int kanji) override;
    void characterHit(int kanji, bool right) override;
    void drawTick() override;

    MoleBoard board_;
    MolePicture picture_;
};
