// SPDX-License-Identifier: GPL-3.0-or-later
// The answer candidate picker: every kanji of the player's school year in a grid; the chosen one
// is copied into the answer box of the game that opened it.
// Control and handler names follow the program's naming convention (Btn_*, Lbl_*, *Click); keep them.
#pragma once

#include <QPointer>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class SoundEffect;
class StrokeOrderView;

class TF_Kanji_Sel : public QWidget {
    Q_OBJECT
public:
    // answerBox: the game's Edt_Kotae.
    explicit TF_Kanji_Sel(QLineEdit* answerBox, QWidget* parent = nullptr);

    void Grd_KanjiSelectCell(int col, int row);
    void Btn_EndClick();
    void Btn_KaiteClick(); // writing practice of the chosen kanji

    QLabel* Lbl_Title;
    QLabel* lbl_Kotae;
    QTableWidget* Grd_Kanji;
    QPushButton* Btn_End;
    SoundEffect* MP_Select;
    // The chosen kanji with its stroke order, over the grid on the side away from the choice;
    // a click on it puts it away.
    StrokeOrderView* Img_Kakijun;
    QPushButton* Btn_Kaite; // under the stroke order, while it shows

signals:
    // Around the writing practice: the game behind holds still while the child writes.
    void practiceOpened();
    void practiceClosed();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QLineEdit> answerBox_;
    int chosen_ = 0; // the chosen kanji's number
};
