// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/puzzle/TF_Game1.h"

#include "aftergame/Ranking.h"
#include "data/ErrorReports.h"
#include "data/KanjiFiles.h"
#include "data/KanjiHistory.h"
#include "data/MainMenu.h"
#include "data/Music.h"
#include "data/Rules.h"
#include "data/Tables.h"
#include "games/puzzle/CardPicture.h"
#include "games/puzzle/ComputerMemory.h"
#include "games/puzzle/EndMessagePlace.h"
#include "games/puzzle/MatchingPoints.h"
#include "platform/BackBeforeStart.h"
#include "platform/CentredLayout.h"
#include "platform/Clock.h"
#include "platform/Fonts.h"
#include "writing/Furigana.h"
#include "platform/HandCursor.h"
#include "platform/MediaPlayer.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgramEnd.h"
#include "platform/ProgramWindow.h"
#include "platform/Random.h"
#include "platform/StartEndGuard.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {
const QColor Navy(0, 0, 128);

// Positions and sizes of the layout, scaled for large fonts as the whole window is.
int S(int v) { return static_cast<int>(v * Disp_Scale); }

void setTextColor(QWidget* w, const QColor& c)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, c);
    pal.setColor(QPalette::ButtonText, c);
    w->setPalette(pal);
}

QLabel* makeLabel(QWidget* parent, const QString& text, int x, int y, int px, const QColor& color)
{
    auto* l = new QLabel(text, parent);
    l->setFont(PixelFont(S(px), true));
    setTextColor(l, color);
    l->move(S(x), S(y));
    l->adjustSize();
    return l;
}
}  // namespace

TF_Game1::TF_Game1(QWidget* parent) : QWidget(parent)
{
    PrepareProgramWindow(this, Navy);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("かんじあわせゲーム"));
    resize(S(640), S(480));

    Label_Title = makeLabel(this, QStringLiteral("かんじあわせゲーム"), 8, 0, 24, Qt::yellow);

    Grp_Tsuyosa = new QGroupBox(QStringLiteral("コンピュータのつよさ"), this);
    Grp_Tsuyosa->setGeometry(S(432), S(16), S(185), S(137));
    Grp_Tsuyosa->setFont(PixelFont(S(14), true));
    setTextColor(Grp_Tsuyosa, Qt::white);
    const QString items[3] = {QStringLiteral("つよい"), QStringLiteral("ふつう"), QStringLiteral("よわい")};
    for (int i = 0; i < 3; ++i) {
        Grp_TsuyosaItems[i] = new QRadioButton(items[i], Grp_Tsuyosa);
        Grp_TsuyosaItems[i]->setGeometry(S(16), S(24 + 26 * i), S(150), S(24));
        Grp_TsuyosaItems[i]->setFont(PixelFont(S(15), true));
        setTextColor(Grp_TsuyosaItems[i], Qt::white);
        GiveHandCursor(Grp_TsuyosaItems[i]);
    }
    Lbl_Tsuyosa = makeLabel(this, QString(), 448, 120, 16, Qt::white);
    Lbl_Tsuyosa->resize(S(150), S(24));

    GroupBox1 = new QGroupBox(QStringLiteral("とくてん"), this);
    GroupBox1->setGeometry(S(432), S(162), S(185), S(100));
    GroupBox1->setFont(PixelFont(S(14), true));
    setTextColor(GroupBox1, Qt::white);
    Label3 = makeLabel(GroupBox1, QStringLiteral("あなた"), 12, 28, 16, Qt::white);
    Lbl_Man_ten = makeLabel(GroupBox1, QString(), 110, 28, 18, Qt::white);
    Label4 = makeLabel(GroupBox1, QStringLiteral("コンピュータ"), 12, 62, 16, Qt::white);
    Lbl_Com_ten = makeLabel(GroupBox1, QString(), 110, 62, 18, Qt::white);
    Lbl_Man_ten->resize(S(64), S(24));
    Lbl_Com_ten->resize(S(64), S(24));
    Lbl_Man_ten->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Lbl_Com_ten->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    lbl_ten = makeLabel(this, QString(), 448, 280, 32, QColor(255, 255, 0));
    lbl_ten->resize(S(160), S(44));
    lbl_ten->hide();

    Grp_E = new QGroupBox(this);
    Grp_E->setGeometry(S(16), S(112), 353, 329);

    Lbl_Junban = makeLabel(this, QString(), 435, 346, 16, Qt::white);
    Lbl_Junban->resize(S(200), S(24));

    Btn_Start = new QPushButton(QStringLiteral("ゲームはじめ"), this);
    Btn_Start->setToolTip(QStringLiteral("かんじあわせゲームをはじめる"));
    Btn_End = new QPushButton(QStringLiteral("ゲームおわり"), this);
    Btn_End->setToolTip(QStringLiteral("かんじあわせゲームをおわる"));
    for (QPushButton* b : {Btn_Start, Btn_End}) {
        b->setGeometry(S(448), S(392), S(150), S(40));
        b->setFont(PixelFont(S(16), true));
        GiveHandCursor(b);
    }
    Btn_End->hide();
    connect(Btn_Start, &QPushButton::clicked, this, &TF_Game1::Btn_StartClick);
    connect(Btn_End, &QPushButton::clicked, this, &TF_Game1::Btn_CancelClick);
    new StartEndGuard(Btn_Start, Btn_End, [this] { return !Btn_End->isHidden(); });
    new BackBeforeStart(this, QRect(S(448), S(438), S(150), S(32)), Btn_Start,
                        [this] { return !Btn_End->isHidden(); }, [this] { Btn_CancelClick(); });

    Timer1 = new QTimer(this);
    Timer1->setInterval(2000);
    connect(Timer1, &QTimer::timeout, this, &TF_Game1::Timer1Timer);

    CentreLayout(this, {}, Grp_E);
    FormCreate();
}

