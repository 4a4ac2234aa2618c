#include "games/action/TF_Game7.h"

#include "aftergame/Ranking.h"
#include "data/ErrorReports.h"
#include "data/MainMenu.h"
#include "data/Music.h"
#include "data/ProgramDir.h"
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
constexpr int PlayfieldX = 24;
constexpr int PlayfieldY = 88;
constexpr int PlayfieldDesignW = 360;
constexpr int PlayfieldDesignH = 320;
}  // namespace

TF_Game7::TF_Game7()
{
    setAttribute(Qt::WA_DeleteOnClose);
    PrepareProgramWindow(this, QColor(Navy));
    setWindowTitle(QStringLiteral("かんじをキャッチ"));
    setFocusPolicy(Qt::StrongFocus);
    resize(640, 480);
    buildControls();
    FormCreate();
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);
}

TF_Game7::~TF_Game7() = default;

void TF_Game7::buildControls()
{
    const QString white = QStringLiteral("white");
    Lbl_Title = MakeActionLabel(this, QStringLiteral("かんじをキャッチ"), QRect(8, 2, 200, 22), 18,
                                true, QStringLiteral("yellow"));
    Label2 = MakeActionLabel(this, QStringLiteral("せいかいの字をキャッチしよう。"),
                             QRect(214, 4, 280, 20), 14, false, white);
    Img1 = new ImageView(this);
    Img1->setGeometry(PlayfieldX, PlayfieldY, PlayfieldDesignW, PlayfieldDesignH);

    Lbl_Enchou = MakeActionLabel(this, QStringLiteral("時間えんちょう中"), QRect(440, 300, 180, 24),
                                 18, true, QStringLiteral("red"));
    Lbl_Enchou->hide();

    GroupBox2 = MakeActionGroup(this, QStringLiteral("スピード"), QRect(440, 60, 186, 76));
    GroupBox2->setToolTip(QStringLiteral("かんじが落ちるスピードをえらびます"));
    TBar_Speed = new QSlider(Qt::Horizontal, GroupBox2);
    TBar_Speed->setRange(1, 5);
    TBar_Speed->setValue(3);
    TBar_Speed->setPageStep(1);
    TBar_Speed->setTickPosition(QSlider::TicksBelow);
    TBar_Speed->setGeometry(10, 22, 166, 28);
    GiveHandCursor(TBar_Speed);
    MakeActionLabel(GroupBox2, QStringLiteral("おそい"), QRect(8, 52, 60, 18), 12, false, white);
    MakeActionLabel(GroupBox2, QStringLiteral("速い"), QRect(118, 52, 60, 18), 12, false, white)
        ->setAlignment(Qt::AlignRight);

    GroupBox1 = MakeActionGroup(this, QStringLiteral("とくてん"), QRect(440, 150, 186, 140));
    Lbl_Nokori_Time = MakeActionLabel(GroupBox1, QString(), QRect(10, 22, 170, 26), 20, true, white);
    Label4 = MakeActionLabel(GroupBox1, QStringLiteral("とくてん"), QRect(10, 56, 80, 22), 16,
                             false, white);
    Lbl_Tokuten = MakeActionLabel(GroupBox1, QString(), QRect(10, 80, 170, 30), 24, true,
                                  QStringLiteral("yellow"));
    Lbl_Seikai = MakeActionLabel(GroupBox1, QString(), QRect(10, 112, 170, 22), 14, false, white);

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
    connect(Timer1, &QTimer::timeout, this, &TF_Game7::Timer1Timer);

    MP_MO_1 = new WindowMusic(this, QStringLiteral("Mogu.mid"));
    MP_MO_1->nextFile = [this] {
        return GameMusicFile(7, MusicVariant(7, game_.clock.extensions()));
    };
}

void TF_Game7::FormCreate()
{
    const int W = std::min(PlayfieldDesignW, static_cast<int>(360 * Disp_Scale));
    const int H = std::min(PlayfieldDesignH, static_cast<int>(320 * Disp_Scale));
    Img1->resize(W, H);
    level_ = Player_Tbl[Cur_Player].Level[7];
    game_.setUp(W, H, level_, this);
    spriteBase_ = SpriteBase(level_);
    if (!picture_.setUp(W, H, spriteBase_)) {
        // Without its stars the game cannot be played: say so and go back.
        setUpFailed_ = true;
        FileErrorReport(this, QStringLiteral("STARS2.bmp"));
        QTimer::singleShot(0, this, &QWidget::close);
        return;
    }
    Img1->setImage(&picture_.screen());
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
    Timer1->setInterval(ActionTickMs);
    Timer1->start();
    TBar_Speed->setEnabled(false);
    questions->setVisible(true);
    picture_.clear();
    if (Midi_Count != 0)
        MP_MO_1->start(QStringLiteral("game71.mid"));
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
    Img1->update();
}

void TF_Game7::Timer1Timer()
{
    if (!running_)
        return;
    const Catcher::TickResult result = game_.tick(Clock::elapsedMs());
    Img1->update();
    switch (result) {
    case Catcher::TickResult::Running:
        return;
    case Catcher::TickResult::TimeOut:
        timeOut();
        return;
    case Catcher::TickResult::Stopped:
        Timer1->stop();
        running_ = false;
        fatal_ = true;
        QuestionFileFailure(this);
        close();
        return;
    }
}

void TF_Game7::timeOut()
{
    Timer1->stop();
    running_ = false;
    Lbl_Nokori_Time->clear();
    Btn_Left->hide();
    Btn_Right->hide();
    if (Midi_Count != 0)
        MP_MO_1->stop();
    const bool pass = game_.passed();
    ShowMessage(this, pass ? QStringLiteral("おめでとう！ 合格です")
                           : QStringLiteral("ざんねん！ 不合格です"));
    if (pass)
        LevelUp(7);
    Last_Score = game_.score;
    ShowRanking(this);
    Lbl_Seikai->setText(QStringLiteral(" "));
    questions->setVisible(false);
    Cancel();
}

void TF_Game7::Cancel()
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

void TF_Game7::releaseSounds() { CloseEffects({MP_Atari, MP_Hazure, MP_Mondai}); }

void TF_Game7::closeEvent(QCloseEvent* event)
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

bool TF_Game7::showQuestion(int sprite) { return questions->showQuestion(spriteBase_ + sprite); }

void TF_Game7::showStatus(qint64 remainingMs, int score)
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

void TF_Game7::extended(int) { Lbl_Enchou->show(); }

void TF_Game7::drawFrame() { picture_.drawFrame(game_); }

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

bool TF_Game7::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress)
        return ChildKey(static_cast<QKeyEvent*>(event)->key());
    if (event->type() == QEvent::KeyRelease) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up ||
               key == Qt::Key_Down;
    }
    return QWidget::eventFilter(watched, event);
}

void TF_Game7::keyPressEvent(QKeyEvent* event)
{
    if (!ChildKey(event->key()))
        QWidget::keyPressEvent(event);
}
