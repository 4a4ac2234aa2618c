// SPDX-License-Identifier: GPL-3.0-or-later
// Game 7, kanji catcher: catch the falling character that answers the question sentence.
#pragma once

#include "games/action/Catcher.h"
#include "games/action/CatcherPicture.h"
#include "games/action/PaddleGameWindow.h"

// Control and handler names follow the program's naming convention (Btn_*, Lbl_*, *Click); keep them.
class TF_Game7 : public PaddleGameWindow {
public:
    TF_Game7();
    ~TF_Game7() override;

    void Btn_StartClick() override;
    void Timer1Timer();
    void Btn_LeftMouseDown() { game_.held = CatcherControl::Left; }
    void Btn_RightMouseDown() { game_.held = CatcherControl::Right; }
    void Btn_RightMouseUp() { game_.held = CatcherControl::None; }
    bool ChildKey(int key) override;

    Catcher& game() { return game_; }
    const CatcherPicture& picture() const { return picture_; }

private:
    void buildControls();
    void FormCreate();
    void openSounds();
    void StopAllSounds();
    void releaseSounds() override;
    void timeOut();

    // ActionEvents
    void playSound(ActionSound sound) override;
    void drawFrame() override;
    void drawTick() override;

    Catcher game_;
    CatcherPicture picture_;
};
