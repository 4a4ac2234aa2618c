// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/guess/PictureGameFrame.h"

#include "aftergame/Ranking.h"
#include "aftergame/TF_Game_Kotae.h"
#include "aftergame/TF_Game_Shutsudai.h"
#include "aftergame/UpDown.h"
#include "data/ErrorReports.h"
#include "data/HandwritingPads.h"
#include "data/KanjiFiles.h"
#include "data/KanjiHistory.h"
#include "data/MainMenu.h"
#include "data/Music.h"
#include "data/ProgramDir.h"
#include "data/Rules.h"
#include "data/Tables.h"
#include "games/guess/BoardView.h"
#include "games/guess/NigateDraw.h"
#include "games/guess/PictureGameRules.h"
#include "games/guess/ReadingConversion.h"
#include "games/guess/TF_Kanji_Sel.h"
#include "platform/BackBeforeStart.h"
#include "platform/Cp932.h"
#include "platform/Fonts.h"
#include "platform/HandCursor.h"
#include "platform/MediaPlayer.h"
#include "platform/MessageBoxes.h"
#include "platform/Modal.h"
#include "platform/ModalLayer.h"
#include "platform/ProgramWindow.h"
#include "platform/Random.h"
#include "platform/StartEndGuard.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QFontMetrics>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

const QColor TPictureGameFrame::Navy(0, 0, 0x80);

namespace {
const QColor Red(0xff, 0x30, 0x30);
// Under the start button, the one free place of the answer column.
const QRect TegakiButtonRect(432, 446, 185, 30);

QLabel* makeLabel(QWidget* parent, const QString& text, const QColor& color, int px, bool bold,
                  int x, int y)
{
    auto* l = new QLabel(text, parent);
    l->setFont(PixelFont(px, bold));
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, color);
    l->setPalette(pal);
    l->move(x, y);
    l->adjustSize();
    return l;
}

QPushButton* makeButton(QWidget* parent, const QString& text, const QString& hint,
                        const QRect& place)
{
    auto* b = new QPushButton(text, parent);
    b->setGeometry(place);
    b->setFont(PixelFont(16, true));
    b->setToolTip(hint);
    b->setAutoDefault(false);
    GiveHandCursor(b);
    return b;
}

QGroupBox* makeGroup(QWidget* parent, const QString& caption, const QRect& place)
{
    auto* g = new QGroupBox(caption, parent);
    g->setGeometry(place);
    g->setFont(PixelFont(14, true));
    g->setStyleSheet(QStringLiteral(
        "QGroupBox { color: white; border: 2px groove #8080c0; margin-top: 8px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; }"
        "QLabel { color: white; }"));
    return g;
}
}  // namespace

TPictureGameFrame::TPictureGameFrame(int game, const QString& title, bool withPicker,
                                     const QString& hitSound, QWidget* parent)
    : QWidget(parent), game_(game)
{
    FormCreate(title, withPicker, hitSound);
}

TPictureGameFrame::~TPictureGameFrame()
{
    if (F_Kanji_Sel)
        delete F_Kanji_Sel.data();
}

