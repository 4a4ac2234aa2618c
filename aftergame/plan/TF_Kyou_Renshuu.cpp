// SPDX-License-Identifier: GPL-3.0-or-later
#include "aftergame/plan/TF_Kyou_Renshuu.h"

#include "aftergame/plan/PlanChoice.h"
#include "aftergame/practice/TF_Kaki_Renshuu.h"
#include "aftergame/sheets/KanjiSheets.h"
#include "data/HandwritingPads.h"
#include "data/KanjiHistory.h"
#include "data/MainMenu.h"
#include "data/Music.h"
#include "data/Tables.h"
#include "platform/CentredLayout.h"
#include "platform/ColourLabel.h"
#include "platform/Fonts.h"
#include "platform/HandCursor.h"
#include "platform/Modal.h"
#include "platform/ProgramWindow.h"
#include "platform/Random.h"
#include "writing/Furigana.h"
#include "writing/HiraganaInput.h"
#include "writing/KanaTable.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
const QColor Navy(0, 0, 128);
const QColor Soft(255, 255, 160);
const QString KanjiColour = QStringLiteral("#ffd040");

QPushButton* makeButton(QWidget* parent, const QString& text, int px, const QRect& r) {
    auto* b = new QPushButton(text, parent);
    b->setFont(PixelFont(px, true));
    b->setGeometry(r);
    b->setAutoDefault(false);
    GiveHandCursor(b);
    return b;
}
} // namespace

TF_Kyou_Renshuu::TF_Kyou_Renshuu(int player, QWidget* parent) : QWidget(parent), player_(player) {
    PrepareProgramWindow(this, Navy);
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("F_Kyou_Renshuu"));
    resize(640, 480);
    plan_ = TodaysPlan(player_);

    Lbl_Title = MakeColourLabel(this, QString(), 28, Qt::yellow, QRect(16, 12, 300, 40));
    Lbl_Title->setText(QStringLiteral("きょうの れんしゅう"));
    Lbl_Kazu = MakeColourLabel(this, QString(), 20, Qt::white, QRect(330, 18, 120, 30));
    Btn_Owaru = makeButton(this, QStringLiteral("おしまい"), 20, QRect(504, 10, 128, 48));
    Btn_Owaru->setToolTip(QStringLiteral("ここで おわりに する"));
    connect(Btn_Owaru, &QPushButton::clicked, this, &TF_Kyou_Renshuu::Btn_OwaruClick);

    Lbl_Setsumei = MakeColourLabel(this, QString(), 18, Qt::white, QRect(16, 66, 608, 28));
    Lbl_Setsumei->setText(QStringLiteral("きいろい じの よみかたを ひらがなで かこう。"));
    Lbl_Bun = MakeColourLabel(this, QString(), 26, Qt::white, QRect(16, 100, 608, 76));
    Lbl_Bun->setWordWrap(true);
    Lbl_Bun->setTextFormat(Qt::RichText);
    NoFurigana(Lbl_Bun); // the sentence asks for a reading: it never shows one

    Edt_Yomi = new QLineEdit(this);
    Edt_Yomi->setFont(PixelFont(22, true));
    Edt_Yomi->setGeometry(16, 186, 250, 40);
    Edt_Yomi->setInputMethodHints(Qt::ImhNoPredictiveText);
    HiraganaInput::attach(Edt_Yomi);
    connect(Edt_Yomi, &QLineEdit::returnPressed, this, &TF_Kyou_Renshuu::Btn_KotaeClick);
    Btn_Kotae = makeButton(this, QStringLiteral("こたえる"), 20, QRect(276, 186, 130, 40));
    connect(Btn_Kotae, &QPushButton::clicked, this, &TF_Kyou_Renshuu::Btn_KotaeClick);
    Btn_Tegaki = makeButton(this, QStringLiteral("てがき"), 20, QRect(416, 186, 120, 40));
    Btn_Tegaki->setToolTip(QStringLiteral("てがきで こたえを かきます"));
    Btn_Tegaki->setFocusPolicy(Qt::NoFocus);
    connect(Btn_Tegaki, &QPushButton::clicked, this, &TF_Kyou_Renshuu::Btn_TegakiClick);
    Kana_Table = new KanaTable(this, 30);
    Kana_Table->move((640 - Kana_Table->width()) / 2, 236);
    Kana_Table->setTarget(Edt_Yomi);

    Lbl_Message = MakeColourLabel(this, QString(), 20, Soft, QRect(16, 412, 440, 60));
    Lbl_Message->setWordWrap(true);
    NoFurigana(Lbl_Message); // a reading or a kanji the child just met
    Btn_Kaku = makeButton(this, QStringLiteral("かいてみよう"), 20, QRect(464, 414, 168, 56));
    connect(Btn_Kaku, &QPushButton::clicked, this, &TF_Kyou_Renshuu::Btn_KakuClick);

    Lbl_Matome = MakeColourLabel(this, QString(), 26, Qt::white, QRect(40, 84, 560, 72));
    Lbl_Matome->setWordWrap(true);
    Lbl_Yonda = MakeColourLabel(this, QString(), 22, Qt::white, QRect(40, 172, 560, 34));
    Lbl_Kaita = MakeColourLabel(this, QString(), 22, Qt::white, QRect(40, 222, 560, 34));
    Lbl_Kanji = MakeColourLabel(this, QString(), 44, Qt::yellow, QRect(40, 280, 560, 70));
    NoFurigana(Lbl_Kanji);
    Btn_Print = makeButton(this, QStringLiteral("プリント"), 20, QRect(16, 414, 160, 56));
    Btn_Print->setToolTip(QStringLiteral("きょうの かんじの れんしゅうプリントを 作ります"));
    connect(Btn_Print, &QPushButton::clicked, this, &TF_Kyou_Renshuu::Btn_PrintClick);
    Btn_Modoru = makeButton(this, QStringLiteral("もどる"), 20, QRect(504, 414, 128, 56));
    connect(Btn_Modoru, &QPushButton::clicked, this, &TF_Kyou_Renshuu::Btn_ModoruClick);
    for (QWidget* w : {static_cast<QWidget*>(Lbl_Matome), static_cast<QWidget*>(Lbl_Yonda),
                       static_cast<QWidget*>(Lbl_Kaita), static_cast<QWidget*>(Lbl_Kanji),
                       static_cast<QWidget*>(Btn_Print), static_cast<QWidget*>(Btn_Modoru)})
        w->hide();
    MP_Yokudekita = new SoundEffect(this, QStringLiteral("Yokudekita.wav"));

    CentreLayout(this);
    if (plan_.isEmpty())
        showSummary();
    else
        showKanji(0);
}

