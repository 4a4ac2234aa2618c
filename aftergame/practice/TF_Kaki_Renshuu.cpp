// SPDX-License-Identifier: GPL-3.0-or-later
#include "aftergame/practice/TF_Kaki_Renshuu.h"

#include "aftergame/practice/ModelView.h"
#include "aftergame/practice/PracticePad.h"
#include "aftergame/practice/PracticeTexts.h"
#include "aftergame/practice/SentenceBox.h"
#include "data/KanjiHistory.h"
#include "data/StrokeData.h"
#include "data/Music.h"
#include "data/Tables.h"
#include "platform/CentredLayout.h"
#include "platform/ColourLabel.h"
#include "platform/Fonts.h"
#include "platform/HandCursor.h"
#include "platform/MediaPlayer.h"
#include "platform/ProgramWindow.h"
#include "platform/Random.h"
#include "writing/Furigana.h"
#include "writing/WordWrap.h"
#include "writing/strokes/StrokeStore.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {
const QColor Navy(0, 0, 128);
const QRect WritingPlace(300, 76, 324, 324);
constexpr int FlashTicks = 8;

QPushButton* makeButton(QWidget* parent, const QString& text, int px, const QRect& r) {
    auto* b = new QPushButton(text, parent);
    b->setFont(PixelFont(px, true));
    b->setGeometry(r);
    b->setFocusPolicy(Qt::NoFocus); // a stray key never presses what the pen did not
    GiveHandCursor(b);
    return b;
}

KanjiAsked askedIn(PracticeStep step) {
    switch (step) {
    case PracticeStep::Nazoru:
        return KanjiAsked::Traced;
    case PracticeStep::Utsusu:
        return KanjiAsked::Copied;
    default:
        return KanjiAsked::FromMemory;
    }
}

StrokePath toModelBox(const Stroke& ink) {
    StrokePath out;
    out.reserve(ink.size());
    for (const QPointF& p : ink)
        out << p * (StrokeBoxSize / InkBox);
    return out;
}
} // namespace

TF_Kaki_Renshuu::TF_Kaki_Renshuu(int player, const QList<int>& kanji, int first, QWidget* parent)
    : QDialog(parent), player_(player) {
    PrepareProgramWindow(this, Navy);
    setObjectName(QStringLiteral("F_Kaki_Renshuu"));
    resize(640, 480);
    for (int k : kanji)
        if (k >= 1 && k <= MaxKanji)
            list_ << k;

    for (int i = 0; i < 4; ++i) {
        const auto step = static_cast<PracticeStep>(i);
        Btn_Step[i] = makeButton(this, StepCaption(step), i == 3 ? 18 : 22,
                                 QRect(8 + i * 124, 8, 118, 56));
        Btn_Step[i]->setCheckable(true);
        connect(Btn_Step[i], &QPushButton::clicked, this, [this, step] { Btn_StepClick(step); });
    }
    Btn_Modoru = makeButton(this, QStringLiteral("もどる"), 20, QRect(540, 8, 92, 56));
    connect(Btn_Modoru, &QPushButton::clicked, this, &TF_Kaki_Renshuu::Btn_ModoruClick);

    Lbl_Setsumei = MakeColourLabel(this, {}, 18, Qt::yellow, QRect(16, 76, 276, 30));
    Lbl_Kanji = MakeColourLabel(this, {}, 150, Qt::white, QRect(16, 120, 276, 230));
    Lbl_Kanji->setAlignment(Qt::AlignCenter);
    NoFurigana(Lbl_Kanji);
    Lbl_Kazu = MakeColourLabel(this, {}, 16, Qt::white, QRect(16, 372, 276, 28));
    Img_Mihon = new ModelView(this);
    connect(Img_Mihon, &ModelView::clicked, this, &TF_Kaki_Renshuu::Btn_MouichidoClick);
    GiveHandCursor(Img_Mihon);
    Lbl_Bun = new SentenceBox(this);
    Lbl_Bun->setGeometry(16, 116, 276, 250);
    Pad_Kaku = new PracticePad(this);
    Pad_Kaku->setGeometry(WritingPlace);
    connect(Pad_Kaku, &PracticePad::strokeFinished, this, &TF_Kaki_Renshuu::Pad_KakuStrokeFinished);

    Lbl_Message = MakeColourLabel(this, {}, 18, QColor(255, 255, 160), QRect(16, 408, 360, 64));
    Lbl_Message->setWordWrap(true);
    Btn_Mouichido = makeButton(this, QStringLiteral("もういちど"), 18, QRect(384, 412, 116, 56));
    connect(Btn_Mouichido, &QPushButton::clicked, this, &TF_Kaki_Renshuu::Btn_MouichidoClick);
    Btn_Tsugi = makeButton(this, QStringLiteral("つぎへ"), 20, QRect(508, 412, 124, 56));
    connect(Btn_Tsugi, &QPushButton::clicked, this, &TF_Kaki_Renshuu::Btn_TsugiClick);

    Timer1 = new QTimer(this);
    Timer1->setInterval(StrokeAnimation::TickMs);
    connect(Timer1, &QTimer::timeout, this, &TF_Kaki_Renshuu::Timer1Timer);
    Timer2 = new QTimer(this);
    Timer2->setInterval(250);
    connect(Timer2, &QTimer::timeout, this, &TF_Kaki_Renshuu::Timer2Timer);
    MP_Kaku = new SoundEffect(this, QStringLiteral("Kaku.wav"));

    CentreLayout(this);
    showKanji(std::clamp(first, 0, std::max(0, int(list_.size()) - 1)));
}

