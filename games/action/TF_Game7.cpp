// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/action/TF_Game7.h"

#include "data/Music.h"
#include "data/Tables.h"
#include "games/action/ActionControls.h"
#include "games/action/ActionSounds.h"
#include "games/action/ImageView.h"
#include "platform/CentredLayout.h"
#include "platform/Clock.h"
#include "platform/Random.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

namespace {
constexpr int PlayfieldX = 24;
constexpr int PlayfieldY = 88;
constexpr int PlayfieldDesignW = 360;
constexpr int PlayfieldDesignH = 320;
}  // namespace

TF_Game7::TF_Game7()
    : PaddleGameWindow(QStringLiteral("かんじをキャッチ"),
                       {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down})
{
    buildControls();
    FormCreate();
    takeKeysFromControls();
    CentreLayout(this, {}, Img1);
}

TF_Game7::~TF_Game7() = default;

void TF_Game7::buildControls()
{
    Label2 = MakeActionLabel(this, QStringLiteral("せいかいの字をキャッチしよう。"),
                             QRect(214, 4, 280, 20), 14, false, QStringLiteral("white"));
    Img1 = new ImageView(this);
    Img1->setGeometry(PlayfieldX, PlayfieldY, PlayfieldDesignW, PlayfieldDesignH);

    buildClockPanel();

    Btn_Left = MakeActionButton(this, QStringLiteral("← ひだり"), QRect(110, 414, 90, 34),
                                QStringLiteral("パドルを左へ動かします"));
    Btn_Right = MakeActionButton(this, QStringLiteral("みぎ →"), QRect(210, 414, 90, 34),
                                 QStringLiteral("パドルを右へ動かします"));
    for (QPushButton* b : {Btn_Left, Btn_Right}) {
        b->hide();
        connect(b, &QPushButton::released, this, &TF_Game7::Btn_RightMouseUp);
    }
    connect(Btn_Left, &QPushButton::pressed, this, &TF_Game7::Btn_LeftMouseDown);
    connect(Btn_Right, &QPushButton::pressed, this, &TF_Game7::Btn_RightMouseDown);

    makeStartButton(QStringLiteral("ゲームスタート"), QRect(440, 400, 186, 40),
                    QStringLiteral("ゲームをスタートします"));

    Timer1 = new QTimer(this);
    Timer1->setInterval(ActionTickMs);
    connect(Timer1, &QTimer::timeout, this, &TF_Game7::Timer1Timer);

    MP_MO_1 = new WindowMusic(this, QStringLiteral("Mogu.mid"));
    MP_MO_1->nextFile = [this] {
        return GameMusicFile(7, MusicVariant(7, game_.clock.extensions()));
    };
}

void TF_Game7::FormCreate()
{
    const QSize size = fitPlayfield(PlayfieldDesignW, PlayfieldDesignH);
    level_ = Player_Tbl[Cur_Player].Level[7];
    game_.setUp(size.width(), size.height(), level_, this);
    spriteBase_ = SpriteBase(level_);
    if (!picture_.setUp(size.width(), size.height(), spriteBase_, DisplayScale(Img1))) {
        // Without its stars the game cannot be played.
        failSetUp(QStringLiteral("STARS2.bmp"));
        return;
    }
    Img1->setImage(&picture_.screen());
    Img1->setScene([this](QPainter& p, qint64 ms) { picture_.paint(p, game_, ms); },
                   [this](qint64 ms) { return picture_.itemsArea(ms); });
    if (level_ != Cur_Levels)
        Cur_LastLevel = Cur_PerLevel;
    questions = std::make_unique<QuestionLabels>(this, Lbl_Title->geometry().bottom() + 1);
    openSounds();
}

void TF_Game7::openSounds()
{
    OpenActionSounds(this, MP_MO_1, QStringLiteral("game71.mid"),
                     {{&MP_Atari, "Atari.wav"}, {&MP_Hazure, "Hazure.wav"}, {&MP_Mondai, "Mondai.wav"}});
}

void TF_Game7::Btn_StartClick()
{
    if (setUpFailed_ || running_)
        return;
    Randomize();
    game_.start(TBar_Speed->value(), Clock::elapsedMs());
    picture_.clear();
    if (!beginPaddlePlay(QStringLiteral("game71.mid"), game_.question.current))
        return;
    Img1->update();
}

void TF_Game7::Timer1Timer()
{
    if (!running_)
        return;
    const Catcher::TickResult result = game_.tick(Clock::elapsedMs());
    // The falling items are redrawn by the display timer; a tick moves the catcher strip.
    Img1->changedAtNextShow(picture_.stripArea());
    switch (result) {
    case Catcher::TickResult::Running:
        return;
    case Catcher::TickResult::TimeOut:
        timeOut();
        return;
    case Catcher::TickResult::Stopped:
        questionFileFailed();
        return;
    }
}

void TF_Game7::timeOut()
{
    stopAtTimeOut();
    running_ = false;
    const bool pass = game_.passed();
    announceResult(pass ? QStringLiteral("おめでとう！ 合格です")
                        : QStringLiteral("ざんねん！ 不合格です"),
                   pass, 7, game_.score);
    questions->setVisible(false);
    Cancel();
}

void TF_Game7::releaseSounds() { CloseEffects({MP_Atari, MP_Hazure, MP_Mondai}); }

void TF_Game7::StopAllSounds() { StopEffects({MP_Mondai, MP_Atari, MP_Hazure}); }

void TF_Game7::playSound(ActionSound sound)
{
    SoundEffect* effect = sound == ActionSound::Atari    ? MP_Atari
                          : sound == ActionSound::Mondai ? MP_Mondai
                                                         : nullptr;
    StopAllSounds();
    if (effect)
        effect->play();
}

void TF_Game7::drawFrame() { picture_.drawFrame(game_, Clock::elapsedMs()); }

void TF_Game7::drawTick() { picture_.drawTick(game_); }

bool TF_Game7::ChildKey(int key)
{
    switch (key) {
    case Qt::Key_Left:
        game_.held = CatcherControl::Left;
        return true;
    case Qt::Key_Right:
        game_.held = CatcherControl::Right;
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
        game_.held = CatcherControl::None;
        return true;
    default:
        return false;
    }
}
