// SPDX-License-Identifier: GPL-3.0-or-later
// Game 5, kanji shoot-down: shoot the character that answers the question sentence.
#pragma once

#include "games/action/PaddleGameWindow.h"
#include "games/action/ShootDown.h"
#include "games/action/ShootDownPicture.h"

// Control and handler names follow the program's naming convention (Btn_*, Lbl_*, *Click); keep them.
class TF_Game5 : public PaddleGameWindow {
public:
    TF_Game5();
    ~TF_Game5() override;

    void Btn_StartClick() override;
    void Timer1Timer();
    void Btn_LeftMouseDown() { game_.setHeld(HeldControl::Left); }
    void Btn_RightMouseDown() { game_.setHeld(HeldControl::Right); }
    void Btn_utsuMouseDown() { game_.setHeld(HeldControl::Fire); }
    void Btn_RightMouseUp() { game_.setHeld(HeldControl::None); }
    bool ChildKey(int key) override;
    void Game_Over();

    const ShootDown& game() const { return game_; }
    ShootDown& game() { return game_; }
    const ShootDownPicture& picture() const { return picture_; }

    ImageView* Img_Kakunouko = nullptr;
    QPushButton* Btn_utsu = nullptr;
    SoundEffect* MP_Bang = nullptr;
    SoundEffect* MP_Hassha = nullptr;

private:
    void FormCreate();
    void buildControls();
    void openSounds();
    void StopAllSounds();
    void playEffect(SoundEffect* effect);
    void releaseSounds() override;

    // ActionEvents
    void playSound(ActionSound sound) override;
    void extended(int extensions) override;
    void drawFrame() override;
    void drawTick() override;

    ShootDown game_;
    ShootDownPicture picture_;
    int storeShown_ = -1;  // bullets the store showed at its last redraw
};