void TF_Kaki_Renshuu::showKanji(int index) {
    index_ = index;
    const int k = kanji();
    const QString text = k ? Kanji_Tbl[k].text() : QString();
    // A missing or damaged "Kakijun.dat" is said once; the window goes on without models.
    const StrokeStore* store = SharedStrokeStore(storeAsked_ ? nullptr : this);
    storeAsked_ = true;
    const CharStrokes* found = store && !text.isEmpty() ? store->find(text) : nullptr;
    model_ = found ? *found : CharStrokes{};
    paths_.clear();
    for (const StrokePath& stroke : model_.strokes)
        paths_ << QPolygonF(stroke);
    Img_Mihon->setStrokes(paths_);
    Lbl_Kanji->setText(text);
    const QList<NoteSentence> sentences = NoteSentencesOf(k);
    sentence_ = sentences.isEmpty() ? NoteSentence{} : sentences[Random(int(sentences.size()))];
    Lbl_Bun->setSentence(sentence_);
    Lbl_Kazu->setText(list_.size() > 1
                          ? QStringLiteral("%1 / %2").arg(index_ + 1).arg(list_.size())
                          : QString());
    step_ = PracticeStep::Miru;
    showStep();
}

void TF_Kaki_Renshuu::showStep() {
    for (int i = 0; i < 4; ++i)
        Btn_Step[i]->setChecked(i == int(step_));
    const bool watching = step_ == PracticeStep::Miru;
    const bool copying = step_ == PracticeStep::Utsusu;
    Lbl_Setsumei->setText(StepHint(step_));
    Lbl_Kanji->setVisible(step_ == PracticeStep::Miru || step_ == PracticeStep::Nazoru);
    Lbl_Bun->setVisible(step_ == PracticeStep::Oboete);
    Img_Mihon->setVisible(watching || copying);
    Img_Mihon->setGeometry(watching ? WritingPlace : QRect(28, 116, 252, 252));
    Img_Mihon->setAnimation(watching ? &animation_ : nullptr);
    Pad_Kaku->setVisible(!watching);
    Pad_Kaku->setModel(step_ == PracticeStep::Nazoru ? paths_ : ModelStrokes{});
    Pad_Kaku->setEnabled(hasModel());
    const bool last = index_ + 1 >= list_.size();
    Btn_Tsugi->setText(step_ != PracticeStep::Oboete ? QStringLiteral("つぎへ")
                       : last                        ? QStringLiteral("おわる")
                                                     : QStringLiteral("つぎのじ"));
    Timer2->stop();
    flashTicks_ = 0;
    if (watching) {
        animation_.setStrokes(paths_);
        Timer1->start();
    } else {
        Timer1->stop();
    }
    startWriting();
    say(hasModel() ? QString() : MsgNoModel);
}