void TPictureGameFrame::FormCreate(const QString& title, bool withPicker,
                                   const QString& hitSound)
{
    setAttribute(Qt::WA_DeleteOnClose);
    PrepareProgramWindow(this, Navy);
    resize(640, 480);
    setFont(PixelFont(14, false));

    Label1 = makeLabel(this, title, Qt::yellow, 24, true, 8, 0);

    Image1 = new BoardView(this);
    Image1->setGeometry(16, 80, 360, 360);
    Board_Bmp = TwinPicture(QSize(360, 360), Navy);
    Kanji_Bmp = Board_Bmp;
    Bunkatsusu = 0;

    Grp_shurui = makeGroup(this, QStringLiteral("ゲームの種類"), QRect(432, 16, 185, 97));
    Grp_shurui->setToolTip(QStringLiteral("ゲームのしゅるいをえらびます"));
    Rdo_Renshuu = new QRadioButton(QStringLiteral("練習"), Grp_shurui);
    Rdo_Renshuu->setGeometry(16, 24, 150, 28);
    Rdo_Challenge = new QRadioButton(QStringLiteral("チャレンジ"), Grp_shurui);
    Rdo_Challenge->setGeometry(16, 56, 150, 28);
    auto* modes = new QButtonGroup(this);
    modes->addButton(Rdo_Renshuu, 0);
    modes->addButton(Rdo_Challenge, 1);
    for (QRadioButton* r : {Rdo_Renshuu, Rdo_Challenge}) {
        // White caption; the check mark keeps its dark colour so the choice stays visible.
        QPalette pal = r->palette();
        pal.setColor(QPalette::WindowText, Qt::white);
        r->setPalette(pal);
        r->setFont(PixelFont(16, true));
        GiveHandCursor(r);
    }
    Rdo_Challenge->setChecked(true);
    connect(modes, &QButtonGroup::idClicked, this, &TPictureGameFrame::Grp_shuruiClick);

    Grp_Level = makeGroup(this, QStringLiteral("ゲームのレベル"), QRect(432, 142, 185, 121));
    Grp_Level->setToolTip(QStringLiteral("ゲームのレベルをえらびます"));
    Label5 = makeLabel(Grp_Level, QStringLiteral("かんじのレベル"), Qt::white, 14, true, 10, 28);
    Edt_Kanji_Level = new QLineEdit(QStringLiteral("1"), Grp_Level);
    Edt_Kanji_Level->setGeometry(120, 24, 34, 26);
    Edt_Kanji_Level->setFont(PixelFont(15, true));
    Edt_Kanji_Level->setValidator(new QIntValidator(1, 10, Edt_Kanji_Level));
    Edt_Kanji_Level->setAttribute(Qt::WA_InputMethodEnabled, false);
    UD_Kanji_Levelown1 = new TUpDown(Edt_Kanji_Level, 1, 10, Grp_Level);
    UD_Kanji_Levelown1->setGeometry(154, 24, 18, 26);
    UD_Kanji_Levelown1->setToolTip(title == QStringLiteral("かんじ当てゲーム")
                                       ? QStringLiteral("かんじ当てゲームで使う漢字のレベルを指定します")
                                       : QStringLiteral("ゲームで使う漢字のレベルを指定します"));
    Label2 = makeLabel(Grp_Level, QStringLiteral("分かつ数"), Qt::white, 14, true, 10, 76);
    Cmb_Bunkatsusu = new QComboBox(Grp_Level);
    Cmb_Bunkatsusu->setGeometry(120, 72, 52, 26);
    Cmb_Bunkatsusu->setFont(PixelFont(15, true));
    Cmb_Bunkatsusu->addItems(DivisionItems(storedLevel()));
    Cmb_Bunkatsusu->setCurrentIndex(0);
    GiveHandCursor(Cmb_Bunkatsusu);
    Chk_Nigate = new QCheckBox(QStringLiteral("にがて"), Grp_Level);
    Chk_Nigate->setGeometry(10, 99, 170, 20);
    Chk_Nigate->setFont(PixelFont(14, true));
    Chk_Nigate->setToolTip(QStringLiteral("まちがえたかんじで練習します"));
    {
        QPalette pal = Chk_Nigate->palette();
        pal.setColor(QPalette::WindowText, Qt::white);
        Chk_Nigate->setPalette(pal);
    }
    GiveHandCursor(Chk_Nigate);

    Grp_Tokuten = makeGroup(this, QStringLiteral("進行状況"), QRect(432, 72, 185, 185));
    Label3 = makeLabel(Grp_Tokuten, QStringLiteral("分かつ数"), Qt::white, 15, true, 11, 24);
    Lbl_Bunkatsu = makeLabel(Grp_Tokuten, QString(), Qt::white, 15, true, 100, 24);
    Lbl_Bunkatsu->setGeometry(100, 24, 70, 20);
    Lbl_Bunkatsu->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Lbl_Nokori = makeLabel(Grp_Tokuten, QString(), Red, 16, true, 11, 128);
    Lbl_Nokori->setGeometry(11, 128, 170, 22);
    Lbl_Tokuten = makeLabel(Grp_Tokuten, QString(), Qt::yellow, 16, true, 11, 160);
    Lbl_Tokuten->setGeometry(11, 156, 170, 22);

    Lbl_Mode = makeLabel(this, QStringLiteral("チャレンジモードでゲーム中"), Qt::yellow, 16, true,
                         360, 8);
    Lbl_Kotae = makeLabel(this, QStringLiteral("ここにかんじで答を書く ↓"), Qt::white, 15, true,
                          432, 272);
    Edt_Kotae = new QLineEdit(this);
    Edt_Kotae->setGeometry(434, 304, 48, 45);
    Edt_Kotae->setFont(PixelFont(37, true));
    Edt_Kotae->setToolTip(QStringLiteral("かんじ１文字で答を書きます"));
    Edt_Kotae->setTextMargins(0, 0, 0, 0);
    AttachAnswerConversion(Edt_Kotae);  // a reading typed in romaji converts to kanji
    connect(Edt_Kotae, &QLineEdit::textChanged, this, &TPictureGameFrame::Edt_KotaeChange);
    // Enter answers as the answer button does, once there is an answer to give (an open
    // reading takes Enter for itself first).
    connect(Edt_Kotae, &QLineEdit::returnPressed, this, [this] {
        if (!Btn_kotae_Kinyu->isHidden())
            Btn_kotae_KinyuClick();
    });

    Btn_kotae = makeButton(this, QStringLiteral("答のかんじを書く"), QStringLiteral("答を書く"),
                           QRect(432, 352, 185, 41));
    Btn_kotae_Kinyu = makeButton(this, QStringLiteral("回答する"),
                                 QStringLiteral("答を書いたらここを押す"), QRect(432, 352, 185, 41));
    Btn_Kouho = makeButton(this, QStringLiteral("答えのこうほ"),
                           QStringLiteral("答を書いたらここを押す"), QRect(496, 307, 119, 41));
    Btn_Start = makeButton(this, QStringLiteral("ゲームスタート"),
                           QStringLiteral("かんじあわせゲームをはじめる"), QRect(431, 400, 186, 41));
    connect(Btn_kotae, &QPushButton::clicked, this, &TPictureGameFrame::Btn_kotaeClick);
    connect(Btn_kotae_Kinyu, &QPushButton::clicked, this, &TPictureGameFrame::Btn_kotae_KinyuClick);
    connect(Btn_Kouho, &QPushButton::clicked, this, &TPictureGameFrame::Btn_KouhoClick);
    Btn_Tegaki = makeButton(this, QStringLiteral("てがき"), QStringLiteral("てがきで こたえを かきます"),
                            TegakiButtonRect);
    connect(Btn_Tegaki, &QPushButton::clicked, this, &TPictureGameFrame::Btn_TegakiClick);
    connect(Btn_Start, &QPushButton::clicked, this, [this] {
        if (started_)
            Btn_CancelClick();
        else
            Btn_StartClick();
    });
    new StartEndGuard(Btn_Start, Btn_Start, [this] { return started_; });
    new BackBeforeStart(this, QRect(431, 446, 186, 30), Btn_Start, [this] { return started_; },
                        [this] { Btn_CancelClick(); });

    Grp_Tokuten->hide();
    Grp_Level->hide();
    Btn_kotae->hide();
    Edt_Kotae->clear();
    Edt_Kotae->hide();
    Btn_Kouho->hide();
    Btn_Tegaki->hide();
    Btn_kotae_Kinyu->hide();
    Lbl_Kotae->hide();
    Lbl_Mode->hide();

    Timer1 = new QTimer(this);
    Timer1->setInterval(2000);
    connect(Timer1, &QTimer::timeout, this, &TPictureGameFrame::Timer1Timer);

    // A missing bomb picture leaves the window unable to start a game.
    picturesLoaded_ = true;
    const std::pair<WmfPicture*, QString> pictures[] = {
        {&Img_Bang, QStringLiteral("Bang.wmf")},
        {&Img_Bang1, QStringLiteral("Bang1.wmf")},
        {&Img_Bang2, QStringLiteral("Bang2.wmf")}};
    for (const auto& [picture, name] : pictures) {
        if (!picture->load(ProgramFile(name))) {
            FileErrorReport(this, name);
            picturesLoaded_ = false;
            // No game can start here: after the report the window closes and the menu shows.
            QTimer::singleShot(0, this, [this] { leave(); });
            break;
        }
    }

    MP_Ate = new WindowMusic(this);
    MP_Ate->nextFile = [this] {
        Music_No = MusicVariant(game_, MusicMeasure());
        return GameMusicFile(game_, Music_No);
    };
    // Opened in the game's own order once it has made them all (OpenMedia).
    MP_Atari = new SoundEffect(this, hitSound, {}, false);
    MP_Bang = new SoundEffect(this, QStringLiteral("Bang.wav"), {}, false);
    MP_Hazure = new SoundEffect(this, QStringLiteral("Hazure.wav"), {}, false);

    if (withPicker) {
        F_Kanji_Sel = new TF_Kanji_Sel(Edt_Kotae);
        connect(F_Kanji_Sel, &TF_Kanji_Sel::practiceOpened, this,
                &TPictureGameFrame::HoldForPractice);
        connect(F_Kanji_Sel, &TF_Kanji_Sel::practiceClosed, this,
                &TPictureGameFrame::GoOnAfterPractice);
    }
    if (!picturesLoaded_)
        Btn_Start->setEnabled(false);
}

