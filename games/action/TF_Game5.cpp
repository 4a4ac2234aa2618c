// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/action/TF_Game5.h"

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
constexpr int PlayfieldX = 6;
constexpr int PlayfieldY = 56;
constexpr int PlayfieldDesignW = 417;
constexpr int PlayfieldDesignH = 342;
}  // namespace

TF_Game5::TF_Game5()
    : PaddleGameWindow(QStringLiteral("かんじげきついゲーム"),
                       {Qt::Key_Space, Qt::Key_Left, Qt::Key_Right, Qt::Key_Down})
{
    buildControls();
    FormCreate();
    takeKeysFromControls();
    CentreLayout(this, {}, Img1);
}

TF_Game5::~TF_Game5() = default;

void TF_Game5::buildControls()
{
    Label2 = MakeActionLabel(this, QStringLiteral("せいかいの字を打ち落とそう。"),
                             QRect(214, 4, 260, 20), 14, false, QStringLiteral("white"));

    Img1 = new ImageView(this);
    Img1->setGeometry(PlayfieldX, PlayfieldY, PlayfieldDesignW, PlayfieldDesignH);
    Img_Kakunouko = new ImageView(this);
    Img_Kakunouko->setGeometry(6, 414, ShootDownPicture::StoreWidth, ShootDownPicture::StoreHeight);

    buildClockPanel();

    Btn_Left = MakeActionButton(this, QStringLiteral("← ひだり"), QRect(150, 408, 84, 34),
                                QStringLiteral("パドルを左へ動かします"));
    Btn_utsu = MakeActionButton(this, QStringLiteral("うつ"), QRect(240, 408, 84, 34),
                                QStringLiteral("たまを発射します"));
    Btn_Right = MakeActionButton(this, QStringLiteral("みぎ →"), QRect(330, 408, 84, 34),
                                 QStringLiteral("パドルを右へ動かします"));
    for (QPushButton* b : {Btn_Left, Btn_utsu, Btn_Right}) {
        b->setAutoRepeat(false);
        b->hide();
        connect(b, &QPushButton::released, this, &TF_Game5::Btn_RightMouseUp);
    }
    connect(Btn_Left, &QPushButton::pressed, this, &TF_Game5::Btn_LeftMouseDown);
    connect(Btn_Right, &QPushButton::pressed, this, &TF_Game5::Btn_RightMouseDown);
    connect(Btn_utsu, &QPushButton::pressed, this, &TF_Game5::Btn_utsuMouseDown);

    makeStartButton(QStringLiteral("ゲームスタート"), QRect(440, 400, 186, 40),
                    QStringLiteral("ゲームをスタートします"));

    Timer1 = new QTimer(this);
    Timer1->setInterval(ActionTickMs);
    connect(Timer1, &QTimer::timeout, this, &TF_Game5::Timer1Timer);

    MP_MO_1 = new WindowMusic(this, QStringLiteral("Mogu.mid"));
    MP_MO_1->nextFile = [this] {
        return GameMusicFile(5, MusicVariant(5, game_.clock.extensions()));
    };
}

void TF_Game5::FormCreate()
{
    const QSize size = fitPlayfield(PlayfieldDesignW, PlayfieldDesignH);
    level_ = Player_Tbl[Cur_Player].Level[5];
    game_.setUp(size.width(), size.height(), level_, this);
    spriteBase_ = SpriteBase(level_);
    QString failed;
    if (!picture_.setUp(size.width(), size.height(), spriteBase_, failed, DisplayScale(Img1))) {
        // Without its pictures the game cannot be played.
        failSetUp(failed);
        return;
    }
    Img1->setImage(&picture_.screen());
    Img1->setScene([this](QPainter& p, qint64 ms) { picture_.paint(p, game_, ms); },
                   [this](qint64 ms) { return picture_.itemsArea(ms); });
    Img_Kakunouko->setImage(&picture_.store());
    Img_Kakunouko->setPainter([this](QPainter& p) { picture_.paintStore(p, game_); });
    if (level_ != Cur_Levels)
        Cur_LastLevel = Cur_PerLevel;

    questions = std::make_unique<QuestionLabels>(this, Lbl_Title->geometry().bottom() + 1);
    openSounds();
}