void TF_Kaki_Renshuu::startWriting() {
    run_ = hasModel() ? PracticeRun(model_) : PracticeRun();
    Pad_Kaku->restart();
    Timer2->stop();
}

void TF_Kaki_Renshuu::say(const QString& text) {
    Lbl_Message->setText(
        WrapBetweenWords(text, Lbl_Message->fontMetrics(), Lbl_Message->contentsRect().width()));
}

void TF_Kaki_Renshuu::Btn_StepClick(PracticeStep step) {
    step_ = step;
    showStep();
}

void TF_Kaki_Renshuu::Btn_MouichidoClick() {
    if (step_ == PracticeStep::Miru) {
        animation_.restart();
        Img_Mihon->update();
        Timer1->start();
        return;
    }
    startWriting();
    say(hasModel() ? QString() : MsgNoModel);
}

void TF_Kaki_Renshuu::Btn_TsugiClick() {
    if (step_ != PracticeStep::Oboete) {
        Btn_StepClick(static_cast<PracticeStep>(int(step_) + 1));
    } else if (index_ + 1 < list_.size()) {
        showKanji(index_ + 1);
    } else {
        Btn_ModoruClick();
    }
}

void TF_Kaki_Renshuu::Btn_ModoruClick() {
    Timer1->stop();
    Timer2->stop();
    accept();
}

void TF_Kaki_Renshuu::Timer1Timer() {
    if (!animation_.tick())
        Timer1->stop();
    Img_Mihon->update();
}

void TF_Kaki_Renshuu::Timer2Timer() {
    ++flashTicks_;
    const bool over = flashTicks_ >= FlashTicks;
    Pad_Kaku->setFlash(QPolygonF(run_.placed(run_.expected())), !over && flashTicks_ % 2 == 0);
    if (over)
        Timer2->stop();
}

void TF_Kaki_Renshuu::Pad_KakuStrokeFinished() {
    if (Pad_Kaku->ink().isEmpty())
        return;
    const Stroke stroke = Pad_Kaku->ink().last();
    Pad_Kaku->clear();
    if (!run_.hasModel() || run_.finished() || step_ == PracticeStep::Miru)
        return;

    const PracticeRun::Outcome out = run_.judged(toModelBox(stroke));
    if (out.result == PracticeRun::Result::Right) {
        MP_Kaku->player()->stop();
        MP_Kaku->play();
    } else if (out.result != PracticeRun::Result::WrittenIn) {
        Pad_Kaku->setWrongInk(stroke);
    }
    say(StrokeMessage(out.result, out.judgement.verdict));
    showRun();
    const bool missed =
        out.result != PracticeRun::Result::Right && out.result != PracticeRun::Result::WrittenIn;
    // After a miss the start and direction of the stroke that was due flash for a while.
    flashTicks_ = 0;
    Pad_Kaku->setFlash(QPolygonF(run_.placed(run_.expected())), missed);
    if (missed)
        Timer2->start();
    else
        Timer2->stop();
    if (run_.finished())
        finishKanji();
}

void TF_Kaki_Renshuu::showRun() {
    // The checker follows the child's size, place and slant: every stroke down is drawn clean
    // where the child is writing, and so are the help and the flash.
    ModelStrokes clean;
    for (int i : run_.written())
        clean << QPolygonF(run_.placed(i));
    Pad_Kaku->setClean(clean);
    const int help = run_.helpStroke();
    Pad_Kaku->setHelp(help >= 0 ? QPolygonF(run_.placed(help)) : QPolygonF());
}

void TF_Kaki_Renshuu::finishKanji() {
    if (player_ >= 1 && step_ != PracticeStep::Miru)
        KanjiHistory::add(player_, kanji(), PracticeGame, askedIn(step_), !run_.helped());
    say(KanjiDoneMessage(run_.helped()));
}