bool TPictureGameFrame::isChallenge() const { return Rdo_Challenge->isChecked(); }

int TPictureGameFrame::storedLevel() const
{
    if (Cur_Player < 1 || Cur_Player > MaxPlayers)
        return 1;
    return std::max<int>(1, Player_Tbl[Cur_Player].Level[game_]);
}

int TPictureGameFrame::questionLevel() const
{
    return isChallenge() ? storedLevel() : UD_Kanji_Levelown1->position();
}

int TPictureGameFrame::startDivisionCount() const
{
    if (isChallenge())
        return ChallengeDivisionCount(storedLevel());
    const int n = Cmb_Bunkatsusu->currentText().toInt();
    return n > 0 ? n : 3;
}

void TPictureGameFrame::Grp_shuruiClick(int item)
{
    if (item == 0) {
        Grp_Level->show();
        Lbl_Mode->setText(QStringLiteral("練習モードでゲーム中"));
    } else {
        Grp_Level->hide();
        Lbl_Mode->setText(QStringLiteral("チャレンジモードでゲーム中"));
    }
    Lbl_Mode->adjustSize();
}

int TPictureGameFrame::KanjiPoints() const { return Disp_Mode == 1 ? 220 : 280; }

void TPictureGameFrame::DrawQuestionKanji()
{
    Kanji_Bmp = TwinPicture(QSize(Side, Side), Navy);
    const QFont font = PointFont(KanjiPoints(), true, FacePGothic);
    Kanji_Bmp.paint([&](QPainter& p) {
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRect(0, 0, 1000, 1000), Qt::AlignLeft | Qt::AlignTop,
                   Kanji_Tbl[Mondai_Kanji].text());
    });
}

