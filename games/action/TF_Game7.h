// Game 7, kanji catcher: catch the falling character that answers the question sentence.
#pragma once

#include "games/action/Catcher.h"
#include "games/action/CatcherPicture.h"
#include "games/action/QuestionLabels.h"

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
class TF_Game7 : public QWidget, private ActionEvents {
public:
    TF_Game7();
    ~TF_Game7() override;

    void Btn_StartClick();
    void Timer1Timer();
    void Btn_LeftMouseDown() { game_.held = CatcherControl::Left; }
    void Btn_RightMouseDown() { game_.held = CatcherControl::Right; }
    void Btn_RightMouseUp() { game_.held = CatcherControl::None; }
    bool ChildKey(int key);
    void Cancel();

    bool setUpFailed() const { return setUpFailed_; }
    bool running() const { return running_; }
    Catcher& game() { return game_; }
    const CatcherPicture& picture() const { return picture_; }

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
    QPushButton* Btn_Left = nullptr;
    QPushButton* Btn_Right = nullptr;
    QPushButton* Btn_Start = nullptr;
    QTimer* Timer1 = nullptr;
    WindowMusic* MP_MO_1 = nullptr;
    SoundEffect* MP_Atari = nullptr;
    SoundEffect* MP_Hazure = nullptr;
    SoundEffect* MP_Mondai = nullptr;
    std::unique_ptr<QuestionLabels> questions;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    void FormCreate();
    void openSounds();
    void StopAllSounds();
    void releaseSounds();
    void timeOut();

    void playSound(ActionSound sound) override;
    bool showQuestion(int sprite) override;
    void showStatus(qint64 remainingMs, int score) override;
    void extended(int extensions) override;
    void drawFrame() override;
    void drawTick() override;

    Catcher game_;
    CatcherPicture picture_;
    int level_ = 1;
    int spriteBase_ = 0;
    bool running_ = false;
    bool cancelled_ = false;
    bool fatal_ = false;
    bool setUpFailed_ = false;
    qint64 shownSeconds_ = -1;
    int shownScore_ = -1;
};
