// SPDX-License-Identifier: GPL-3.0-or-later
#include "aftergame/TF_Game_Shutsudai.h"

#include "aftergame/QuizCheck.h"
#include "aftergame/TF_Game_Kotae.h"
#include "aftergame/UpDown.h"
#include "data/ErrorReports.h"
#include "data/HandwritingPads.h"
#include "data/KanjiFiles.h"
#include "data/KanjiHistory.h"
#include "data/MainMenu.h"
#include "data/Tables.h"
#include "platform/CentredLayout.h"
#include "platform/Fonts.h"
#include "platform/HandCursor.h"
#include "writing/Furigana.h"
#include "writing/HiraganaInput.h"
#include "writing/KanaTable.h"
#include "platform/MessageBoxes.h"
#include "platform/Modal.h"
#include "platform/ProgramEnd.h"
#include "platform/ProgramWindow.h"
#include "writing/RubyText.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

namespace {
const QColor Background(0x1c, 0x2c, 0x5c);
const QColor Banner(0xff, 0xf4, 0xc8);
const QColor Red(0xff, 0x40, 0x40);
constexpr int ButtonsTop = 412;

QLabel* makeLabel(QWidget* parent, const QString& text, const QColor& color, const QFont& font)
{
    auto* l = new QLabel(text, parent);
    l->setFont(font);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, color);
    l->setPalette(pal);
    l->adjustSize();
    return l;
}

void placeBelow(QWidget* w, const QWidget* above, int gap, int x)
{
    w->move(x, above->geometry().bottom() + 1 + gap);
}
}  // namespace

TF_Game_Shutsudai::TF_Game_Shutsudai(QWidget* parent) : QDialog(parent)
{
    FormCreate();
    CentreLayout(this);
}

TF_Game_Shutsudai::~TF_Game_Shutsudai() = default;