void TPictureGameFrame::Btn_StartClick()
{
    if (started_ || !picturesLoaded_)
        return;
    Bunkatsusu = startDivisionCount();
    Nokori_Kaisuu = Bunkatsusu;
    Mondai_Kanji = !isChallenge() && Chk_Nigate->isChecked()
                       ? ChooseNigateKanji(WeakKanjiOf(Cur_Player), questionLevel(), false)
                       : ChooseQuestionKanji(questionLevel(), isChallenge());
    DrawQuestionKanji();
    Board_Bmp.fill(Navy);
    Kekka = 0;
    StartBoard();

    Grp_shurui->hide();
    Grp_Level->hide();
    Grp_Tokuten->show();
    Lbl_Bunkatsu->setText(QString::number(Bunkatsusu * Bunkatsusu));
    Lbl_Mode->show();
    Btn_Start->setText(QStringLiteral("ゲームおわり"));
    started_ = true;
    ShowBoard();
    MP_Ate->play();
}

void TPictureGameFrame::OpenMedia(std::initializer_list<SoundEffect*> effects)
{
    if (!picturesLoaded_)
        return;  // the window closes at once
    // A device error stops the opening of the rest: one message, not one per sound.
    if (!MP_Ate->open(QStringLiteral("game%1%2.mid").arg(game_).arg(1)))
        return;
    for (SoundEffect* e : effects)
        if (!e->open(this))
            return;
}

void TPictureGameFrame::ShowNokori()
{
    Lbl_Nokori->setText(QStringLiteral("あと%1回答えられます").arg(Nokori_Kaisuu));
}

void TPictureGameFrame::ShowTokuten()
{
    Lbl_Tokuten->setText(QStringLiteral("今答えると%1点です").arg(Game_Score));
}

void TPictureGameFrame::ShowBoard() { Image1->setPicture(Board_Bmp); }

void TPictureGameFrame::StopEffects()
{
    MP_Atari->player()->stop();
    MP_Hazure->player()->stop();
    if (stopsBang_)
        MP_Bang->player()->stop();
    if (extraEffect_)
        extraEffect_->player()->stop();
}

void TPictureGameFrame::PlayEffect(SoundEffect* effect)
{
    StopEffects();
    effect->play();
}