void TF_Game5::openSounds()
{
    OpenActionSounds(this, MP_MO_1, QStringLiteral("game51.mid"),
                     {{&MP_Atari, "Atari.wav"}, {&MP_Hazure, "Hazure.wav"}, {&MP_Bang, "Bang.wav"},
                      {&MP_Hassha, "Hassha1.wav"}, {&MP_Mondai, "Mondai.wav"}});
}

void TF_Game5::Btn_StartClick()
{
    if (setUpFailed_ || running_)
        return;
    Randomize();
    game_.start(TBar_Speed->value(), Clock::elapsedMs());
    picture_.clear();
    if (!beginPaddlePlay(QStringLiteral("game51.mid"), game_.question.current))
        return;
    Btn_utsu->show();
    Img1->update();
}

void TF_Game5::Timer1Timer()
{
    if (!running_)
        return;
    const bool framed = picture_.framed();
    const ShootDown::TickResult result = game_.tick(Clock::elapsedMs());
    // The moving items are redrawn by the display timer; a tick changes the launcher strip, and
    // the first frame step brings the frame.
    if (framed)
        Img1->changedAtNextShow(picture_.stripArea());
    else
        Img1->update();
    const int stored = game_.p.bulletSlots - game_.bulletsInFlight;
    if (stored != storeShown_) {
        storeShown_ = stored;
        Img_Kakunouko->update();
    }
    switch (result) {
    case ShootDown::TickResult::Running:
        return;
    case ShootDown::TickResult::TimeOut:
        stopAtTimeOut();
        Game_Over();
        Cancel();
        return;
    case ShootDown::TickResult::Destroyed:
        Game_Over();
        Cancel();
        return;
    case ShootDown::TickResult::Stopped:
        questionFileFailed();
        return;
    }
}

void TF_Game5::Game_Over()
{
    Timer1->stop();
    running_ = false;
    const bool pass = game_.passed();
    // A credit counts only while there are levels left to clear.
    announceResult(pass ? QStringLiteral("GAME OVER! おめでとう！ 合格です")
                        : QStringLiteral("GAME OVER! ざんねん！ 不合格です"),
                   pass && Player_Tbl[Cur_Player].Level[5] <= Cur_Levels, 5, game_.score);
}

void TF_Game5::releaseSounds() { CloseEffects({MP_Atari, MP_Hazure, MP_Bang, MP_Mondai}); }

void TF_Game5::StopAllSounds() { StopEffects({MP_Mondai, MP_Hassha, MP_Bang, MP_Atari, MP_Hazure}); }

void TF_Game5::playEffect(SoundEffect* effect)
{
    StopAllSounds();
    if (effect)
        effect->play();  // a sound that cannot play leaves the game silent, never stopped
}

void TF_Game5::playSound(ActionSound sound)
{
    switch (sound) {
    case ActionSound::Atari:
        playEffect(MP_Atari);
        break;
    case ActionSound::Hazure:
        playEffect(MP_Hazure);
        break;
    case ActionSound::Bang:
        playEffect(MP_Bang);
        break;
    case ActionSound::Hassha:
        playEffect(MP_Hassha);
        break;
    case ActionSound::Mondai:
        playEffect(MP_Mondai);
        break;
    }
}

void TF_Game5::extended(int extensions)
{
    PaddleGameWindow::extended(extensions);
    if (extensions == 4) {
        // From the fourth extension on the launcher sounds different. The same effect takes the
        // new file: an error box runs ticks in its own loop, and they must find a live player.
        if (MP_Hassha)
            MP_Hassha->reopen(this, QStringLiteral("Hassha2.wav"));
        else
            MP_Hassha = new SoundEffect(this, QStringLiteral("Hassha2.wav"));
    }
}

void TF_Game5::drawFrame() { picture_.drawFrame(game_, Clock::elapsedMs()); }

void TF_Game5::drawTick() { picture_.drawTick(game_); }

bool TF_Game5::ChildKey(int key)
{
    switch (key) {
    case Qt::Key_Space:
        game_.setHeld(HeldControl::Fire);
        return true;
    case Qt::Key_Left:
        game_.setHeld(HeldControl::Left);
        return true;
    case Qt::Key_Right:
        game_.setHeld(HeldControl::Right);
        return true;
    case Qt::Key_Down:
        game_.setHeld(HeldControl::None);
        return true;
    default:
        return false;
    }
}
