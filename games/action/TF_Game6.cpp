// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/action/TF_Game6.h"

#include "data/KanjiHistory.h"
#include "data/Music.h"
#include "data/Tables.h"
#include "games/action/ActionControls.h"
#include "games/action/ActionSounds.h"
#include "games/action/ActionSprites.h"
#include "games/action/ImageView.h"
#include "platform/CentredLayout.h"
#include "platform/Clock.h"
#include "platform/HandCursor.h"
#include "platform/MessageBoxes.h"
#include "platform/Random.h"

#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

namespace {
constexpr int PlayfieldX = 24;
constexpr int PlayfieldY = 88;
constexpr int PlayfieldSize = 360;

QWidget* makeBar(QWidget* parent, const QRect& r, const QString& colour)
{
    auto* bar = new QWidget(parent);
    bar->setGeometry(r);
    bar->setStyleSheet(QStringLiteral("background: %1;").arg(colour));
    bar->setAttribute(Qt::WA_StyledBackground);
    bar->hide();
    return bar;
}
}  // namespace

TF_Game6::TF_Game6() : ActionGameWindow(QStringLiteral("かんじもぐらたたき"))
{
    buildControls();
    FormCreate();
    Img1->installEventFilter(this);
    CentreLayout(this, {}, Img1);
}

TF_Game6::~TF_Game6() = default;

void TF_Game6::buildControls()
{
    const QString white = QStringLiteral("white");
    Label2 = MakeActionLabel(this, QStringLiteral("せいかいの字だけをたたいてね。"),
                             QRect(214, 4, 280, 20), 14, false, white);
    Img1 = new ImageView(this);
    // Wide enough for the whole fifth column of holes, which reaches 8 pixels past the square.
    Img1->setGeometry(PlayfieldX, PlayfieldY, PlayfieldSize + 8, PlayfieldSize);
    GiveHandCursor(Img1);

    GroupBox2 = MakeActionGroup(this, QStringLiteral("スピード"), QRect(400, 88, 226, 80));
    TBar_Speed = new QSlider(Qt::Horizontal, GroupBox2);
    TBar_Speed->setRange(0, 15);
    TBar_Speed->setValue(7);
    TBar_Speed->setPageStep(1);
    TBar_Speed->setTickPosition(QSlider::TicksBelow);
    TBar_Speed->setGeometry(10, 22, 206, 28);
    GiveHandCursor(TBar_Speed);
    Label5 = MakeActionLabel(GroupBox2, QStringLiteral("おそい"), QRect(8, 54, 60, 18), 12, false,
                             white);
    Label6 = MakeActionLabel(GroupBox2, QStringLiteral("はやい"), QRect(158, 54, 60, 18), 12,
                             false, white);
    Label6->setAlignment(Qt::AlignRight);
    Shp_Shinkou1 = makeBar(GroupBox2, QRect(13, 45, 160, 20), white);
    Shp_Shinkou2 = makeBar(GroupBox2, QRect(13, 45, 0, 20), QStringLiteral("red"));

    GroupBox1 = MakeActionGroup(this, QStringLiteral("とくてん"), QRect(400, 190, 226, 80));
    Lbl_Seikai = MakeActionLabel(GroupBox1, QString(), QRect(12, 24, 200, 44), 32, true,
                                 QStringLiteral("yellow"));

    makeStartButton(QStringLiteral("ゲームはじめ"), QRect(400, 400, 226, 40), QString());

    Timer1 = new QTimer(this);
    connect(Timer1, &QTimer::timeout, this, &TF_Game6::Timer1Timer);

    MP_MO_1 = new WindowMusic(this, QStringLiteral("Mogu.mid"));
    MP_MO_1->nextFile = [this] { return GameMusicFile(6, MusicVariant(6, board_.rightInGame)); };
}

void TF_Game6::FormCreate()
{
    level_ = Player_Tbl[Cur_Player].Level[6];
    QString failed;
    // The set is fixed at start; the pictures need only its first kanji and its size.
    const int lastLevel = level_ != Cur_Levels ? Cur_PerLevel : Cur_LastLevel;
    board_.setUp(level_, SpriteBase(level_), lastLevel, this);
    if (!picture_.setUp(static_cast<int>(450 * Disp_Scale), board_, Disp_Scale, failed,
                        DisplayScale(Img1))) {
        failSetUp(failed);
        return;
    }
    Img1->setImage(&picture_.board());
    Img1->setScene([this](QPainter& p, qint64 ms) { picture_.paint(p, ms); },
                   [this](qint64 ms) { return picture_.itemsArea(ms); });
    Randomize();
    questions = std::make_unique<QuestionLabels>(this, Lbl_Title->geometry().bottom() + 1);
    openSounds();
}

