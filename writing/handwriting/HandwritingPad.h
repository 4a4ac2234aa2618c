// SPDX-License-Identifier: GPL-3.0-or-later
// The writing pad: the child writes one character, picks it among the best candidates, and the
// pad writes it into the field it serves. Opened by a "てがき" button beside or below what the
// child answers, which stays in sight; it is made at each opening and deleted when it closes,
// so a closed pad holds no window memory.
// Control names follow the program's naming convention (Btn_*, Lbl_*, Pnl_*); keep them.
#pragma once

#include <QLineEdit>
#include <QList>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include "writing/handwriting/PadPlace.h"

class HandwritingRecognizer;
class QLabel;
class QPushButton;
class WritingSurface;

class HandwritingPad : public QWidget {
    Q_OBJECT
  public:
    // Replace: the field holds one character, which the choice replaces; the pad then closes.
    // Append: the choice goes in at the field's cursor and the pad stays for the next one.
    enum class Writing { Append, Replace };
    enum class Kana { None, Hiragana, HiraganaKatakana };

    HandwritingPad(QWidget* host, const HandwritingRecognizer* recognizer,
                   const QStringList& candidates, Kana kana, Writing writing);

    // Shows the pad for this field; caption names the field above the ink ("名前", "答1.").
    // `answered` (in the host window's coordinates) is what the pad leaves uncovered: the board,
    // the sentence, the field.
    void open(QLineEdit* target, const QString& caption, const QRect& answered = {});
    PadShape shape() const { return shape_; }
    QLineEdit* target() const { return target_; }
    QStringList offered() const { return offered_; }
    void choose(int i); // the i-th candidate button (from 0)

    static constexpr int MaxOffered = 8;

    QLabel* Lbl_Title;
    QLabel* Lbl_Caption; // what the field is ("答", "名前"): one of our texts, with furigana
    QLabel* Lbl_Field;   // what the field holds now
    WritingSurface* Pnl_Kaku;
    QList<QPushButton*> Btn_Kouho;
    QPushButton* Btn_Kesu;
    QPushButton* Btn_Modosu;
    QPushButton* Btn_Moji_Kesu; // takes the last character back out of the field (Append only)
    QPushButton* Btn_Tojiru;

  signals:
    void written(QLineEdit* target, const QString& character);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void recognise();
    void showField();
    void closePad();
    void arrange(PadShape shape);
    QPointer<QWidget> host_;
    PadShape shape_ = PadShape::Wide;
    const HandwritingRecognizer* recognizer_;
    QStringList candidates_;
    Kana kana_;
    Writing writing_;
    QPointer<QLineEdit> target_;
    QString caption_;
    QStringList offered_;
};
