// SPDX-License-Identifier: GPL-3.0-or-later
// The window frame the picture games (kanji guessing, shuffle, jigsaw) share: layout, mode and
// level choice, division counts, question draw, answer entry with the candidate picker, the
// ending (message, flashes, growing reveal), quiz, level credit, ranking, music and leaving.
// Each game adds its own board and rules through the hooks below.
// Control and handler names follow the program's naming convention (Btn_*, Lbl_*, *Click); keep them.
#pragma once

#include "games/guess/EndingSequence.h"
#include "platform/TwinPicture.h"
#include "platform/WmfPicture.h"

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <initializer_list>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;
class BoardView;
class HandwritingPad;
class SoundEffect;
class TF_Kanji_Sel;
class TUpDown;
class WindowMusic;

class TPictureGameFrame : public QWidget {
    Q_OBJECT
public:
    // hitSound: the effect MP_Atari opens at creation ("Atari.wav"; game 3 has only "Seikai.wav").
    TPictureGameFrame(int game, const QString& title, bool withPicker,
                      const QString& hitSound = QStringLiteral("Atari.wav"),
                      QWidget* parent = nullptr);
    ~TPictureGameFrame() override;

    void Grp_shuruiClick(int item);
    void Btn_StartClick();
    void Btn_CancelClick();
    void Btn_kotaeClick();
    void Edt_KotaeChange();
    void Btn_kotae_KinyuClick();
    void Btn_KouhoClick();
    void Btn_TegakiClick();  // opens the writing pad for the answer box
    virtual void Timer1Timer();

    bool isChallenge() const;
    bool started() const { return started_; }
    int storedLevel() const;   // L: the player's stored level in this game
    int questionLevel() const; // the practice box in practice mode, L in challenge mode
    virtual int startDivisionCount() const;
    bool picturesLoaded() const { return picturesLoaded_; }

    // Controls.
    QLabel* Label1;
    BoardView* Image1;
    QGroupBox* Grp_shurui;
    QRadioButton* Rdo_Renshuu;
    QRadioButton* Rdo_Challenge;
    QGroupBox* Grp_Level;
    QLabel* Label5;
    QLineEdit* Edt_Kanji_Level;
    TUpDown* UD_Kanji_Levelown1;
    QLabel* Label2;
    QComboBox* Cmb_Bunkatsusu;
    QCheckBox* Chk_Nigate;  // practice: ask the kanji the child missed most recently
    QGroupBox* Grp_Tokuten;
    QLabel* Label3;
    QLabel* Lbl_Bunkatsu;
    QLabel* Lbl_Nokori;
    QLabel* Lbl_Tokuten;
    QLabel* Lbl_Mode;
    QLabel* Lbl_Kotae;
    QLineEdit* Edt_Kotae;
    QPushButton* Btn_kotae;
    QPushButton* Btn_kotae_Kinyu;
    QPushButton* Btn_Kouho;
    QPushButton* Btn_Tegaki;
    QPointer<HandwritingPad> Pad_Tegaki;  // while open: it deletes itself on closing
    QPushButton* Btn_Start;
    WindowMusic* MP_Ate;
    SoundEffect* MP_Atari;
    SoundEffect* MP_Hazure;
    SoundEffect* MP_Bang;
    QTimer* Timer1;
    QPointer<TF_Kanji_Sel> F_Kanji_Sel;
    // While the child practises writing from the picker: the game holds, and goes on after.
    void HoldForPractice();
    void GoOnAfterPractice();

    // Pictures.
    TwinPicture Board_Bmp;
    TwinPicture Kanji_Bmp;
    WmfPicture Img_Bang;
    WmfPicture Img_Bang1;
    WmfPicture Img_Bang2;

    // Play state.
    int Bunkatsusu = 0;
    int Nokori_Kaisuu = 0;
    int Game_Score = 0;
    int Mondai_Kanji = 0;
    int Kekka = 0;
    int Music_No = 1;
    EndingSequence Ending;

    static const QColor Navy;
    // The picture's side W: 360, or 288 for the jigsaw's normal layout.
    int Side = 360;

protected:
    // The game's own part of the start, after N, the question and Kanji_Bmp are set.
    virtual void StartBoard() = 0;
    // The percentage that picks the music variant at each end of a track.
    virtual int MusicMeasure() const = 0;
    // Answer entry hooks: the answer box opened; a wrong answer with attempts left; a decided
    // answer (Kekka 1 or 2) — by default the ending starts a second later.
    virtual void AnswerBoxOpened() {}
    virtual void WrongAnswerGoesOn() {}
    virtual void AnswerDecided();
    // Whether "Seikai.wav" is already in MP_Atari when the ending's message plays.
    virtual bool SeikaiLoaded() const { return false; }
    // Size in points of the question kanji on Kanji_Bmp.
    virtual int KanjiPoints() const;

    void closeEvent(QCloseEvent* event) override;

    // At the end of creation: the music ("game<N>1.mid") and then the effects, in this order.
    void OpenMedia(std::initializer_list<SoundEffect*> effects);
    void LoadSeikai();
    void StartEnding(int kekka);
    // One step of the ending; false once the game has been left.
    bool EndingTick();
    void FinishGame();
    void ShowMissedAnswer();  // after a lost game 2 or 3
    void ShowBoard();
    void StopEffects();
    void PlayEffect(SoundEffect* effect);
    void ShowNokori();
    void ShowTokuten();
    void HideAnswerEntry();
    void DrawMessage(const QString& text, const QColor& color);

    const int game_;
    bool stopsBang_ = false;  // StopEffects also stops MP_Bang
    SoundEffect* extraEffect_ = nullptr;  // one more effect StopEffects stops
    // The ending's message after a right answer, its size (0: by the display mode) and
    // whether it hides the end button.
    QString rightText_ = QStringLiteral("当たり！");
    int messagePoints_ = 0;
    bool hideStartOnRight_ = true;
    void DrawQuestionKanji();

private:
    void FormCreate(const QString& title, bool withPicker, const QString& hitSound);
    void leave(bool showMenu = true);
    bool started_ = false;
    bool leaving_ = false;
    bool heldTimer_ = false;  // what was going when the practice began
    QString heldMusic_;
    bool picturesLoaded_ = false;
};
