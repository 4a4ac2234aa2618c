// SPDX-License-Identifier: GPL-3.0-or-later
// The kanji notebook of one player: every kanji of the child's school years in the colour of what
// the history says, the details of a clicked kanji, the list of the kanji missed most recently,
// and the notebook printed or written as a PDF. Opened modally from the grades window.
// Control and handler names follow the program's naming convention (Btn_*, Lbl_*, *Click); keep
// them.
#pragma once

#include "data/KanjiNoteRules.h"
#include "data/ReviewSchedule.h"

#include <QDialog>
#include <QList>
#include <memory>

class QLabel;
class QPushButton;
class QScrollArea;
class KanjiNoteGrid;

class TF_Kanji_Note : public QDialog {
    Q_OBJECT
  public:
    explicit TF_Kanji_Note(int player, QWidget* parent = nullptr);
    ~TF_Kanji_Note() override;

    QLabel* Lbl_Title = nullptr;
    QPushButton* Btn_Nigate = nullptr; // switches between the notebook and the weak list
    QPushButton* Btn_Insatsu = nullptr;
    QPushButton* Btn_Calendar = nullptr; // the days practised and the figures for a parent
    QPushButton* Btn_End = nullptr;
    QScrollArea* Scr_Note = nullptr;
    KanjiNoteGrid* Grd_Note = nullptr;
    QLabel* Lbl_Legend = nullptr;
    QLabel* Lbl_Kanji = nullptr;
    QLabel* Lbl_Kakusuu = nullptr;
    QLabel* Lbl_Tsugi = nullptr; // when the kanji comes back for review
    QLabel* Lbl_Bun = nullptr;
    QLabel* Lbl_Kotae_Midashi = nullptr; // "さいきんの答" over the answers
    QLabel* Lbl_Kotae = nullptr;          // "まだ答えていません。" before any answer
    QList<QLabel*> Lbl_KotaeGyou;          // one line a recent answer, newest first
    QLabel* Lbl_Empty = nullptr; // the weak list when nothing was missed yet
    QPushButton* Btn_Kaite = nullptr;       // writing practice of the chosen kanji
    QPushButton* Btn_NigateKaite = nullptr; // ... of the whole weak list, one after another
    QPushButton* Btn_Print = nullptr;       // practice sheets and writing tests

    bool weakShown() const { return weakShown_; }
    int chosenKanji() const { return chosen_; }
    const NoteSummary& summary() const { return *summary_; }
    QString lastPdf() const { return lastPdf_; }
    QString lastSheets() const { return lastSheets_; }
    bool picking() const { return picking_; }
    const QList<int>& picked() const { return picked_; }

    void Btn_NigateClick();
    void Btn_InsatsuClick();
    void Grd_NoteClick(int kanji);
    void Btn_KaiteClick();
    void Btn_CalendarClick();
    void Btn_NigateKaiteClick();
    void Btn_PrintClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void showNotebook();
    void showWeakList();
    void showDetail(int kanji);
    void scrollToOwnYear();
    void practise(const QList<int>& kanji);

    const int player_;
    std::unique_ptr<NoteSummary> summary_;
    KanjiSchedule schedule_;
    bool weakShown_ = false;
    int chosen_ = 0;
    QString lastPdf_;
    QString lastSheets_;
    // Kanji clicked for printing, in click order, while the notebook is picking them.
    bool picking_ = false;
    QList<int> picked_;
};