void TF_Kyou_Renshuu::showKanji(int index) {
    index_ = index;
    answered_ = false;
    const int k = plan_[index_];
    Lbl_Kazu->setText(QStringLiteral("%1 / %2").arg(index_ + 1).arg(plan_.size()));
    const QList<NoteSentence> sentences = NoteSentencesOf(k);
    sentence_ = sentences.isEmpty() ? NoteSentence{} : sentences[Random(int(sentences.size()))];
    const bool hasSentence = !sentence_.reading.isEmpty();
    Lbl_Bun->setText(
        sentence_.before.toHtmlEscaped() +
        QStringLiteral("<span style=\"color:%1\">%2</span>").arg(KanjiColour, Kanji_Tbl[k].text()) +
        sentence_.after.toHtmlEscaped());
    for (QWidget* w : {static_cast<QWidget*>(Lbl_Setsumei), static_cast<QWidget*>(Edt_Yomi),
                       static_cast<QWidget*>(Btn_Kotae), static_cast<QWidget*>(Btn_Tegaki),
                       static_cast<QWidget*>(Kana_Table)})
        w->setVisible(hasSentence);
    Edt_Yomi->clear();
    Edt_Yomi->setEnabled(true);
    Btn_Kotae->setEnabled(true);
    Lbl_Message->setText(hasSentence ? QString() : Kanji_Tbl[k].text());
    Btn_Kaku->setText(QStringLiteral("かいてみよう"));
    if (hasSentence)
        Edt_Yomi->setFocus(Qt::OtherFocusReason);
}

void TF_Kyou_Renshuu::Btn_KotaeClick() {
    if (summary_ || answered_ || sentence_.reading.isEmpty())
        return;
    HiraganaInput::finish(Edt_Yomi); // a trailing "n" is the child's "ん"
    const QString typed = Edt_Yomi->text().trimmed();
    if (typed.isEmpty())
        return;
    answered_ = true;
    const int k = plan_[index_];
    const bool right = typed == sentence_.reading.trimmed();
    KanjiHistory::add(player_, k, PracticeGame, KanjiAsked::Reading, right);
    ++read_;
    if (right)
        ++readRight_;
    if (!done_.contains(k))
        done_ << k;
    Edt_Yomi->setEnabled(false);
    Btn_Kotae->setEnabled(false);
    Lbl_Message->setText(right
                             ? QStringLiteral("そう！ 「%1」と よむよ。").arg(sentence_.reading)
                             : QStringLiteral("ここでは 「%1」と よむよ。").arg(sentence_.reading));
    Btn_Kaku->setFocus(Qt::OtherFocusReason);
}

