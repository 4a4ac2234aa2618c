// SPDX-License-Identifier: GPL-3.0-or-later
// A child's practice at a glance, for the child and a parent: the days practised this month and
// the last, and the figures (kanji met, written from memory, due today, minutes of the last two
// weeks). Opened modally from the kanji notebook.
// Control and handler names follow the program's naming convention (Btn_*, Lbl_*, *Click); keep
// them.
#pragma once

#include "data/PracticeFigures.h"

#include <QDialog>

class PracticeCalendar;
class QLabel;
class QPushButton;

class TF_Renshuu_Kiroku : public QDialog {
    Q_OBJECT
  public:
    explicit TF_Renshuu_Kiroku(int player, QWidget* parent = nullptr);

    const ParentFigures& figures() const { return figures_; }

    QLabel* Lbl_Title = nullptr;
    PracticeCalendar* Cal_Sengetsu = nullptr; // last month
    PracticeCalendar* Cal_Kongetsu = nullptr; // this month
    QLabel* Lbl_Midashi = nullptr;
    QLabel* Lbl_Deatta = nullptr;
    QLabel* Lbl_Kaketa = nullptr;
    QLabel* Lbl_Fukushuu = nullptr;
    QLabel* Lbl_Jikan = nullptr;
    QPushButton* Btn_Modoru = nullptr;

  private:
    ParentFigures figures_;
};
