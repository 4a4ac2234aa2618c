// SPDX-License-Identifier: GPL-3.0-or-later
// The grades window: the chosen player's own record, all players' levels, or one game's top ten,
// in one grid. Opened by the main menu (Cur_Game 0 from "記録", or the game in record mode); it
// only reads the shared tables.
#pragma once

#include "aftergame/SeisekiViews.h"
#include "data/FuriganaReader.h"

#include <QWidget>

#include <optional>

class QLabel;
class QPushButton;
class QTableWidget;

// Control and handler names follow the program's naming convention (Btn_*, Lbl_*, *Click); keep them.
class TF_Game_Seiseki : public QWidget {
    Q_OBJECT
public:
    explicit TF_Game_Seiseki(QWidget* parent = nullptr);

    QLabel* Lbl_Title = nullptr;
    QPushButton* Btn_End = nullptr;
    QPushButton* Btn_Hyouji = nullptr;
    QPushButton* Btn_Note = nullptr;  // the chosen player's kanji notebook
    QTableWidget* GRD_SEISEKI = nullptr;

    enum class View { None, OwnRecord, AllPlayers, GameRanking };
    View view() const { return view_; }
    bool allPlayersShown() const { return allPlayers_; }

    static constexpr int HelpTopic = 33;

public slots:
    void FormShow();
    void Btn_HyoujiClick();
    void Btn_EndClick();
    void Btn_NoteClick();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void layoutControls();
    void showView(View v);
    void fillGrid(const SeisekiGrid& g);

    View view_ = View::None;
    bool allPlayers_ = false;  // the view flag: all players' levels shown
    std::optional<EveryPlayerReading> everyPlayer_;
    bool shown_ = false;
    bool menuShown_ = false;
};