TF_Game1::~TF_Game1() = default;

void TF_Game1::FormCreate()
{
    if (Disp_Mode == 1)
        Grp_E->resize(420, 420);
    Randomize();
    Grp_TsuyosaItems[1]->setChecked(true);
    Timer1->stop();
    Lbl_Man_ten->clear();
    Lbl_Com_ten->clear();
    Lbl_Junban->clear();

    MP_Eawase = new WindowMusic(this, QStringLiteral("Eawase.mid"));
    MP_Eawase->nextFile = [this] {
        Music_No = MusicVariant(1, Board.Nokori_Count);
        return GameMusicFile(1, Music_No);
    };
    MP_Eawase->namesTrackAtChange = true;
    Music_No = 1;
    // A device error stops the opening of the remaining media.
    if (!MP_Eawase->open(GameMusicFile(1, 1)))
        return;
    MP_Atari = new SoundEffect(this, QStringLiteral("Seikai.wav"), QStringLiteral("Eawase.mid"));
    if (MP_Atari->isOpen())
        MP_Select = new SoundEffect(this, QStringLiteral("Select.wav"), QStringLiteral("Eawase.mid"));
}

int TF_Game1::strengthIndex() const
{
    for (int i = 0; i < 3; ++i)
        if (Grp_TsuyosaItems[i]->isChecked())
            return i;
    return 1;
}

int TF_Game1::cardSide() const { return Disp_Mode == 1 ? 70 : 50; }

bool TF_Game1::boardHintOn() const { return !Grp_E->toolTip().isEmpty(); }

QString TF_Game1::playerName() const
{
    if (Cur_Player < 1 || Cur_Player > MaxPlayers)
        return {};
    return Player_Tbl[Cur_Player].Name.text();
}

void TF_Game1::setBoardHint(bool on)
{
    Grp_E->setToolTip(on ? QStringLiteral("ボタンをおしてください。") : QString());
}