void TPictureGameFrame::Btn_kotaeClick()
{
    Btn_kotae->hide();
    Edt_Kotae->clear();
    Edt_Kotae->show();
    Btn_Kouho->setVisible(F_Kanji_Sel != nullptr);
    Btn_Tegaki->setVisible(F_Kanji_Sel != nullptr);
    Lbl_Kotae->show();
    Edt_Kotae->setFocus(Qt::OtherFocusReason);
    AnswerBoxOpened();
}

void TPictureGameFrame::Edt_KotaeChange()
{
    bool ok = false;
    const QByteArray t = TrimSjis(Cp932::fromUnicode(Edt_Kotae->text(), &ok));
    if (!t.isEmpty() || (!ok && !Edt_Kotae->text().trimmed().isEmpty()))
        Btn_kotae_Kinyu->show();
}

void TPictureGameFrame::Btn_KouhoClick()
{
    if (!F_Kanji_Sel)
        return;
    ShowOnLayer(F_Kanji_Sel);
}

void TPictureGameFrame::HoldForPractice()
{
    heldTimer_ = Timer1->isActive();
    Timer1->stop();
    heldMusic_ = MP_Ate->isOn() ? MP_Ate->currentFile() : QString();
    MP_Ate->stop();
}

void TPictureGameFrame::GoOnAfterPractice()
{
    if (leaving_)
        return;
    if (heldTimer_)
        Timer1->start();
    if (!heldMusic_.isEmpty())
        MP_Ate->start(heldMusic_);
    heldTimer_ = false;
    heldMusic_.clear();
}

void TPictureGameFrame::Btn_TegakiClick()
{
    OpenHandwritingPad(this, Pad_Tegaki, PadFor::Kanji, Edt_Kotae, QStringLiteral("答"),
                       RectIn(this, Image1)); // the board stays in sight
}

void TPictureGameFrame::HideAnswerEntry()
{
    Btn_kotae_Kinyu->hide();
    Btn_kotae->hide();
    Edt_Kotae->clear();
    Edt_Kotae->hide();
    Btn_Kouho->hide();
    Btn_Tegaki->hide();
    if (Pad_Tegaki)
        Pad_Tegaki->close();
    Lbl_Kotae->hide();
}

void TPictureGameFrame::Btn_kotae_KinyuClick()
{
    if (Kekka != 0)
        return;
    switch (CheckKanjiAnswer(Edt_Kotae->text(), Kanji_Tbl[Mondai_Kanji].Kanji)) {
    case KanjiAnswer::Refused:
        ShowMessage(this, QStringLiteral("かんじ１文字で答えよう！"));
        Edt_Kotae->clear();
        return;
    case KanjiAnswer::Right:
        RecordKanjiAnswer(Mondai_Kanji, KanjiAsked::Kanji, true);
        Kekka = 1;
        HideAnswerEntry();
        Lbl_Tokuten->hide();
        Lbl_Nokori->hide();
        AnswerDecided();
        return;
    case KanjiAnswer::Wrong:
        RecordKanjiAnswer(Mondai_Kanji, KanjiAsked::Kanji, false);
        break;
    }
    PlayEffect(MP_Hazure);
    ShowMessage(this, QStringLiteral("ざんねん！ まちがいです"));
    HideAnswerEntry();
    Btn_kotae->show();
    --Nokori_Kaisuu;
    if (Nokori_Kaisuu >= 1) {
        ShowNokori();
        WrongAnswerGoesOn();
        return;
    }
    HideAnswerEntry();
    Lbl_Tokuten->hide();
    Lbl_Nokori->hide();
    Btn_Start->hide();
    Kekka = 2;
    AnswerDecided();
}

void TPictureGameFrame::AnswerDecided() { StartEnding(Kekka); }

void TPictureGameFrame::StartEnding(int kekka)
{
    Kekka = kekka;
    Ending.begin(kekka);
    Timer1->setInterval(1000);
    Timer1->start();
}

void TPictureGameFrame::Timer1Timer() { EndingTick(); }

void TPictureGameFrame::LoadSeikai()
{
    MediaPlayer* p = MP_Atari->player();
    p->close();
    p->setFileName(ProgramFile(QStringLiteral("Seikai.wav")));
    if (!p->open())
        MediaErrorReport(this, QStringLiteral("Seikai.wav"));
}

