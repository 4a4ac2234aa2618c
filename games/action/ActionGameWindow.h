// SPDX-License-Identifier: GPL-3.0-or-later
// What the three action game windows have in common: the frameless navy window, the controls every
// one of them has, the start button that also ends a game, the closing that shuts the sounds and
// goes back to the menu, and the ways a game ends (a verdict, a missing picture, an unreadable
// sentence file).
#pragma once

#include "games/action/QuestionLabels.h"

#include <QWidget>
#include <memory>

class ImageView;
class QPainter;
class QGroupBox;
class QLabel;
class QPushButton;
class QSlider;
class QTimer;
class SoundEffect;
class WindowMusic;

// Control and handler names follow the program's naming convention (Btn_*, Lbl_*, *Click); keep them.
class ActionGameWindow : public QWidget {
public:
    ~ActionGameWindow() override;

    virtual void Btn_StartClick() = 0;
    // The display timer's tick: the playfield as it stands now.
    void displayTimerTimer();
    void Cancel();

    bool setUpFailed() const { return setUpFailed_; }
    bool running() const { return running_; }

    QLabel* Lbl_Title = nullptr;
    QLabel* Label2 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QSlider* TBar_Speed = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QLabel* Lbl_Seikai = nullptr;
    ImageView* Img1 = nullptr;
    QPushButton* Btn_Start = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* displayTimer = nullptr;  // redraws the playfield at the screen's refresh rate
    WindowMusic* MP_MO_1 = nullptr;
    SoundEffect* MP_Atari = nullptr;
    SoundEffect* MP_Hazure = nullptr;
    SoundEffect* MP_Mondai = nullptr;
    std::unique_ptr<QuestionLabels> questions;

protected:
    // `title` is also Lbl_Title, the window's first control.
    explicit ActionGameWindow(const QString& title);

    void closeEvent(QCloseEvent* event) override;
    // Closes the window's open sound effects (each window has its own set).
    virtual void releaseSounds() = 0;

    // Btn_Start: starts a game, and ends it while one runs.
    void makeStartButton(const QString& text, const QRect& r, const QString& hint);
    // A picture the game cannot do without is missing: say which one and go back to the menu.
    void failSetUp(const QString& file);
    // What every start shares: the tick timer at `intervalMs`, the speed fixed, the music and the
    // first question. False when the sentence file cannot be read; the window is then closing.
    bool beginPlay(int intervalMs, const QString& music, int firstQuestion);
    // The sentence file cannot be read: the window closes without the menu and the program ends.
    void questionFileFailed();
    // A game played to its end: the verdict, the level credit for game `game`, the ranking.
    void announceResult(const QString& verdict, bool credit, int game, int score);

    // Device pixels per logical pixel of the screen `w` shows on.
    static qreal DisplayScale(const QWidget* w);

    int level_ = 1;
    bool running_ = false;
    bool cancelled_ = false;
    bool fatal_ = false;
    bool setUpFailed_ = false;
};
