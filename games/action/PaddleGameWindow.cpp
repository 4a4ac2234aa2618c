// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/action/PaddleGameWindow.h"

#include "data/KanjiHistory.h"
#include "data/Music.h"
#include "data/Tables.h"
#include "games/action/ActionControls.h"
#include "games/action/ExtensionClock.h"
#include "games/action/FrameTicker.h"
#include "games/action/ImageView.h"
#include "platform/Fonts.h"
#include "platform/HandCursor.h"
#include "writing/RubyText.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <algorithm>

PaddleGameWindow::PaddleGameWindow(const QString& title, std::initializer_list<int> gameKeys)
    : ActionGameWindow(title), gameKeys_(gameKeys)
{
    setFocusPolicy(Qt::StrongFocus);
}

void PaddleGameWindow::buildClockPanel()
{
    const QString white = QStringLiteral("white");
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
    TBar_Speed->setGeometry(10, 20, 166, 26);
    GiveHandCursor(TBar_Speed);
    MakeActionLabel(GroupBox2, QStringLiteral("おそい"), QRect(8, 56, 60, 18), 12, false, white);
    MakeActionLabel(GroupBox2, QStringLiteral("速い"), QRect(118, 56, 60, 18), 12, false, white)
        ->setAlignment(Qt::AlignRight);

    GroupBox1 = MakeActionGroup(this, QStringLiteral("とくてん"), QRect(440, 150, 186, 140));
    Lbl_Nokori_Time =
        MakeActionLabel(GroupBox1, QString(), QRect(10, 22, 170, 26), 20, true, white);
    Label4 = MakeActionLabel(GroupBox1, QStringLiteral("とくてん"), QRect(10, 50, 80, 20), 16,
                             false, white);
    // The score's furigana ("てん" over 点) stand between it and its caption.
    const int scoreTop = 50 + 20 + RubyHeight(PixelFont(24, true));
    Lbl_Tokuten = MakeActionLabel(GroupBox1, QString(), QRect(10, scoreTop, 170, 28), 24, true,
                                  QStringLiteral("yellow"));
    Lbl_Seikai = MakeActionLabel(GroupBox1, QString(), QRect(10, scoreTop + 28, 170, 22), 14,
                                 false, white);
}

QSize PaddleGameWindow::fitPlayfield(int designW, int designH)
{
    const int W = std::min(designW, static_cast<int>(360 * Disp_Scale));
    const int H = std::min(designH, static_cast<int>(320 * Disp_Scale));
    Img1->resize(W, H);
    return {W, H};
}

void PaddleGameWindow::takeKeysFromControls()
{
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);
}

bool PaddleGameWindow::beginPaddlePlay(const QString& music, int firstSprite)
{
    if (!beginPlay(ActionTickMs, music, spriteBase_ + firstSprite))
        return false;
    Btn_Left->show();
    Btn_Right->show();
    return true;
}

void PaddleGameWindow::stopAtTimeOut()
{
    Timer1->stop();
    Lbl_Nokori_Time->clear();
    Btn_Left->hide();
    Btn_Right->hide();
    if (Midi_Count != 0)
        MP_MO_1->stop();
}

bool PaddleGameWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress)
        return ChildKey(static_cast<QKeyEvent*>(event)->key());
    if (event->type() == QEvent::KeyRelease) {
        // Releases change nothing, but must not reach a control either.
        return gameKeys_.contains(static_cast<QKeyEvent*>(event)->key());
    }
    return QWidget::eventFilter(watched, event);
}

void PaddleGameWindow::keyPressEvent(QKeyEvent* event)
{
    if (!ChildKey(event->key()))
        QWidget::keyPressEvent(event);
}

bool PaddleGameWindow::showQuestion(int sprite)
{
    return questions->showQuestion(spriteBase_ + sprite);
}

void PaddleGameWindow::characterHit(int sprite, bool right)
{
    RecordKanjiAnswer(spriteBase_ + sprite, KanjiAsked::Kanji, right);
}

void PaddleGameWindow::showStatus(qint64 remainingMs, int score)
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

void PaddleGameWindow::extended(int) { Lbl_Enchou->show(); }