void TPictureGameFrame::DrawMessage(const QString& text, const QColor& color)
{
    QFont font = PointFont(messagePoints_ > 0 ? messagePoints_ : Disp_Mode == 1 ? 60 : 80, true,
                           FacePGothic);
    // The message must not run off the picture ("当たり！" is wider than the room at this size).
    const int room = Side - 50 - 4;
    const int wide = QFontMetrics(font).horizontalAdvance(text);
    if (wide > room)
        font.setPixelSize(font.pixelSize() * room / wide);
    Board_Bmp.paint([&](QPainter& p) {
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setFont(font);
        p.setPen(color);
        p.drawText(QRect(50, 100, 1000, 1000), Qt::AlignLeft | Qt::AlignTop, text);
    });
}

bool TPictureGameFrame::EndingTick()
{
    const EndingStep s = Ending.tick();
    switch (s.kind) {
    case EndingStep::Flash: {
        const WmfPicture& bang = s.flashPicture == 1 ? Img_Bang1 : Img_Bang2;
        Board_Bmp.paint([&](QPainter& p) { bang.draw(p, QRectF(0, 0, Side, Side)); });
        break;
    }
    case EndingStep::Message:
        Board_Bmp.fill(Navy);
        if (Kekka == 1) {
            if (!SeikaiLoaded())
                LoadSeikai();
            DrawMessage(rightText_, Qt::yellow);
            PlayEffect(MP_Atari);
            if (hideStartOnRight_)
                Btn_Start->hide();
        } else if (Kekka == 2) {
            DrawMessage(QStringLiteral("はずれ"), Qt::red);
            PlayEffect(MP_Hazure);
        } else {
            PlayEffect(MP_Bang);
            DrawMessage(QStringLiteral("Bang!"), Qt::red);
        }
        break;
    case EndingStep::Clear:
        Board_Bmp.fill(Navy);
        break;
    case EndingStep::Reveal: {
        // Grows from the picture's centre (also on the jigsaw's smaller picture).
        const int m = Side / 2;
        const QRect square = QRect(m - s.half, m - s.half, 2 * s.half, 2 * s.half) & Kanji_Bmp.rect();
        Board_Bmp.draw(square.topLeft(), Kanji_Bmp, square);
        break;
    }
    case EndingStep::Finish:
        FinishGame();
        return false;
    }
    // The music stops while the message shows (every tick of the first step).
    if (s.kind == EndingStep::Flash || s.kind == EndingStep::Message)
        MP_Ate->stop();
    if (s.interval > 0)
        Timer1->setInterval(s.interval);
    ShowBoard();
    return true;
}

void TPictureGameFrame::FinishGame()
{
    Timer1->stop();
    if (Kekka == 1) {
        Quiz_Kanji = Mondai_Kanji;
        {
            TF_Game_Shutsudai quiz(this);
            if (!quiz.loaded()) {
                leave(false);  // the program is ending
                return;
            }
            quiz.setWindowState(Qt::WindowFullScreen);
            ExecModal(&quiz);
        }
        if (Quiz_Passed) {
            if (isChallenge())
                LevelUp(game_);
            Last_Score = Game_Score;
            ShowRanking(this);
        }
    } else if (game_ == 2 || game_ == 3) {
        ShowMissedAnswer();
    }
    Btn_CancelClick();
}

void TPictureGameFrame::ShowMissedAnswer()
{
    // A lost game still teaches its kanji: the answer, its reading and a sentence, until the
    // child goes on.
    QVector<TMondaiRec> sentences;
    if (!ReadAllMondai(Mondai_Kanji, sentences) || sentences.isEmpty())
        return;
    const TMondaiRec& one = sentences[Random(static_cast<int>(sentences.size()))];
    std::unique_ptr<TF_Game_Kotae> answer(TF_Game_Kotae::ForMissedAnswer(Mondai_Kanji, one, this));
    answer->setWindowState(Qt::WindowMaximized);
    ExecModal(answer.get());
}

void TPictureGameFrame::Btn_CancelClick() { leave(); }

void TPictureGameFrame::leave(bool showMenu)
{
    if (leaving_)
        return;
    leaving_ = true;
    Timer1->stop();
    MP_Ate->stop();
    if (F_Kanji_Sel) {
        F_Kanji_Sel->hide();
        F_Kanji_Sel->deleteLater();
    }
    close();
    if (showMenu)
        ShowMainMenu();
}

void TPictureGameFrame::closeEvent(QCloseEvent* event)
{
    if (!leaving_) {
        // Closed from outside (the window manager): leave as the end button does.
        leaving_ = true;
        Timer1->stop();
        MP_Ate->stop();
        if (F_Kanji_Sel) {
            F_Kanji_Sel->hide();
            F_Kanji_Sel->deleteLater();
        }
        ShowMainMenu();
    }
    event->accept();
}
