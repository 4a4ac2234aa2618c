// SPDX-License-Identifier: GPL-3.0-or-later
// The answers after the quiz, passed or failed: each sentence with the kanji's reading over it
// in red, every school reading of the kanji with the numbers of the sentences that ask it, the
// stroke count, and the kanji drawn large with its stroke order. "わかった" closes it.
// It only shows: whether the quiz was passed is decided before it opens.
// Control and handler names follow the program's naming convention; keep them.
#pragma once

#include "data/Tables.h"

#include <QDialog>
#include <QList>

class QLabel;
class QPushButton;
class StrokeOrderView;

// One sentence as the answers show it: its parts, the kanji in its place and the reading above.
class TAnswerLine : public QWidget {
  public:
    TAnswerLine(int number, const TMondaiRec& sentence, const QString& kanji, QWidget* parent);
    QString reading() const { return reading_; }
    QString text() const; // the sentence with the kanji in place
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QStringList parts_; // before the kanji (with the number), the kanji, after it
    QString reading_;
};

class TF_Game_Kotae : public QDialog {
    Q_OBJECT
  public:
    // The quiz kanji k and its sentences as the quiz asked them.
    TF_Game_Kotae(int k, const QList<TMondaiRec>& sentences, QWidget* parent = nullptr);
    // After a game lost without the answer: the kanji, one sentence and its reading large, under
    // a kind line naming the answer ("こたえは「山」だったよ").
    static TF_Game_Kotae* ForMissedAnswer(int k, const TMondaiRec& sentence,
                                          QWidget* parent = nullptr);

    void Btn_WakattaClick();
    void Btn_KaiteClick(); // writing practice of the kanji

    QLabel* Lbl_Title;
    QList<TAnswerLine*> Lbl_Kotae;
    QLabel* Lbl_Yomi;      // "よみかた"
    QLabel* Lbl_YomiList;  // the readings, each with its sentences' numbers
    QLabel* Lbl_Kakijun;
    StrokeOrderView* Img_Kakijun;
    QLabel* Lbl_Kakusuu;
    QLabel* Lbl_Yomu = nullptr; // the reading, large (after a lost game only)
    QPushButton* Btn_Wakatta;
    QPushButton* Btn_Kaite;

  private:
    int kanji_;
};

// The kind line after a lost game: the answer kanji named.
QString MissedAnswerLine(const QString& kanji);
