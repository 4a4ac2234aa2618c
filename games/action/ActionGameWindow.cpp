// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/action/ActionGameWindow.h"

#include "aftergame/Ranking.h"
#include "data/ErrorReports.h"
#include "data/MainMenu.h"
#include "data/Music.h"
#include "data/Rules.h"
#include "data/Tables.h"
#include "games/action/ActionControls.h"
#include "games/action/BackBuffer.h"
#include "games/action/ImageView.h"
#include "platform/BackBeforeStart.h"
#include "platform/Clock.h"
#include "platform/DisplayRefresh.h"
#include "platform/Fonts.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgramWindow.h"
#include "platform/StartEndGuard.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

ActionGameWindow::ActionGameWindow(const QString& title)
{
    setAttribute(Qt::WA_DeleteOnClose);
    PrepareProgramWindow(this, QColor(Navy));
    setWindowTitle(title);
    resize(640, 480);
    Lbl_Title =
        MakeActionLabel(this, title, QRect(8, 2, 200, 22), 18, true, QStringLiteral("yellow"));

    displayTimer = new QTimer(this);
    displayTimer->setTimerType(Qt::PreciseTimer);
    connect(displayTimer, &QTimer::timeout, this, &ActionGameWindow::displayTimerTimer);
}

void ActionGameWindow::displayTimerTimer()
{
    if (Img1)
        Img1->showAt(Clock::elapsedMs());
    // A game just ended still shows its last tick, then the playfield rests.
    if (!running_ || !Img1)
        displayTimer->stop();
}

qreal ActionGameWindow::DisplayScale(const QWidget* w) { return w->devicePixelRatioF(); }

ActionGameWindow::~ActionGameWindow() = default;

void ActionGameWindow::makeStartButton(const QString& text, const QRect& r, const QString& hint)
{
    Btn_Start = MakeActionButton(this, text, r, hint);
    Btn_Start->setFont(PixelFont(16, true));
    connect(Btn_Start, &QPushButton::clicked, this, [this] {
        if (running_)
            Cancel();
        else
            Btn_StartClick();
    });
    new StartEndGuard(Btn_Start, Btn_Start, [this] { return running_; });
    // Under the start button, the way back before the game begins (a game that ends closes
    // its window).
    new BackBeforeStart(this, QRect(r.x(), r.bottom() + 1 + 4, r.width(), 30), Btn_Start,
                        [this] { return running_; }, [this] { Cancel(); });
}

void ActionGameWindow::failSetUp(const QString& file)
{
    setUpFailed_ = true;
    FileErrorReport(this, file);
    QTimer::singleShot(0, this, &QWidget::close);
}

bool ActionGameWindow::beginPlay(int intervalMs, const QString& music, int firstQuestion)
{
    Timer1->setInterval(intervalMs);
    Timer1->start();
    TBar_Speed->setEnabled(false);
    questions->setVisible(true);
    if (Midi_Count != 0)
        MP_MO_1->start(music);
    if (!questions->showQuestion(firstQuestion)) {
        questionFileFailed();
        return false;
    }
    running_ = true;
    Btn_Start->setText(QStringLiteral("ゲームおわり"));
    displayTimer->start(DisplayFrameMs(screen()));
    return true;
}

void ActionGameWindow::questionFileFailed()
{
    Timer1->stop();
    running_ = false;
    fatal_ = true;
    QuestionFileFailure(this);
    close();
}

void ActionGameWindow::announceResult(const QString& verdict, bool credit, int game, int score)
{
    ShowMessage(this, verdict);
    if (credit)
        LevelUp(game);
    Last_Score = score;
    ShowRanking(this);
    Lbl_Seikai->setText(QStringLiteral(" "));
}

void ActionGameWindow::Cancel()
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

void ActionGameWindow::closeEvent(QCloseEvent* event)
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