void TF_Kyou_Renshuu::Btn_TegakiClick() {
    if (!summary_ && Edt_Yomi->isEnabled())
        OpenHandwritingPad(this, Pad_Tegaki, PadFor::Hiragana, Edt_Yomi, QStringLiteral("よみかた"),
                           RectIn(this, Lbl_Bun) | RectIn(this, Edt_Yomi)); // the sentence in sight
}

void TF_Kyou_Renshuu::Btn_KakuClick() {
    if (summary_)
        return;
    const int k = plan_[index_];
    const QList<HistoryAnswer> before = KanjiHistory::recentAnswers(player_, k, 1);
    const qint64 after = before.isEmpty() ? 0 : before[0].id;
    {
        TF_Kaki_Renshuu practice(player_, {k}, 0, this);
        practice.Btn_StepClick(PracticeStep::Oboete);
        ExecModal(&practice);
    }
    if (wroteFromMemory(k, after)) {
        ++written_;
        if (!done_.contains(k))
            done_ << k;
    }
    if (index_ + 1 < plan_.size())
        showKanji(index_ + 1);
    else
        showSummary();
}

bool TF_Kyou_Renshuu::wroteFromMemory(int kanji, qint64 after) const {
    for (const HistoryAnswer& a : KanjiHistory::recentAnswers(player_, kanji, 3))
        if (a.id > after && a.asked == KanjiAsked::FromMemory)
            return true;
    return false;
}

void TF_Kyou_Renshuu::Btn_OwaruClick() {
    if (!summary_)
        showSummary();
}

void TF_Kyou_Renshuu::showSummary() {
    summary_ = true;
    for (QWidget* w : {static_cast<QWidget*>(Lbl_Setsumei), static_cast<QWidget*>(Lbl_Bun),
                       static_cast<QWidget*>(Edt_Yomi), static_cast<QWidget*>(Btn_Kotae),
                       static_cast<QWidget*>(Btn_Tegaki), static_cast<QWidget*>(Kana_Table),
                       static_cast<QWidget*>(Lbl_Message), static_cast<QWidget*>(Btn_Kaku),
                       static_cast<QWidget*>(Btn_Owaru), static_cast<QWidget*>(Lbl_Kazu)})
        w->hide();
    if (plan_.isEmpty()) {
        Lbl_Matome->setText(
            QStringLiteral("きょうの れんしゅうは もう ないよ。\nまた あした あそぼうね。"));
    } else if (done_.isEmpty()) {
        Lbl_Matome->setText(QStringLiteral("また こんど やってみようね。"));
    } else {
        Lbl_Matome->setText(QStringLiteral("よく がんばったね！"));
        Lbl_Yonda->setText(QStringLiteral("文の 中で %1この かんじを 読んだよ。").arg(read_));
        Lbl_Kaita->setText(QStringLiteral("%1この かんじを おぼえて 書いたよ。").arg(written_));
        Lbl_Yonda->setVisible(read_ > 0);
        Lbl_Kaita->setVisible(written_ > 0);
        QStringList kanji;
        for (int k : done_)
            kanji << Kanji_Tbl[k].text();
        Lbl_Kanji->setText(kanji.join(QLatin1Char(' ')));
        MP_Yokudekita->play();
    }
    for (QWidget* w : {static_cast<QWidget*>(Lbl_Matome), static_cast<QWidget*>(Lbl_Kanji),
                       static_cast<QWidget*>(Btn_Modoru)})
        w->show();
    Btn_Print->setVisible(!plan_.isEmpty());
    Btn_Modoru->setFocus(Qt::OtherFocusReason);
}

// Today's kanji on paper, to practise away from the screen: the whole plan, done or not.
void TF_Kyou_Renshuu::Btn_PrintClick() {
    PrintKanjiSheets(player_, plan_, SheetKind::Practice, this);
}

void TF_Kyou_Renshuu::Btn_ModoruClick() {
    close();
}

void TF_Kyou_Renshuu::closeEvent(QCloseEvent* event) {
    // However the window goes, the menu comes back; what was answered is already kept.
    if (!menuShown_) {
        menuShown_ = true;
        KanjiHistory::flush();
        ShowMainMenu();
    }
    event->accept();
}
