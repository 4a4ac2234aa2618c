// SPDX-License-Identifier: GPL-3.0-or-later
// The windows of the two games played against the clock with a paddle, shoot-down (game 5) and
// catcher (game 7): the speed box and the time and score box on the right, the extension notice,
// the paddle buttons, the playfield that never grows beyond its design, and the game's keys taken
// from every control, so Space and the arrows never press a button or move the slider.
#pragma once

#include "games/action/ActionEvents.h"
#include "games/action/ActionGameWindow.h"

#include <QList>
#include <QSize>
#include <initializer_list>

// Control and handler names follow the program's naming convention (Btn_*, Lbl_*, *Click); keep them.
class PaddleGameWindow : public ActionGameWindow, protected ActionEvents {
public:
    // Keys from the window and its controls; true when the key was one of the game's.
    virtual bool ChildKey(int key) = 0;

    QLabel* Lbl_Enchou = nullptr;
    QLabel* Lbl_Nokori_Time = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Lbl_Tokuten = nullptr;
    QPushButton* Btn_Left = nullptr;
    QPushButton* Btn_Right = nullptr;

protected:
    // `gameKeys`: the keys ChildKey takes; their releases stop at the window too.
    PaddleGameWindow(const QString& title, std::initializer_list<int> gameKeys);

    // Lbl_Enchou, the speed box (positions 1 to 5) and the time and score box.
    void buildClockPanel();
    // Img1 at its designed size, smaller on a small screen; the size the game plays in.
    QSize fitPlayfield(int designW, int designH);
    // Call once every control exists.
    void takeKeysFromControls();
    // beginPlay at the 30 ms tick, with the first question's sprite; shows the paddle buttons.
    bool beginPaddlePlay(const QString& music, int firstSprite);
    // The clock ran out: the timer, the time label, the paddle buttons and the music stop.
    void stopAtTimeOut();

    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    // ActionEvents
    bool showQuestion(int sprite) override;
    void showStatus(qint64 remainingMs, int score) override;
    void extended(int extensions) override;
    void characterHit(int sprite, bool right) override;

    int spriteBase_ = 0;

private:
    QList<int> gameKeys_;
    qint64 shownSeconds_ = -1;
    int shownScore_ = -1;
};
