// SPDX-License-Identifier: GPL-3.0-or-later
// Writing practice of one kanji after another, in four steps the child moves through or jumps
// between: みる (the strokes drawn one by one), なぞる (trace the grey model), うつす (copy the
// model into an empty square) and おぼえてかく (write it from memory into a sentence). Each stroke
// is judged when the pen lifts; every kanji written in a step goes into the notebook's history.
// Nothing ever stops the child: every button works at any time.
// Control and handler names follow the program's naming convention (Btn_*, Lbl_*, *Click); keep
// them.
#pragma once

#include "aftergame/NoteDetail.h"
#include "aftergame/practice/PracticeRun.h"
#include "writing/strokes/CharStrokes.h"
#include "aftergame/practice/StrokeAnimation.h"

#include <QDialog>
#include <array>

class ModelView;
class PracticePad;
class QLabel;
class QPushButton;
class QTimer;
class SentenceBox;
class SoundEffect;

enum class PracticeStep { Miru = 0, Nazoru = 1, Utsusu = 2, Oboete = 3 };

class TF_Kaki_Renshuu : public QDialog {
    Q_OBJECT
  public:
    // player: whose history the kanji go into (0: nobody's); kanji: numbers in Kanji_Tbl, written
    // in this order from `first`.
    TF_Kaki_Renshuu(int player, const QList<int>& kanji, int first = 0, QWidget* parent = nullptr);

    void Btn_StepClick(PracticeStep step);
    void Btn_MouichidoClick(); // the drawing again, or the kanji written anew
    void Btn_TsugiClick();     // the next step, the next kanji, or the end
    void Btn_ModoruClick();
    void Pad_KakuStrokeFinished();
    void Timer1Timer(); // the stroke-by-stroke drawing
    void Timer2Timer(); // the flashing start of the expected stroke

    PracticeStep step() const { return step_; }
    int kanji() const { return list_.value(index_); }
    int kanjiIndex() const { return index_; }
    const QList<int>& kanjiList() const { return list_; }
    int player() const { return player_; }
    const PracticeRun& run() const { return run_; }
    const StrokeAnimation& animation() const { return animation_; }
    bool hasModel() const { return model_.count() > 0; }
    const CharStrokes& model() const { return model_; }

    std::array<QPushButton*, 4> Btn_Step{};
    QPushButton* Btn_Modoru = nullptr;
    QLabel* Lbl_Setsumei = nullptr;
    QLabel* Lbl_Kanji = nullptr;
    QLabel* Lbl_Kazu = nullptr;
    ModelView* Img_Mihon = nullptr;
    PracticePad* Pad_Kaku = nullptr;
    SentenceBox* Lbl_Bun = nullptr;
    QLabel* Lbl_Message = nullptr;
    QPushButton* Btn_Mouichido = nullptr;
    QPushButton* Btn_Tsugi = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
    SoundEffect* MP_Kaku = nullptr;

  private:
    void showKanji(int index);
    void showStep();
    void startWriting();
    void finishKanji();
    void say(const QString& text);
    void showRun(); // the strokes down, the help and the flash, where the child writes

    const int player_;
    QList<int> list_;
    int index_ = 0;
    PracticeStep step_ = PracticeStep::Miru;
    CharStrokes model_;
    ModelStrokes paths_; // the model's strokes as the views draw them
    bool storeAsked_ = false;
    NoteSentence sentence_;
    PracticeRun run_;
    StrokeAnimation animation_;
    int flashTicks_ = 0;
};
