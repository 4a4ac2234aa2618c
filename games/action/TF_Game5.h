// Game 5, kanji shoot-down: shoot the character that answers the question sentence.
#pragma once

#include "games/action/QuestionLabels.h"
#include "games/action/ShootDown.h"
#include "games/action/ShootDownPicture.h"

#include <QWidget>
#include <memory>

class ImageView;
class QGroupBox;
class QLabel;
class QPushButton;
class QSlider;
class QTimer;
class SoundEffect;
class WindowMusic;

// Control and handler names follow the program's naming convention (Btn_*, Lbl_*, *Click); keep them.
class TF_Game5 : public QWidget, private ActionEvents {
public:
    TF_Game5();
    ~TF_Game5() override;

    void Btn_StartClick();
    void Timer1Timer();
    void Btn_LeftMouseDown() { game_.setHeld(HeldControl::Left); }
    void Btn_RightMouseDown() { game_.setHeld(HeldControl::Right); }
    void Btn_utsuMouseDown() { game_.setHeld(HeldControl::Fire); }
    void Btn_RightMouseUp() { game_.setHeld(HeldControl::None); }
    // Keys from the window and its controls; true when the key was one of the game's.
    bool ChildKey(int key);
    void Cancel();
    void Game_Over();

    bool setUpFailed() const { return setUpFailed_; }
    bool running() const { return running_; }
    const ShootDown& game() const { return game_; }
    ShootDown& game() { return game_; }
    const ShootDownPicture& picture() const { return picture_; }

    QLabel* Lbl_Title = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Lbl_Enchou = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QSlider* TBar_Speed = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QLabel* Lbl_Nokori_Time = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Lbl_Tokuten = nullptr;
    QLabel* Lbl_Seikai = nullptr;
    ImageView* Img1 = nullptr;
    ImageView* Img_Kakunouko = nullptr;
    QPushButton* Btn_Left = nullptr;
    QPushButton* Btn_Right = nullptr;
    QPushButton* Btn_utsu = nullptr;
    QPushButton* Btn_Start = nullptr;
    QTimer* Timer1 = nullptr;
    WindowMusic* MP_MO_1 = nullptr;
    SoundEffect* MP_Atari = nullptr;
    SoundEffect* MP_Hazure = nullptr;
    SoundEffect* MP_Bang = nullptr;
    SoundEffect* MP_Hassha = nullptr;
    SoundEffect* MP_Mondai = nullptr;
    std::unique_ptr<QuestionLabels> questions;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormCreate();
    void buildControls();
    void openSounds();
    void StopAllSounds();
    void playEffect(SoundEffect* effect);
    void releaseSounds();

    // ActionEvents
    void playSound(ActionSound sound) override;
    bool showQuestion(int sprite) override;
    void showStatus(qint64 remainingMs, int score) override;
    void extended(int extensions) override;
    void drawFrame() override;
    void drawTick() override;

    ShootDown game_;
    ShootDownPicture picture_;
    int level_ = 1;
    int spriteBase_ = 0;
    bool running_ = false;
    bool cancelled_ = false;
    bool fatal_ = false;
    bool setUpFailed_ = false;
    qint64 shownSeconds_ = -1;
    int shownScore_ = -1;
};