void TF_Game_Shutsudai::FormCreate()
{
    PrepareProgramWindow(this, Background);
    resize(640, 480);
    Quiz_Passed = false;
    tries_ = 0;

    auto* banner = new QWidget(this);
    banner->setAutoFillBackground(true);
    QPalette bp = banner->palette();
    bp.setColor(QPalette::Window, Banner);
    banner->setPalette(bp);
    banner->setGeometry(0, 0, 640, 36);

    Label1 = makeLabel(this, QStringLiteral("ゲームのかんじについての問題です。"), Qt::black,
                       PixelFont(21, true));
    Label1->move(8, 11);  // room above for the furigana of 問題
    Label2 = makeLabel(this, QStringLiteral("３回まちがえると、不合格になるよ。"), Qt::white,
                       PixelFont(16, true));
    Label2->move(80, 46);
    lbl_Kanji = makeLabel(this, Kanji_Tbl[std::clamp(Quiz_Kanji, 1, MaxKanji)].text(), Red,
                          PixelFont(48, true));
    lbl_Kanji->move(12, 38);
    Lbl_Mondai1 = makeLabel(this, QStringLiteral("問１．「読み」をひらがなで書いてください。"),
                            Qt::white, PixelFont(17, true));
    Lbl_Mondai1->move(80, 76);
    Lbl_Mondai2 = makeLabel(this, QStringLiteral("問２．「画数」をえらんでください。"),
                            Qt::white, PixelFont(17, true));

    QVector<TMondaiRec> sentences;
    // A kanji without sentences asks only for its stroke count; only an unreadable file is fatal.
    const bool hasSentences =
        Quiz_Kanji >= 1 && Quiz_Kanji <= MaxKanji && Mondai_Idx[Quiz_Kanji].Count > 0;
    if (hasSentences && !ReadAllMondai(Quiz_Kanji, sentences)) {
        loaded_ = false;
        FileErrorReport(this, MondaiFileName);
        CloseMainMenu();
        EndProgram();
        return;
    }
    // The window has room for five sentences.
    const int c = std::min<int>(static_cast<int>(sentences.size()), MaxSentences);
    const QFont lineFont = PointFont(16, true);
    const QString kanji = Kanji_Tbl[Quiz_Kanji].text();
    for (int i = 1; i <= c; ++i) {
        const TMondaiRec& rec = sentences[i - 1];
        QList<QLabel*> line;
        line << makeLabel(this, QStringLiteral("%1) ").arg(i), Qt::white, lineFont);
        QByteArray expected;
        for (int j = 1; j <= 3; ++j) {
            if (j == rec.Pos) {
                line << makeLabel(this, kanji, Red, lineFont);
                expected = rec.Part[j];
            } else {
                line << makeLabel(this, rec.partString(j), Qt::white, lineFont);
            }
        }
        for (QLabel* l : line)
            NoFurigana(l);  // the sentence asks for the reading: it never shows it
        const QWidget* above = i == 1 ? static_cast<QWidget*>(Lbl_Mondai1) : Lbl_Bun.last()[0];
        int x = Lbl_Mondai1->x() + 10;
        for (QLabel* l : line) {
            placeBelow(l, above, 5, x);
            x += l->width();
        }
        Lbl_Bun << line;
        expected_ << expected;
        asked_ << rec;
    }
    placeBelow(Lbl_Mondai2, c > 0 ? static_cast<QWidget*>(Lbl_Bun.last()[0]) : Lbl_Mondai1,
               RubyHeight(Lbl_Mondai2->font()) + 1,
               Lbl_Mondai1->x());

    Lbl_Kakusuu = makeLabel(this, QStringLiteral("画数．"), Qt::white, lineFont);
    Edt_Kakusuu = new QLineEdit(this);
    Edt_Kakusuu->setFont(lineFont);
    Edt_Kakusuu->setMaxLength(2);
    Edt_Kakusuu->setAttribute(Qt::WA_InputMethodEnabled, false);
    Edt_Kakusuu->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[+-]?[0-9 ]{0,2}")), Edt_Kakusuu));
    Edt_Kakusuu->clear();
    UD_Kakusuu = new TUpDown(Edt_Kakusuu, 1, 25, this);
    UD_Kakusuu->setToolTip(QStringLiteral("画数をえらびます"));
    // 12 rather than 20 below: the rows above stand apart to give their furigana room.
    const int answersTop = Lbl_Mondai2->geometry().bottom() + 1 + 12;
    Lbl_Kakusuu->move(330, answersTop + 2);
    Edt_Kakusuu->setGeometry(Lbl_Kakusuu->geometry().right() + 1, answersTop, 44, 30);
    UD_Kakusuu->setGeometry(Edt_Kakusuu->geometry().right() + 1, answersTop, 18, 30);

    for (int i = 1; i <= c; ++i) {
        QLabel* l = makeLabel(this, QStringLiteral("答%1. ").arg(i), Qt::white, lineFont);
        const int top = i == 1 ? answersTop : Edt_Kaitou.last()->geometry().bottom() + 1 + 5;
        l->move(10, top + 2);
        auto* e = new QLineEdit(this);
        e->setFont(lineFont);
        e->setGeometry(l->geometry().right() + 1 + 10, top, 230, 30);
        e->setInputMethodHints(Qt::ImhNoPredictiveText);
        HiraganaInput::attach(e);
        e->installEventFilter(this);
        connect(e, &QLineEdit::textChanged, this, [e] { setTextColor(e, Qt::black); });
        Lbl_Kaitou << l;
        Edt_Kaitou << e;
    }
    Edt_Kakusuu->installEventFilter(this);
    connect(Edt_Kakusuu, &QLineEdit::textChanged, this,
            [this] { setTextColor(Edt_Kakusuu, Qt::black); });

    // The hiragana table: large keys across the window under the answers when there is room
    // (few sentences), else a compact one beside the answers under the stroke count.
    const int answersBottom =
        Edt_Kaitou.isEmpty() ? answersTop + 30 : Edt_Kaitou.last()->geometry().bottom() + 1;
    const int bigTop = answersBottom + 10 + 24;  // below the error line
    const int bigKey = std::min(28, (ButtonsTop - 8 - bigTop) / 5);
    if (bigKey >= 22) {
        Kana_Table = new KanaTable(this, bigKey);
        Kana_Table->move((640 - Kana_Table->width()) / 2, bigTop);
    } else {
        Kana_Table = new KanaTable(this, 17);
        Kana_Table->move(312, answersTop + 38);
    }
    Kana_Table->setTargets(Edt_Kaitou);

    Btn_kotae_Kinyu = new QPushButton(QStringLiteral("回答する"), this);
    Btn_kotae_Kinyu->setToolTip(QStringLiteral("答を書いたらここを押す"));
    Btn_kotae_Kinyu->setGeometry(330, ButtonsTop, 140, 36);
    Btn_Close = new QPushButton(QStringLiteral("もどる"), this);
    Btn_Close->setGeometry(486, ButtonsTop, 140, 36);
    for (QPushButton* b : {Btn_kotae_Kinyu, Btn_Close}) {
        b->setFont(PixelFont(17, true));
        GiveHandCursor(b);
        b->setAutoDefault(false);
    }
    connect(Btn_kotae_Kinyu, &QPushButton::clicked, this, &TF_Game_Shutsudai::Btn_kotae_KinyuClick);
    // Enter in any field answers as "回答する" does.
    for (QLineEdit* e : Edt_Kaitou)
        connect(e, &QLineEdit::returnPressed, this, &TF_Game_Shutsudai::Btn_kotae_KinyuClick);
    connect(Edt_Kakusuu, &QLineEdit::returnPressed, this, &TF_Game_Shutsudai::Btn_kotae_KinyuClick);
    connect(Btn_Close, &QPushButton::clicked, this, &TF_Game_Shutsudai::Btn_CloseClick);
    Btn_Tegaki = new QPushButton(QStringLiteral("てがき"), this);
    Btn_Tegaki->setToolTip(QStringLiteral("てがきで こたえを かきます"));
    // At the end of the stroke-count line, which the hiragana table never reaches.
    Btn_Tegaki->setGeometry(470, answersTop, 150, 30);
    Btn_Tegaki->setFont(PixelFont(17, true));
    Btn_Tegaki->setFocusPolicy(Qt::NoFocus);  // the answer field keeps the focus
    Btn_Tegaki->setAutoDefault(false);
    GiveHandCursor(Btn_Tegaki);
    connect(Btn_Tegaki, &QPushButton::clicked, this, &TF_Game_Shutsudai::Btn_TegakiClick);
    Label3 = makeLabel(this, QStringLiteral("項目間は、「Tab」Keyで移動します"), Qt::yellow,
                       PixelFont(13, true));
    Label3->move(330, 460);

    Lbl_err_Msg = makeLabel(this, QStringLiteral("赤い字のところがまちがっているよ。"), Red,
                            PixelFont(16, true));
    Lbl_err_Msg->hide();
    if (!Edt_Kaitou.isEmpty())
        Lbl_err_Msg->move(Edt_Kaitou.first()->x(),
                          std::min(Edt_Kaitou.last()->geometry().bottom() + 1 + 10,
                                   480 - 2 - Lbl_err_Msg->height()));  // five answers: still inside
    else
        Lbl_err_Msg->move(10, Edt_Kakusuu->geometry().bottom() + 1 + 10);

    QWidget* prev = nullptr;
    QList<QWidget*> order;
    for (QLineEdit* e : Edt_Kaitou)
        order << e;
    order << Edt_Kakusuu << Btn_kotae_Kinyu << Btn_Close;
    for (QWidget* w : order) {
        w->setFocusPolicy(Qt::StrongFocus);
        if (prev)
            setTabOrder(prev, w);
        prev = w;
    }
}

