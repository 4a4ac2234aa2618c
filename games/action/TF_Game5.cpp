#include "games/action/TF_Game5.h"

#include "aftergame/Ranking.h"
#include "data/ErrorReports.h"
#include "data/MainMenu.h"
#include "data/ProgramDir.h"
#include "data/Music.h"
#include "data/Rules.h"
#include "data/Tables.h"
#include "games/action/ActionControls.h"
#include "games/action/ActionSounds.h"
#include "games/action/ImageView.h"
#include "platform/Clock.h"
#include "platform/Fonts.h"
#include "platform/HandCursor.h"
#include "platform/MediaPlayer.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgramWindow.h"
#include "platform/Random.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <algorithm>

namespace {
constexpr int PlayfieldX = 6;
constexpr int PlayfieldY = 56;
constexpr int PlayfieldDesignW = 417;
constexpr int PlayfieldDesignH = 342;
}  // namespace

TF_Game5::TF_Game5()
{
    setAttribute(Qt::WA_DeleteOnClose);
    PrepareProgramWindow(this, QColor(Navy));
    setWindowTitle(QStringLiteral("かんじげきついゲーム"));
    setFocusPolicy(Qt::StrongFocus);
    resize(640, 480);
    buildControls();
    FormCreate();
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);
}

TF_Game5::~TF_Game5() = default;

void TF_Game5::buildControls()
{
    Lbl_Title = MakeActionLabel(this, QStringLiteral("かんじげきついゲーム"), QRect(8, 2, 200, 22), 18,
                          true, QStringLiteral("yellow"));
    Label2 = MakeActionLabel(this, QStringLiteral("せいかいの字を打ち落とそう。"),
                       QRect(214, 4, 260, 20), 14, false, QStringLiteral("white"));

    Img1 = new ImageView(this);
    Img1->setGeometry(PlayfieldX, PlayfieldY, PlayfieldDesignW, PlayfieldDesignH);
    Img_Kakunouko = new ImageView(this);
    Img_Kakunouko->setGeometry(6, 414, ShootDownPicture::StoreWidth, ShootDownPicture::StoreHeight);

    Lbl_Enchou = MakeActionLabel(this, QStringLiteral("時間えんちょう中"), QRect(440, 300, 180, 24), 18,
                           true, QStringLiteral("red"));
    Lbl_Enchou->hide();

    GroupBox2 = MakeActionGroup(this, QStringLiteral("スピード"), QRect(440, 60, 186, 76));
    GroupBox2->setToolTip(QStringLiteral("かんじが落ちるスピードをえらびます"));
    TBar_Speed = new QSlider(Qt::Horizontal, GroupBox2);
    TBar_Speed->setRange(1, 5);
    TBar_Speed->setValue(3);
    TBar_Speed->setTickPosition(QSlider::TicksBelow);
    TBar_Speed->setPageStep(1);
    TBar_Speed->setGeometry(10, 22, 166, 28);
    GiveHandCursor(TBar_Speed);
    MakeActionLabel(GroupBox2, QStringLiteral("おそい"), QRect(8, 52, 60, 18), 12, false,
              QStringLiteral("white"));
    auto* fast = MakeActionLabel(GroupBox2, QStringLiteral("速い"), QRect(118, 52, 60, 18), 12, false,
                           QStringLiteral("white"));
    fast->setAlignment(Qt::AlignRight);

    GroupBox1 = MakeActionGroup(this, QStringLiteral("とくてん"), QRect(440, 150, 186, 140));
    Lbl_Nokori_Time = MakeActionLabel(GroupBox1, QString(), QRect(10, 22, 170, 26), 20, true,
                                QStringLiteral("white"));
    Label4 = MakeActionLabel(GroupBox1, QStringLiteral("とくてん"), QRect(10, 56, 80, 22), 16, false,
                       QStringLiteral("white"));
    Lbl_Tokuten = MakeActionLabel(GroupBox1, QString(), QRect(10, 80, 170, 30), 24, true,
                            QStringLiteral("yellow"));
    Lbl_Seikai = MakeActionLabel(GroupBox1, QString(), QRect(10, 112, 170, 22), 14, false,
                           QStringLiteral("white"));

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

    Btn_Start = MakeActionButton(this, QStringLiteral("ゲームスタート"), QRect(440, 400, 186, 40),
                           QStringLiteral("ゲームをスタートします"));
    Btn_Start->setFont(PixelFont(16, true));
    connect(Btn_Start, &QPushButton::clicked, this, [this] {
        if (running_)
            Cancel();
        else
            Btn_StartClick();
    });

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
    // The playfield never grows beyond its designed size.
    const int W = std::min(PlayfieldDesignW, static_cast<int>(360 * Disp_Scale));
    const int H = std::min(PlayfieldDesignH, static_cast<int>(320 * Disp_Scale));
    Img1->resize(W, H);

    level_ = Player_Tbl[Cur_Player].Level[5];
    game_.setUp(W, H, level_, this);
    spriteBase_ = SpriteBase(level_);
    QString failed;
    if (!picture_.setUp(W, H, spriteBase_, failed)) {
        // Without its pictures the game cannot be played: say which one and go back.
        setUpFailed_ = true;
        FileErrorReport(this, failed);
        QTimer::singleShot(0, this, &QWidget::close);
        return;
    }
    Img1->setImage(&picture_.screen());
    Img_Kakunouko->setImage(&picture_.store());
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
    Timer1->setInterval(ActionTickMs);
    Timer1->start();
    TBar_Speed->setEnabled(false);
    questions->setVisible(true);
    picture_.clear();
    if (Midi_Count != 0)
        MP_MO_1->start(QStringLiteral("game51.mid"));
    if (!questions->showQuestion(spriteBase_ + game_.question.current)) {
        Timer1->stop();
        fatal_ = true;
        QuestionFileFailure(this);
        close();
        return;
    }
    running_ = true;
    Btn_Start->setText(QStringLiteral("ゲームおわり"));
    Btn_Left->show();
    Btn_Right->show();
    Btn_utsu->show();
    Img1->update();
}

