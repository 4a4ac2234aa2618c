// Game 6, kanji whack-a-mole: hit the characters that answer the question sentence.
#pragma once

#include "games/action/MoleBoard.h"
#include "games/action/MolePicture.h"
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
class TF_Game6 : public QWidget, private ActionEvents {
public:
    TF_Game6();
    ~TF_Game6() override;

    void Btn_StartClick();
    void Timer1Timer();
    void Img1MouseDown(int x, int y);
    void Cancel();

    bool setUpFailed() const { return setUpFailed_; }
    bool running() const { return running_; }
    MoleBoard& board() { return board_; }
    const MolePicture& picture() const { return picture_; }

    QLabel* Lbl_Title = nullptr;
    QLabel* Label2 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QSlider* TBar_Speed = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QWidget* Shp_Shinkou1 = nullptr;
    QWidget* Shp_Shinkou2 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QLabel* Lbl_Seikai = nullptr;
    ImageView* Img1 = nullptr;
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

private:
    void buildControls();
    void FormCreate();
    void openSounds();
    void StopAllSounds();
    void releaseSounds();
    void endOfGame();
    void showScore();

    void playSound(ActionSound sound) override;
    bool showQuestion(int kanji) override;
    void drawTick() override;

    MoleBoard board_;
    MolePicture picture_;
    int level_ = 1;
    bool running_ = false;
    bool cancelled_ = false;
    bool fatal_ = false;
    bool setUpFailed_ = false;
};
