// SPDX-License-Identifier: GPL-3.0-or-later
// Game 1, kanji matching against the computer: 36 cards, nine kanji on four cards each; the child
// and the computer take turns turning two cards, a pair scores and plays again.
#pragma once

#include "games/puzzle/MatchingBoard.h"

#include <QWidget>
#include <array>

class CardPicture;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;
class SoundEffect;
class WindowMusic;

// Control and handler names follow the program's naming convention (Btn_*, Lbl_*, *Click); keep them.
class TF_Game1 : public QWidget {
    Q_OBJECT
public:
    explicit TF_Game1(QWidget* parent = nullptr);
    ~TF_Game1() override;

    QLabel* Label_Title = nullptr;
    QGroupBox* Grp_Tsuyosa = nullptr;
    std::array<QRadioButton*, 3> Grp_TsuyosaItems{};  // つよい, ふつう, よわい
    QLabel* Lbl_Tsuyosa = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Lbl_Man_ten = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Lbl_Com_ten = nullptr;
    QLabel* lbl_ten = nullptr;
    QGroupBox* Grp_E = nullptr;
    QLabel* Lbl_Junban = nullptr;
    QPushButton* Btn_Start = nullptr;
    QPushButton* Btn_End = nullptr;
    WindowMusic* MP_Eawase = nullptr;
    SoundEffect* MP_Atari = nullptr;
    SoundEffect* MP_Select = nullptr;
    QTimer* Timer1 = nullptr;

    // Created when a game starts.
    std::array<CardPicture*, CardCount + 1> Cards{};  // [1..36]
    std::array<QLabel*, 4> WordLabels{};              // [1..3]
    std::array<QLabel*, 3> KanjiLabels{};             // [1..2]

    // Game state.
    MatchingBoard Board;
    int Man_Score = 0;
    int Com_Score = 0;
    int Tsuyosa = 2;  // 1 つよい, 2 ふつう, 3 よわい
    bool Man_Turn = false;
    int Flip_Count = 0;
    std::array<int, 3> Man_Pick{};  // [1..2]
    std::array<int, 3> Com_Pick{};  // [1..2]
    qint64 Turn_Start = 0;          // the program clock's milliseconds
    float Tsuyosa_Factor = 1.5f;
    float Time_Factor = 1.0f;
    float Memory_Factor = 1.0f;
    float Level_Factor = 1.2f;
    int Music_No = 1;
    int Level = 1;  // the child's level in this game when the game started
    bool Ended = false;

    int strengthIndex() const;
    int cardSide() const;
    bool boardHintOn() const;

public slots:
    void Btn_StartClick();
    void Btn_EClick(int card);
    void Timer1Timer();
    void Btn_CancelClick();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void createCards();
    bool Show_Rei(int kanji);
    void showCardKanji(int card, int label);
    void setBoardHint(bool on);
    int pairPoints(int a, int b, float timeFactor);
    void endOfGame(bool lastPairByComputer, int lastA, int lastB);
    void clearWordLabels();
    void hideKanjiLabels();
    QString playerName() const;
    bool leaving_ = false;
};
