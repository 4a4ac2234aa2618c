// SPDX-License-Identifier: GPL-3.0-or-later
// The writing practice as the main menu opens it: the child's school year level by level, each
// kanji marked once written from memory; a kanji clicked, or "つぎのじ" (the next not yet
// written), opens the practice, which goes on through the year in level order.
// Control and handler names follow the program's naming convention (Btn_*, Lbl_*, *Click); keep
// them.
#pragma once

#include <QSet>
#include <QWidget>

class QLabel;
class QPushButton;
class QGridLayout;

class TF_Kaki_Sel : public QWidget {
    Q_OBJECT
  public:
    explicit TF_Kaki_Sel(int player, QWidget* parent = nullptr);

    void Btn_LevelClick(int level);
    void Btn_KanjiClick(int kanji);
    void Btn_TsugiClick();
    void Btn_EndClick();

    int level() const { return level_; }
    bool isWritten(int kanji) const { return written_.contains(kanji); }
    QPushButton* kanjiButton(int kanji) const;

    QLabel* Lbl_Title = nullptr;
    QList<QPushButton*> Btn_Level;
    QList<QPushButton*> Btn_Kanji;
    QPushButton* Btn_Tsugi = nullptr;
    QPushButton* Btn_End = nullptr;
    QLabel* Lbl_Setsumei = nullptr;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void refresh();
    void practise(int index);

    const int player_;
    QList<QList<int>> levels_;
    QList<int> all_;
    QSet<int> written_;
    int level_ = 1;
    bool menuShown_ = false;
};