void TF_Game6::openSounds()
{
    OpenActionSounds(this, MP_MO_1, QStringLiteral("game61.mid"),
                     {{&MP_Atari, "Atari.wav"}, {&MP_Hazure, "Hazure.wav"}, {&MP_Mondai, "Mondai.wav"}});
}

void TF_Game6::Btn_StartClick()
{
    if (setUpFailed_ || running_)
        return;
    if (level_ != Cur_Levels)
        Cur_LastLevel = Cur_PerLevel;
    board_.setUp(level_, SpriteBase(level_), Cur_LastLevel, this);
    board_.start(TBar_Speed->value());
    showScore();
    if (!beginPlay(MoleBoard::TickIntervalMs(TBar_Speed->value()), QStringLiteral("game61.mid"),
                   board_.currentKanji()))
        return;
    // The speed box shows the progress from now on.
    GroupBox2->setTitle(QStringLiteral("すすみぐあい"));
    Label5->hide();
    Label6->hide();
    TBar_Speed->hide();
    Shp_Shinkou1->show();
    Shp_Shinkou2->resize(0, 20);
    Shp_Shinkou2->show();
    Shp_Shinkou2->raise();
}

void TF_Game6::Timer1Timer()
{
    if (!running_)
        return;
    const bool drawn = picture_.drawn();
    switch (board_.tick()) {
    case MoleBoard::TickResult::Running:
        // On its track: full when the last right character has come up, never beyond.
        Shp_Shinkou2->resize(MoleBoard::ProgressWidth(board_.rightInGame, Shp_Shinkou1->width()),
                             20);
        showScore();
        // The characters are redrawn by the display timer; the first tick brings the holes.
        if (!drawn)
            Img1->update();
        return;
    case MoleBoard::TickResult::Ended:
        endOfGame();
        return;
    case MoleBoard::TickResult::Stopped:
        questionFileFailed();
        return;
    }
}

void TF_Game6::Img1MouseDown(int x, int y)
{
    if (!running_)
        return;
    int c = 0, r = 0;
    if (board_.click(x, y, c, r) == MoleBoard::ClickResult::Hit) {
        // The hit picture stays until the next tick redraws the board.
        picture_.drawHit(c, r);
        Img1->update();
        showScore();
    }
}

void TF_Game6::endOfGame()
{
    Timer1->stop();
    running_ = false;
    picture_.clear();
    Img1->update();
    if (Midi_Count != 0)
        MP_MO_1->stop();
    const bool pass = board_.passed();
    announceResult(pass ? QStringLiteral("おめでとう！ ごうかくです")
                        : QStringLiteral("ざんねん！ ふごうかくです"),
                   pass, 6, board_.score);
    questions->setVisible(false);
    Cancel();
}

void TF_Game6::showScore() { Lbl_Seikai->setText(QString::number(board_.score)); }

void TF_Game6::releaseSounds() { CloseEffects({MP_Atari, MP_Hazure, MP_Mondai}); }

void TF_Game6::StopAllSounds() { StopEffects({MP_Mondai, MP_Atari, MP_Hazure}); }

void TF_Game6::playSound(ActionSound sound)
{
    SoundEffect* effect = sound == ActionSound::Atari    ? MP_Atari
                          : sound == ActionSound::Hazure ? MP_Hazure
                          : sound == ActionSound::Mondai ? MP_Mondai
                                                         : nullptr;
    StopAllSounds();
    if (effect && !effect->play() && sound != ActionSound::Mondai)
        ShowMessage(this, QStringLiteral("WAVEでエラーがおこりました。 "));
}

bool TF_Game6::showQuestion(int kanji) { return questions->showQuestion(kanji); }

void TF_Game6::characterHit(int kanji, bool right)
{
    RecordKanjiAnswer(kanji, KanjiAsked::Kanji, right);
}

void TF_Game6::drawTick() { picture_.drawBoard(board_, Clock::elapsedMs(), Timer1->interval()); }

bool TF_Game6::eventFilter(QObject* watched, QEvent* event)
{
    // A second press within the double-click time arrives as a double-click: it is a press too.
    if (watched == Img1 && (event->type() == QEvent::MouseButtonPress ||
                            event->type() == QEvent::MouseButtonDblClick)) {
        const QPoint p = static_cast<QMouseEvent*>(event)->position().toPoint();
        Img1MouseDown(p.x(), p.y());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