void TF_Game5::Timer1Timer()
{
    if (!running_)
        return;
    const ShootDown::TickResult result = game_.tick(Clock::elapsedMs());
    Img1->update();
    Img_Kakunouko->update();
    switch (result) {
    case ShootDown::TickResult::Running:
        return;
    case ShootDown::TickResult::TimeOut:
        Timer1->stop();
        Lbl_Nokori_Time->clear();
        Btn_Left->hide();
        Btn_Right->hide();
        if (Midi_Count != 0)
            MP_MO_1->stop();
        Game_Over();
        Cancel();
        return;
    case ShootDown::TickResult::Destroyed:
        Game_Over();
        Cancel();
        return;
    case ShootDown::TickResult::Stopped:
        Timer1->stop();
        running_ = false;
        fatal_ = true;
        QuestionFileFailure(this);
        close();
        return;
    }
}

void TF_Game5::Game_Over()
{
    Timer1->stop();
    running_ = false;
    const bool pass = game_.passed();
    ShowMessage(this, pass ? QStringLiteral("GAME OVER! おめでとう！ 合格です")
                           : QStringLiteral("GAME OVER! ざんねん！ 不合格です"));
    // A credit counts only while there are levels left to clear.
    if (pass && Player_Tbl[Cur_Player].Level[5] <= Cur_Levels)
        LevelUp(5);
    Last_Score = game_.score;
    ShowRanking(this);
    Lbl_Seikai->setText(QStringLiteral(" "));
}

void TF_Game5::Cancel()
{
    if (cancelled_)
        return;
    cancelled_ = true;
    running_ = false;
    MP_MO_1->stop();
    Timer1->stop();
    releaseSounds();
    close();
}

void TF_Game5::releaseSounds() { CloseEffects({MP_Atari, MP_Hazure, MP_Bang, MP_Mondai}); }

void TF_Game5::closeEvent(QCloseEvent* event)
{
    if (!cancelled_) {
        cancelled_ = true;
        running_ = false;
        Timer1->stop();
        MP_MO_1->stop();
        releaseSounds();
    }
    if (!fatal_)
        ShowMainMenu();
    event->accept();
}

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

bool TF_Game5::showQuestion(int sprite) { return questions->showQuestion(spriteBase_ + sprite); }

void TF_Game5::showStatus(qint64 remainingMs, int score)
{
    const qint64 seconds = remainingMs > 0 ? remainingMs / 1000 : 0;
    if (seconds != shownSeconds_) {
        shownSeconds_ = seconds;
        Lbl_Nokori_Time->setText(RemainingTimeText(remainingMs));
    }
    if (score != shownScore_) {
        shownScore_ = score;
        Lbl_Tokuten->setText(QString::number(score) + QStringLiteral("点"));
    }
}

void TF_Game5::extended(int extensions)
{
    Lbl_Enchou->show();
    if (extensions == 4) {
        // From the fourth extension on the launcher sounds different.
        delete MP_Hassha;
        MP_Hassha = new SoundEffect(this, QStringLiteral("Hassha2.wav"));
    }
}

void TF_Game5::drawFrame() { picture_.drawFrame(game_); }

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

bool TF_Game5::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress)
        return ChildKey(static_cast<QKeyEvent*>(event)->key());
    if (event->type() == QEvent::KeyRelease) {
        // Releases change nothing, but must not reach a control either.
        const int key = static_cast<QKeyEvent*>(event)->key();
        return key == Qt::Key_Space || key == Qt::Key_Left || key == Qt::Key_Right ||
               key == Qt::Key_Down;
    }
    return QWidget::eventFilter(watched, event);
}

void TF_Game5::keyPressEvent(QKeyEvent* event)
{
    if (!ChildKey(event->key()))
        QWidget::keyPressEvent(event);
}