void TF_Game1::createCards()
{
    const int side = cardSide();
    for (int c = 1; c <= CardCount; ++c) {
        auto* card = new CardPicture(c, Grp_E);
        const int x = CardColumn(c);
        const int y = CardRow(c);
        if (Disp_Mode == 1)
            card->setGeometry(70 * (x - 1), 70 * (y - 1), side, side);
        else
            card->setGeometry(10 + 50 * (x - 1), 20 + 50 * (y - 1), side, side);
        card->setPixmap(CardBack(side, Random(10)));
        card->setCursor(HandCursor());
        card->onClick = [this](int tag) { Btn_EClick(tag); };
        card->hide();
        Cards[c] = card;
    }
    const int wordTop = Label_Title->y() + Label_Title->height() + 10;
    for (int i = 1; i <= 3; ++i) {
        auto* l = new QLabel(Label_Title->parentWidget());
        l->setFont(PointFont(S(16), true));
        setTextColor(l, Qt::white);
        l->move(10, wordTop);
        l->show();
        NoFurigana(l);  // example sentence: shown as written
        WordLabels[i] = l;
    }
    for (int i = 1; i <= 2; ++i) {
        auto* l = new QLabel(Grp_E);
        l->setFont(PointFont(Disp_Mode == 1 ? 34 : 28, true));
        setTextColor(l, Qt::white);
        l->hide();
        KanjiLabels[i] = l;
    }
}

void TF_Game1::Btn_StartClick()
{
    if (Cards[1])
        return;  // one game per window
    createCards();

    Grp_Tsuyosa->setEnabled(false);
    Randomize();
    Board.reset();
    for (int c = 1; c <= CardCount; ++c)
        Cards[c]->show();

    Level = Cur_Player >= 1 && Cur_Player <= MaxPlayers ? Player_Tbl[Cur_Player].Level[1] : 1;
    if (Level != Cur_Levels)
        Cur_LastLevel = Cur_PerLevel;
    const QVector<int> candidates = MatchingCandidates(Level);
    if (candidates.size() < KanjiPerGame) {
        Btn_CancelClick();  // school-year data without enough kanji: nothing to play
        return;
    }
    DealCards(Board, DrawGameKanji(candidates));

    Man_Score = 0;
    Com_Score = 0;
    const int index = strengthIndex();
    Tsuyosa = index + 1;
    Tsuyosa_Factor = TsuyosaFactorFor(index);
    Level_Factor = LevelFactorFor(Level);

    static const char* const shown[3] = {"強い", "ふつう", "弱い"};
    Lbl_Tsuyosa->setText(QString::fromUtf8(shown[index]));
    Lbl_Man_ten->setText(QStringLiteral("0"));
    Lbl_Com_ten->setText(QStringLiteral("0"));

    Btn_Start->hide();
    Timer1->start();

    if (Random(2) != 0) {
        Lbl_Junban->setText(QStringLiteral("コンピュータのばん"));
        Man_Turn = false;
        setBoardHint(false);
    } else {
        Man_Turn = true;
        Lbl_Junban->setText(playerName() + QStringLiteral("のばん"));
        setBoardHint(true);
    }

    Turn_Start = Clock::elapsedMs();
    Flip_Count = 0;
    Man_Pick = {0, 0, 0};
    Com_Pick = {0, 0, 0};
    Btn_End->show();

    Music_No = 1;
    MP_Eawase->play();
}

void TF_Game1::showCardKanji(int card, int label)
{
    QLabel* l = KanjiLabels[label];
    l->setText(Kanji_Tbl[Board.Card_Kanji[card]].text());
    l->adjustSize();
    const int s = cardSide();
    const QRect r = Cards[card]->geometry();
    l->move(r.x() + (s - l->width()) / 2, r.y() + (s - l->height()) / 2);
    l->show();
    l->raise();
    Cards[card]->hide();
}

void TF_Game1::clearWordLabels()
{
    for (int i = 1; i <= 3; ++i)
        if (WordLabels[i])
            WordLabels[i]->clear();
}

void TF_Game1::hideKanjiLabels()
{
    for (int i = 1; i <= 2; ++i)
        if (KanjiLabels[i])
            KanjiLabels[i]->hide();
}