void TF_Game_Shutsudai::Btn_TegakiClick()
{
    if (Edt_Kaitou.isEmpty())
        return;
    QLineEdit* target = Kana_Table->target() ? Kana_Table->target() : Edt_Kaitou.first();
    const qsizetype i = std::max<qsizetype>(0, Edt_Kaitou.indexOf(target));
    // The sentences the answers read stay in sight.
    QRect asked = RectIn(this, Lbl_Mondai1);
    for (const QList<QLabel*>& line : Lbl_Bun)
        for (const QLabel* l : line)
            asked |= RectIn(this, l);
    OpenHandwritingPad(this, Pad_Tegaki, PadFor::Hiragana, target,
                       Lbl_Kaitou[i]->text().trimmed(), asked);
}

void TF_Game_Shutsudai::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!Edt_Kaitou.isEmpty())
        Edt_Kaitou.first()->setFocus(Qt::OtherFocusReason);
}

bool TF_Game_Shutsudai::eventFilter(QObject* watched, QEvent* event)
{
    // A click into a field clears its red mark; a key only does when it changes the text
    // (textChanged), so a child may tab through the fields to find its mistakes.
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        if (auto* e = qobject_cast<QLineEdit*>(watched))
            setTextColor(e, Qt::black);
    }
    return QDialog::eventFilter(watched, event);
}

