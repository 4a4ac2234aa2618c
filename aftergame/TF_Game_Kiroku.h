// SPDX-License-Identifier: GPL-3.0-or-later
// The ranking window: enters Last_Score of Cur_Player into the ranking of Cur_Game, shows the new
// top ten with the new entry marked, and raises the player's best score. Opened modally by the
// games after they have set Last_Score (see Ranking.h).
#pragma once

#include "data/Rules.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTreeWidget;

// Control and handler names follow the program's naming convention (Btn_*, Lbl_*, *Click); keep them.
class TF_Game_Kiroku : public QDialog {
    Q_OBJECT
public:
    explicit TF_Game_Kiroku(QWidget* parent = nullptr);

    QLabel* Lbl_Goukaku_Msg1 = nullptr;
    QTreeWidget* Lst_Kiroku = nullptr;
    QPushButton* BitBtn1 = nullptr;

    const RankingResult& ranking() const { return result_; }

public slots:
    void BitBtn1Click();

private:
    void FormCreate();
    RankingResult result_;
};
