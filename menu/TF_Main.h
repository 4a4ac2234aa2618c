// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu: the start-up sequence, the seven games, the players and their registration, the
// grades and help buttons, the menu music and the end button.
// Control and handler names follow the program's naming convention (Btn_*, Lbl_*, *Click); keep
// them.
#pragma once

#include "platform/DisplayModes.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <memory>

class AnimateControl;
class CaptionLabel;
class HandwritingPad;
class KanaSwitch;
class KanaTable;
class MediaPlayer;
class MenuMusic;
class PracticeEntry;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;
class TrackingPanel;
class UpDown;

class TF_Main : public QWidget {
    Q_OBJECT
  public:
    // source: the display the program runs on; empty for the real screen.
    explicit TF_Main(std::unique_ptr<DisplayModeSource> source = nullptr,
                     QWidget* parent = nullptr);
    ~TF_Main() override;

    // False when start-up failed (its message was shown and the program is ending).
    bool created() const { return created_; }
    // At the program's start: the next show starts the music once the menu is on the screen.
    void musicAfterFirstFrame() { musicAfterFirstFrame_ = true; }

    // Start-up and the menu's events.
    void FormCreate();
    void FormShow();
    void FormHide();
    void FormActivate();
    void FormClose();
    void FormDestroy();

    void Spdbtn_GameClick();
    void Spdbtn_KirokuClick();
    void CaptionMouseMove(int game);
    void Pnl_GameMouseMove();
    void CaptionClick(int game);
    void Btn_GameClick(int game);
    void Btn_KakuClick(); // writing practice for the chosen child
    void Btn_KyouClick(); // today's practice for the chosen child
    void Btn_GameseisekiClick(int game);
    void Btn_SeisekiClick();
    void Btn_HelpClick();
    void Btn_EndClick();
    void MP_1Notify();

    // Registration and choice of the player.
    void Btn_TourokuClick();
    void Btn_N_TourokuClick();
    void Lst_PlayerClick();
    void Btn_KanahyouClick(); // opens or closes the hiragana table under the name field
    void Btn_TegakiClick();   // the writing pad for the name field

    bool isRecordMode() const;
    CaptionLabel* caption(int game) const { return captions_[static_cast<size_t>(game)]; }
    AnimateControl* animation(int game) const { return animations_[static_cast<size_t>(game)]; }
    MenuMusic* music() const { return music_; }
    TChangeDisplay& changeDisplay() { return ChangeDisplay; }

    // The controls, by their names.
    QWidget* Client = nullptr; // the 634 x 450 layout, centred in the maximised window
    QLabel* Lbl_Title = nullptr;
    QLabel* Lbl_Version = nullptr;
    QGroupBox* Grp_Player = nullptr;
    QListWidget* Lst_Player = nullptr;
    QLabel* Lbl_Player_Nen = nullptr;
    QPushButton* Btn_Seiseki = nullptr;
    QPushButton* Btn_Touroku = nullptr;
    QPushButton* Btn_End = nullptr;
    QPushButton* Btn_Help = nullptr;
    TrackingPanel* Pnl_Game = nullptr;
    PracticeEntry* Pnl_Kaku = nullptr; // beside the game panel, shown with it
    PracticeEntry* Pnl_Kyou = nullptr; // today's practice, right of the title
    QToolButton* Spdbtn_Game = nullptr;
    QToolButton* Spdbtn_Kiroku = nullptr;
    QLabel* Lbl_Status = nullptr;
    QGroupBox* Grp_Touroku = nullptr;
    QLineEdit* Edt_Name = nullptr;
    QLineEdit* Edt_Gakunen = nullptr;
    UpDown* UD_Gakunen = nullptr;
    QPushButton* Btn_N_Touroku = nullptr;
    KanaSwitch* Kana_Switch = nullptr; // かな/ABC beside Edt_Name
    QToolButton* Spdbtn_Kana = nullptr;
    QToolButton* Spdbtn_Eiji = nullptr;
    QPushButton* Btn_Kanahyou = nullptr;
    KanaTable* Kana_Table = nullptr;
    QPushButton* Btn_Tegaki = nullptr;
    QPointer<HandwritingPad> Pad_Tegaki;  // while open: it deletes itself on closing
    MediaPlayer* MP_1 = nullptr;
    MediaPlayer* MP_2 = nullptr;
    MediaPlayer* MP_3 = nullptr;
    MediaPlayer* MP_4 = nullptr;

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    bool prepareDisplay();
    void buildControls();
    bool buildMenuEntries(QString* failedFile);
    bool loadData(QString* failedFile);
    void failStartup(const QString& message);
    void showPreparing(int game);
    void openGrades(int game);
    int S(int v) const; // a layout length in the current display mode

    std::unique_ptr<DisplayModeSource> source_;
    TChangeDisplay ChangeDisplay;
    MenuMusic* music_ = nullptr;
    bool musicAfterFirstFrame_ = false;
    QButtonGroup* modeGroup_ = nullptr;
    std::array<AnimateControl*, 8> animations_{};
    std::array<CaptionLabel*, 8> captions_{};
    bool created_ = false;
    // The game or grades window opened from the menu, while it is open: one click opens one.
    QPointer<QWidget> opened_;
};

extern TF_Main* F_Main;