bool TF_Game1::Show_Rei(int kanji)
{
    clearWordLabels();
    TMondaiRec rec;
    if (!Read_Mondai(kanji, rec)) {
        // The sentence file cannot be read: the program ends.
        leaving_ = true;
        Ended = true;
        Timer1->stop();
        FileErrorReport(this, MondaiFileName);
        close();
        CloseMainMenu();
        EndProgram();
        return false;
    }
    int left = 10;
    for (int i = 1; i <= 3; ++i) {
        QLabel* l = WordLabels[i];
        l->setText(rec.partString(i).trimmed());
        setTextColor(l, i == rec.Pos ? QColor(255, 0, 0) : QColor(Qt::white));
        l->adjustSize();
        l->move(left, l->y());
        left = l->x() + l->width();
    }
    return true;
}

int TF_Game1::pairPoints(int a, int b, float timeFactor)
{
    Memory_Factor = MemoryFactorFor(MemoryDistance(Board.Turn_No, Board.Seen_Turn[a], Board.Seen_Turn[b]));
    Time_Factor = timeFactor;
    return PairPoints(Tsuyosa_Factor, Time_Factor, Memory_Factor, Level_Factor);
}

void TF_Game1::Btn_EClick(int c)
{
    if (!Man_Turn || Ended || c < 1 || c > CardCount || !Cards[c] || Cards[c]->isHidden() ||
        !Board.onBoard(c))
        return;
    if (MP_Select) {
        MP_Select->player()->stop();
        MP_Select->play();
    }

    ++Flip_Count;
    Man_Pick[Flip_Count] = c;
    showCardKanji(c, Flip_Count);
    if (!Show_Rei(Board.Card_Kanji[c]))
        return;
    if (Flip_Count == 1) {
        Timer1->stop();
        return;
    }

    ++Board.Turn_No;
    const int a = Man_Pick[1];
    const int b = Man_Pick[2];
    MemoryRoll(Board, a, b, Tsuyosa);
    const bool pair = Board.isPair(a, b);
    if (pair) {
        const int points = pairPoints(a, b, TimeFactorFor(SecondsField(Clock::elapsedMs() - Turn_Start)));
        lbl_ten->setText(QString::number(points) + QStringLiteral("点"));
        lbl_ten->show();
        Man_Score += points;
        Lbl_Man_ten->setText(QString::number(Man_Score));
        RecordKanjiAnswer(Board.Card_Kanji[a], KanjiAsked::Kanji, true);
        Board.removePair(a, b);
        Board.Seen_Turn[a] = Board.Seen_Turn[b] = static_cast<std::int16_t>(Board.Turn_No);
        Man_Pick = {0, NoCard, NoCard};
    } else {
        Board.Seen_Turn[a] = Board.Seen_Turn[b] = static_cast<std::int16_t>(Board.Turn_No);
    }

    if (Board.Nokori_Count == 0) {
        endOfGame(false, a, b);
        return;
    }
    Flip_Count = 0;
    if (!pair)
        Lbl_Junban->setText(QStringLiteral("コンピュータのばん"));
    Man_Turn = false;
    Timer1->start();
    setBoardHint(false);
    Turn_Start = Clock::elapsedMs();
}

