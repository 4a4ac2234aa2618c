// SPDX-License-Identifier: GPL-3.0-or-later
// Today's practice of one child: at most eight kanji, the ones due for review first, then new
// ones. Each kanji is read once in one of its sentences (typed, written on the pad or chosen from
// the kana table) and written once from memory in the writing practice window. The child may
// stop at any time; what was done counts. A short summary ends it, never a score or a timer.
// Control and handler names follow the program's naming convention (Btn_*, Lbl_*, *Click); keep
// them.
#pragma once

#include "aftergame/NoteDetail.h"

#include <QPointer>
#include <QWidget>

class HandwritingPad;
class KanaTable;
class QLabel;
class QLineEdit;
class QPushButton;
class SoundEffect;

class TF_Kyou_Renshuu : public QWidget {
    Q_OBJECT
  public:
    explicit TF_Kyou_Renshuu(int player, QWidget* parent = nullptr);

    void Btn_KotaeClick();  // the reading answered
    void Btn_TegakiClick(); // the writing pad for the reading
    void Btn_KakuClick();   // on to writing the kanji from memory, then the next kanji
    void Btn_OwaruClick();  // stop here: the summary of what was done
    void Btn_PrintClick();  // today's kanji as a practice sheet
    void Btn_ModoruClick(); // from the summary back to the menu

    const QList<int>& plan() const { return plan_; }
    int index() const { return index_; }
    const NoteSentence& sentence() const { return sentence_; } // the one asked now
    bool summaryShown() const { return summary_; }
    int readRight() const { return readRight_; }
    int written() const { return written_; }

    QLabel* Lbl_Title = nullptr;
    QLabel* Lbl_Kazu = nullptr;
    QPushButton* Btn_Owaru = nullptr;
    QLabel* Lbl_Setsumei = nullptr;
    QLabel* Lbl_Bun = nullptr;
    QLineEdit* Edt_Yomi = nullptr;
    QPushButton* Btn_Kotae = nullptr;
    QPushButton* Btn_Tegaki = nullptr;
    KanaTable* Kana_Table = nullptr;
    QLabel* Lbl_Message = nullptr;
    QPushButton* Btn_Kaku = nullptr;
    QLabel* Lbl_Matome = nullptr;
    QLabel* Lbl_Yonda = nullptr; // how many read
    QLabel* Lbl_Kaita = nullptr; // how many written from memory
    QLabel* Lbl_Kanji = nullptr;
    QPushButton* Btn_Print = nullptr;
    QPushButton* Btn_Modoru = nullptr;
    QPointer<HandwritingPad> Pad_Tegaki;
    SoundEffect* MP_Yokudekita = nullptr;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void showKanji(int index);
    void showSummary();
    bool wroteFromMemory(int kanji, qint64 after) const;

    const int player_;
    QList<int> plan_;
    int index_ = 0;
    NoteSentence sentence_;
    bool answered_ = false;
    bool summary_ = false;
    bool menuShown_ = false;
    int readRight_ = 0;
    int read_ = 0;
    int written_ = 0;
    QList<int> done_; // kanji read or written today
};
