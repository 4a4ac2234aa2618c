// The answers after the quiz, passed or failed: each sentence with the kanji's reading over it
// in red, the stroke count, and the kanji drawn large with its stroke order. "わかった" closes it.
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

    void Btn_WakattaClick();
    void Btn_KaiteClick(); // writing practice of the kanji

    QLabel* Lbl_Title;
    QList<TAnswerLine*> Lbl_Kotae;
    QLabel* Lbl_Kakijun;
    StrokeOrderView* Img_Kakijun;
    QLabel* Lbl_Kakusuu;
    QPushButton* Btn_Wakatta;
    QPushButton* Btn_Kaite;

  private:
    int kanji_;
};