void TF_Game1::Timer1Timer()
{
    if (Man_Turn || Ended || !Cards[1])
        return;

    if (Flip_Count == 0) {
        if (Man_Pick[1] == NoCard && Man_Pick[2] == NoCard) {
            // The child found a pair and plays again.
            hideKanjiLabels();
            clearWordLabels();
            Man_Turn = true;
            setBoardHint(true);
            Turn_Start = Clock::elapsedMs();
            lbl_ten->hide();
            return;
        }
        // The child's two cards turn face down again, unless a pair of the computer took them.
        for (int i = 1; i <= 2; ++i)
            if (Man_Pick[i] >= 1 && Man_Pick[i] <= CardCount && Board.onBoard(Man_Pick[i]))
                Cards[Man_Pick[i]]->show();
    }

    ++Flip_Count;
    if (Flip_Count == 1) {
        hideKanjiLabels();
        const auto pick = Com_Select(Board, Tsuyosa);
        Com_Pick = {0, pick.first, pick.second};
        if (pick.first == NoCard)
            return;
        showCardKanji(Com_Pick[1], 1);
        Show_Rei(Board.Card_Kanji[Com_Pick[1]]);
    } else if (Flip_Count == 2) {
        const int a = Com_Pick[1];
        const int b = Com_Pick[2];
        showCardKanji(b, 2);
        if (!Show_Rei(Board.Card_Kanji[b]))
            return;
        ++Board.Turn_No;
        if (Board.isPair(a, b)) {
            const int points = pairPoints(a, b, ComTimeFactor);
            lbl_ten->setText(QString::number(points) + QStringLiteral("点"));
            lbl_ten->show();
            Com_Score += points;
            Lbl_Com_ten->setText(QString::number(Com_Score));
            if (Board.Nokori_Count - 2 == 0) {
                Board.removePair(a, b);
                MP_Eawase->stop();
                endOfGame(true, a, b);
                return;
            }
            Board.removePair(a, b);
            Board.Seen_Turn[a] = Board.Seen_Turn[b] = static_cast<std::int16_t>(Board.Turn_No);
            Com_Pick = {0, NoCard, NoCard};
        } else {
            Board.Seen_Turn[a] = Board.Seen_Turn[b] = static_cast<std::int16_t>(Board.Turn_No);
        }
    } else {
        hideKanjiLabels();
        if (Com_Pick[1] != NoCard) {
            Cards[Com_Pick[1]]->show();
            Cards[Com_Pick[2]]->show();
            Man_Turn = true;
            Lbl_Junban->setText(playerName().trimmed() + QStringLiteral("のばん"));
            setBoardHint(true);
        }
        clearWordLabels();
        Flip_Count = 0;
        Turn_Start = Clock::elapsedMs();
        lbl_ten->hide();
    }
}

void TF_Game1::endOfGame(bool lastPairByComputer, int lastA, int lastB)
{
    Ended = true;
    Man_Turn = false;
    Timer1->stop();  // no tick may run while the end messages and the ranking are open
    Lbl_Junban->clear();  // nobody's turn any more
    MP_Eawase->stop();

    // The messages stand clear of the last pair, still shown on the board.
    auto* place = new QWidget(Grp_E);
    place->setAttribute(Qt::WA_TransparentForMouseEvents);
    place->setGeometry(EndMessagePlace(Grp_E->rect(), Cards[lastA]->geometry(),
                                       Cards[lastB]->geometry()));
    place->lower();
    place->show();
    SetMessagePicture(this, place);

    if (Com_Score > Man_Score)
        ShowMessage(this, QStringLiteral("コンピュータのかち"));
    if (Com_Score == Man_Score)
        ShowMessage(this, QStringLiteral("ひきわけ"));
    if (Man_Score > Com_Score) {
        if (MP_Select)
            MP_Select->player()->stop();
        if (MP_Atari)
            MP_Atari->play();
        ShowMessage(this, playerName() + QStringLiteral("のかち"));
    }
    if (lastPairByComputer && Com_Score >= Man_Score)
        ShowMessage(this, QStringLiteral("ざんねん！ ふごうかくです"));

    if (Man_Score > Com_Score && Tsuyosa != 3)
        LevelUp(1);

    Last_Score = Man_Score;
    ShowRanking(this);
    Btn_CancelClick();
}

void TF_Game1::Btn_CancelClick()
{
    Ended = true;
    Timer1->stop();
    MP_Eawase->stop();
    close();
}

void TF_Game1::closeEvent(QCloseEvent* event)
{
    if (!leaving_) {
        leaving_ = true;
        Ended = true;
        Timer1->stop();
        MP_Eawase->stop();
        ShowMainMenu();
    }
    event->accept();
}
