// SPDX-License-Identifier: GPL-3.0-or-later
// The after-game quiz: the reading of the played kanji in each of its sentences, and its stroke
// count. Opened modally by a game after it sets Quiz_Kanji; reports Quiz_Passed.
// Control and handler names follow the program's naming convention (Btn_*, Lbl_*, *Click); keep them.
#pragma once

#include <QByteArray>
#include <QDialog>
#include <QList>
#include <QPointer>

#include "data/Tables.h"

class QLabel;
class QLineEdit;
class QPushButton;
class HandwritingPad;
class KanaTable;
class TUpDown;

class TF_Game_Shutsudai : public QDialog {
    Q_OBJECT
public:
    explicit TF_Game_Shutsudai(QWidget* parent = nullptr);
    ~TF_Game_Shutsudai() override;

    // False when "Mondai1.dat" could not be read: the error was reported and the program is
    // ending, so the caller must not show the window.
    bool loaded() const { return loaded_; }
    int tries() const { return tries_; }

    void Btn_kotae_KinyuClick();
    void Btn_CloseClick();
    void reject() override;  // every way out but an answer asks as "もどる" does
    void Btn_TegakiClick();  // the writing pad for the answer field last in focus

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* lbl_Kanji;
    QLabel* Lbl_Mondai1;
    QLabel* Lbl_Mondai2;
    QLabel* Lbl_Kakusuu;
    QLineEdit* Edt_Kakusuu;
    TUpDown* UD_Kakusuu;
    QLabel* Lbl_err_Msg;
    QPushButton* Btn_kotae_Kinyu;
    QPushButton* Btn_Close;
    KanaTable* Kana_Table;
    QPushButton* Btn_Tegaki;
    QPointer<HandwritingPad> Pad_Tegaki;  // while open: it deletes itself on closing
    QList<QList<QLabel*>> Lbl_Bun;  // per sentence: number, part 1, part 2, part 3
    QList<QLabel*> Lbl_Kaitou;      // "答1. " ...
    QList<QLineEdit*> Edt_Kaitou;   // the answers

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    static void setTextColor(QLineEdit* edit, const QColor& color);
    void showAnswers();  // when the quiz ends, passed or failed, before the window closes
    QList<QByteArray> expected_;
    QList<TMondaiRec> asked_;  // the sentences as asked, for the answers
    int tries_ = 0;
    bool loaded_ = true;
};
