// SPDX-License-Identifier: GPL-3.0-or-later
// The notebook's print choice: which kanji (a level of the child's school year, the weak list,
// or kanji picked in the notebook) and which sheet (practice, or a writing test of 10 or 20).
// Control and handler names follow the program's naming convention (Btn_*, Rad_*, *Click); keep
// them.
#pragma once

#include "aftergame/sheets/KanjiSheets.h"

#include <QDialog>
#include <QList>

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

class TF_Print_Sel : public QDialog {
    Q_OBJECT
  public:
    // The result when the child goes to pick kanji in the notebook.
    static constexpr int PickInNote = 2;

    TF_Print_Sel(int player, const QList<int>& weak, const QList<int>& picked,
                 QWidget* parent = nullptr);

    QList<int> chosenKanji() const;
    SheetKind kind() const;

    QLabel* Lbl_Title = nullptr;
    QRadioButton* Rad_Level = nullptr;
    QComboBox* Cmb_Level = nullptr;
    QRadioButton* Rad_Nigate = nullptr;
    QRadioButton* Rad_Erabu = nullptr;
    QPushButton* Btn_Erabu = nullptr; // back to the notebook to pick kanji
    QRadioButton* Rad_Renshuu = nullptr;
    QRadioButton* Rad_Test10 = nullptr;
    QRadioButton* Rad_Test20 = nullptr;
    QPushButton* Btn_Tsukuru = nullptr;
    QPushButton* Btn_Yameru = nullptr;

    void Btn_ErabuClick();
    void Btn_TsukuruClick();

  private:
    const int year_;
    QList<QList<int>> levels_;
    QList<int> weak_;
    QList<int> picked_;
};