void TF_Game_Shutsudai::setTextColor(QLineEdit* edit, const QColor& color)
{
    QPalette pal = edit->palette();
    if (pal.color(QPalette::Text) == color)
        return;
    pal.setColor(QPalette::Text, color);
    edit->setPalette(pal);
}

void TF_Game_Shutsudai::Btn_kotae_KinyuClick()
{
    int kakusuu = 0;
    if (!ParseKakusuu(Edt_Kakusuu->text(), &kakusuu)) {
        ShowMessage(this, QStringLiteral("画数には、半角数字の整数を入れてください。"));
        return;
    }
    ++tries_;
    QStringList readings;
    for (QLineEdit* e : Edt_Kaitou) {
        HiraganaInput::finish(e);  // a trailing "n" is the child's "ん"
        readings << e->text();
    }
    const QuizVerdict v =
        CheckQuizAnswers(readings, expected_, kakusuu, Kanji_Tbl[Quiz_Kanji].Kakusuu);
    RecordQuizTry(Quiz_Kanji, v.wrongReading, v.wrongKakusuu);
    for (int i = 0; i < Edt_Kaitou.size(); ++i)
        if (v.wrongReading.value(i))
            setTextColor(Edt_Kaitou[i], Red);
    if (v.wrongKakusuu)
        setTextColor(Edt_Kakusuu, Red);

    if (v.right) {
        Quiz_Passed = true;
        ShowMessage(this, QStringLiteral("おめでとう！ 合格です。"));
        showAnswers();
        accept();
        return;
    }
    ShowMessage(this, QStringLiteral("ざんねん！ はずれです"));
    if (tries_ >= QuizMaxTries) {
        ShowMessage(this, QStringLiteral("また、チャレンジしてね。"));
        showAnswers();
        QDialog::reject();
        return;
    }
    Lbl_err_Msg->show();
    if (!Edt_Kaitou.isEmpty())
        Edt_Kaitou.first()->setFocus(Qt::OtherFocusReason);
}

void TF_Game_Shutsudai::showAnswers()
{
    TF_Game_Kotae answers(Quiz_Kanji, asked_, this);
    ExecModal(&answers);
}

void TF_Game_Shutsudai::Btn_CloseClick()
{
    if (AskYesNoCancel(this, QStringLiteral("このまま終わるとゲームの結果が記ろくされません。"
                                            "終わってもよいですか？")) == MsgAnswer::Yes)
        QDialog::reject();
}

void TF_Game_Shutsudai::reject()
{
    // Esc and closing the window are ways out like "もどる", and ask the same question first.
    Btn_CloseClick();
}
