// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/guess/TF_Game3.h"

#include "data/Tables.h"
#include "games/guess/BoardView.h"
#include "games/guess/PictureGameRules.h"
#include "games/guess/ProgressClock.h"
#include "platform/CentredLayout.h"
#include "platform/Fonts.h"
#include "platform/Random.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

TF_Game3* F_Game3 = nullptr;

TF_Game3::TF_Game3(QWidget* parent)
    : TPictureGameFrame(3, QStringLiteral("かんじシャッフル"), true, QStringLiteral("Seikai.wav"),
                        parent)
{
    F_Game3 = this;
    connect(this, &QObject::destroyed, [] { F_Game3 = nullptr; });
    Randomize();
    stopsBang_ = true;

    Grp_Tokuten->setGeometry(432, 48, 185, 217);
    // Smaller lines here, so the score stays clear of the clock below it.
    Lbl_Nokori->setFont(PixelFont(15, true));
    Lbl_Nokori->setGeometry(11, 64, 170, 20);
    Lbl_Tokuten->setFont(PixelFont(15, true));
    Lbl_Tokuten->setGeometry(11, 92, 170, 18);
    Img_Shinkou = new QLabel(Grp_Tokuten);
    Img_Shinkou->setGeometry(48, 112, 100, 100);
    Grp_Level->move(432, 144);
    Edt_Kotae->move(434, 296);
    Btn_Kouho->move(496, 301);
    Btn_Kouho->setToolTip(QStringLiteral("答をえらぶ"));
    Btn_kotae->setToolTip(QStringLiteral("答のかんじを書く"));
    Lbl_Bunkatsu->clear();
    CentreLayout(this, {}, Image1);
    OpenMedia({MP_Atari, MP_Bang, MP_Hazure});
}

QRect TF_Game3::cellRect(int i, int j) const
{
    const int c = Bunkatsusu > 0 ? 360 / Bunkatsusu : 0;
    return {c * (i - 1), c * (j - 1), c, c};
}

void TF_Game3::showScore()
{
    if (Kekka != 1)
        Game_Score = LevelScore(Bunkatsusu * Bunkatsusu - Pieces.Fixed_Count + Nokori_Kaisuu,
                                storedLevel());
    ShowTokuten();
}

void TF_Game3::StartBoard()
{
    const int n = Bunkatsusu;
    Pieces.setup(n);
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j)
            Cell_Bmp[i][j] = Kanji_Bmp.copy(cellRect(i, j));
    Btn_kotae->show();
    Game_Score = 0;
    Ending.begin(0);
    endingBegun_ = false;
    // About half of the pieces lie in place from the start.
    for (int t = 0; t < Pieces.Start_Count; ++t) {
        ShufflePieces();
        ++Pieces.Fixed_Count;
    }
    DrawPieces();
    ShowNokori();
    showScore();
    Img_Shinkou->clear();
    Timer1->setInterval(2000);
    Timer1->start();
}

void TF_Game3::ShufflePieces() { Pieces.ShufflePieces(); }

void TF_Game3::DrawPieces()
{
    for (int x = 1; x <= Bunkatsusu; ++x)
        for (int y = 1; y <= Bunkatsusu; ++y) {
            const QPoint home = Pieces.pieceAt(x, y);
            if (home.x() >= 1 && home.y() >= 1)
                Board_Bmp.draw(cellRect(x, y).topLeft(), Cell_Bmp[home.x()][home.y()]);
        }
    ShowBoard();
}

void TF_Game3::Timer1Timer()
{
    if (!started())
        return;
    if (Pieces.Fixed_Count < Pieces.End_Count) {
        ShufflePieces();
        DrawPieces();
        showScore();
        Img_Shinkou->setPixmap(QPixmap::fromImage(
            DrawProgressClock(Pieces.Fixed_Count, Pieces.Start_Count, Pieces.End_Count,
                              TwinPicture::ScreenScale())));
        ++Pieces.Fixed_Count;
        return;
    }
    if (Kekka != 1) {
        Lbl_Nokori->hide();
        Lbl_Tokuten->hide();
        Img_Shinkou->hide();
        Btn_kotae_Kinyu->hide();
        Btn_kotae->hide();
        Btn_Start->hide();
        if (Kekka == 0)
            Kekka = 3;  // time up
    }
    if (!endingBegun_) {
        endingBegun_ = true;
        Ending.begin(Kekka);
    }
    EndingTick();
}

void TF_Game3::AnswerBoxOpened() { Timer1->stop(); }

void TF_Game3::WrongAnswerGoesOn() { Timer1->start(); }

void TF_Game3::AnswerDecided()
{
    // The pieces go on settling, once a second, before the ending.
    if (Kekka == 1)
        Btn_Start->hide();
    Timer1->setInterval(1000);
    Timer1->start();
}

int TF_Game3::MusicMeasure() const
{
    return ShuffleProgress(Pieces.Fixed_Count, Pieces.Start_Count, Pieces.End_Count);
}
