// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/puzzle/TF_Game4.h"

#include "data/Music.h"
#include "data/Tables.h"
#include "games/guess/BoardView.h"
#include "games/guess/PictureGameRules.h"
#include "games/guess/ProgressClock.h"
#include "platform/CentredLayout.h"
#include "platform/Fonts.h"
#include "platform/HandCursor.h"
#include "platform/MessageBoxes.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

#include <cmath>

TF_Game4* F_Game4 = nullptr;

namespace {
const QColor Grey(128, 128, 128);
}

TF_Game4::TF_Game4(QWidget* parent)
    : TPictureGameFrame(4, QStringLiteral("かんじジグゾーパズル"), false,
                        QStringLiteral("Seikai.wav"), parent)
{
    F_Game4 = this;
    connect(this, &QObject::destroyed, [] { F_Game4 = nullptr; });
    stopsBang_ = true;
    MP_Gacha = new SoundEffect(this, QStringLiteral("gacha.wav"), {}, false);
    extraEffect_ = MP_Gacha;
    rightText_ = QStringLiteral("やった！");
    messagePoints_ = 60;
    hideStartOnRight_ = false;

    Side = Disp_Mode == 1 ? 360 : 288;
    Board_Bmp = TwinPicture(QSize(Side, Side), Navy);
    Kanji_Bmp = Board_Bmp;
    Board2_Bmp = Board_Bmp;

    Image1->setGeometry(323, 29, 288, 288);
    Image1->hide();
    Image2 = new BoardView(this);
    Image2->setGeometry(16, 29, 288, 288);
    Image2->hide();
    Img_Drag = new QLabel(this);
    Img_Drag->hide();
    Img_Drag->setAttribute(Qt::WA_TransparentForMouseEvents);
    lbl_Hint = new QLabel(this);
    lbl_Hint->setGeometry(333, 346, 65, 64);
    lbl_Hint->setFont(PixelFont(64, true));
    lbl_Hint->setStyleSheet(QStringLiteral("color: white"));
    lbl_Hint->setToolTip(QStringLiteral("問題のかんじです"));
    lbl_Hint->hide();

    Grp_Level->move(432, 125);
    Cmb_Bunkatsusu->clear();
    Cmb_Bunkatsusu->addItems(Disp_Mode == 1 ? DivisionItems(storedLevel())
                                            : JigsawDivisionItems(storedLevel()));
    Cmb_Bunkatsusu->setCurrentIndex(0);
    Grp_Tokuten->setGeometry(16, 329, 311, 119);  // room for the caption's furigana
    Lbl_Nokori->hide();
    Lbl_Tokuten->setGeometry(11, 64, 190, 22);
    Img_Shinkou = new QLabel(Grp_Tokuten);
    Img_Shinkou->setGeometry(202, 10, 100, 100);

    Btn_kotae_Kinyu->setText(QStringLiteral("判定する"));
    Btn_kotae_Kinyu->setGeometry(419, 333, 100, 41);
    Btn_kotae_Kinyu->disconnect();
    connect(Btn_kotae_Kinyu, &QPushButton::clicked, this, &TF_Game4::Btn_kotae_KinyuClick);
    Btn_Back = new QPushButton(QStringLiteral("やり直し"), this);
    Btn_Back->setGeometry(522, 333, 100, 41);
    Btn_Back->setFont(Btn_kotae_Kinyu->font());
    GiveHandCursor(Btn_Back);
    Btn_Back->hide();
    connect(Btn_Back, &QPushButton::clicked, this, &TF_Game4::Btn_BackClick);
    Btn_Start->setGeometry(422, 394, 200, 40);
    Lbl_Bunkatsu->clear();

    connect(Image1, &BoardView::pressed, this,
            [this](Qt::MouseButton, QPoint p) { Image1MouseDown(p.x(), p.y()); });
    connect(Image2, &BoardView::pressed, this,
            [this](Qt::MouseButton, QPoint p) { Image2MouseDown(p.x(), p.y()); });
    for (BoardView* v : {Image1, Image2}) {
        connect(v, &BoardView::moved, this,
                [this, v](QPoint p) { DragOver(v->mapTo(v->parentWidget(), p)); });
        connect(v, &BoardView::released, this, [this](Qt::MouseButton, QPoint) {
            if (Board.dragging())
                Img_DragEndDrag();
        });
    }

    if (Disp_Mode == 1) {
        // The large layout is the same design, 1.25 times as large.
        for (QWidget* w : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            const QRect g = w->geometry();
            w->setGeometry(g.x() * 5 / 4, g.y() * 5 / 4, g.width() * 5 / 4, g.height() * 5 / 4);
        }
        resize(800, 600);
    }
    CentreLayout(this, {}, Image2);
    OpenMedia({MP_Atari, MP_Hazure, MP_Gacha, MP_Bang});
}

int TF_Game4::startDivisionCount() const
{
    if (isChallenge())
        return JigsawChallengeCount(storedLevel());
    const int n = Cmb_Bunkatsusu->currentText().toInt();
    return n > 0 ? n : 3;
}

void TF_Game4::StartBoard()
{
    const int n = Bunkatsusu;
    const JigsawScore js = JigsawStartScore(n, storedLevel());
    Limit_Sec = js.limitSec;
    Game_Score = js.score;
    Score_Step = js.step;
    Lbl_Tokuten->setText(QStringLiteral("今できると%1点です").arg(Game_Score));
    Board.setup(n, Side);
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j)
            Cell_Bmp[i][j] = Kanji_Bmp.copy(Board.cellRect(i, j));
    Elapsed_Sec = 0;
    Ending.begin(0);
    endingBegun_ = false;
    Board.Shuffle_Pieces();
    Draw_Tray();
    Draw_Board();
    Timer1->setInterval(1000);
    Timer1->start();
    Image1->show();
    Image2->show();
    GiveHandCursor(Image1);
    GiveHandCursor(Image2);
    Btn_Back->hide();
    Btn_kotae_Kinyu->hide();
    lbl_Hint->setText(Kanji_Tbl[Mondai_Kanji].text());
    lbl_Hint->show();
    Img_Shinkou->clear();
}

void TF_Game4::drawGrid(TwinPicture& picture) const
{
    const int s = Board.pieceSize();
    picture.paint([&](QPainter& p) {
        p.setPen(QPen(Qt::white, 2));
        for (int k = 1; k <= Bunkatsusu + 1; ++k)
            p.drawLine(s * (k - 1), 0, s * (k - 1), Side);
        for (int k = 1; k <= Bunkatsusu + 1; ++k)
            p.drawLine(0, s * (k - 1), Side, s * (k - 1));
    });
}

void TF_Game4::Draw_Tray()
{
    Board_Bmp.fill(Navy);
    for (int i = 1; i <= Bunkatsusu; ++i)
        for (int j = 1; j <= Bunkatsusu; ++j) {
            const QRect r = Board.cellRect(i, j);
            if (Board.Tray_Taken[i][j]) {
                Board_Bmp.paint([&](QPainter& p) { p.fillRect(r, Grey); });
            } else {
                const QPoint piece = Board.Tray_Piece[i][j];
                if (piece.x() >= 1)
                    Board_Bmp.draw(r.topLeft(), Cell_Bmp[piece.x()][piece.y()]);
            }
        }
    drawGrid(Board_Bmp);
    ShowBoard();
}

void TF_Game4::Draw_Board()
{
    Board2_Bmp = TwinPicture(QSize(Side, Side), Grey);
    if (!isChallenge()) {
        // Practice: the whole kanji shows as a guide under the pieces.
        const QFont font = PointFont(220, true, FacePGothic);
        Board2_Bmp.paint([&](QPainter& p) {
            p.setRenderHint(QPainter::TextAntialiasing);
            p.setFont(font);
            p.setPen(Qt::white);
            p.drawText(QRect(0, 0, 1000, 1000), Qt::AlignLeft | Qt::AlignTop,
                       Kanji_Tbl[Mondai_Kanji].text());
        });
    }
    for (int i = 1; i <= Bunkatsusu; ++i)
        for (int j = 1; j <= Bunkatsusu; ++j)
            if (Board.Board_Filled[i][j]) {
                const QPoint piece = Board.Board_Piece[i][j];
                Board2_Bmp.draw(Board.cellRect(i, j).topLeft(), Cell_Bmp[piece.x()][piece.y()]);
            }
    drawGrid(Board2_Bmp);
    Image2->setPicture(Board2_Bmp);
}

bool TF_Game4::acceptsMoves() const
{
    return started() && Kekka == 0 && Elapsed_Sec < Limit_Sec && Game_Score > 10;
}

void TF_Game4::startDrag(BoardView* picture, QPoint cell, const TwinPicture& piece)
{
    const QRect r = Board.cellRect(cell.x(), cell.y());
    Img_Drag->setGeometry(QRect(picture->pos() + r.topLeft(), r.size()));
    Img_Drag->setPixmap(QPixmap::fromImage(piece.screen()));
    Img_Drag->show();
    Img_Drag->raise();
}

void TF_Game4::Image1MouseDown(int x, int y)
{
    if (!acceptsMoves())
        return;
    const QPoint cell = Board.cellAt(x, y);
    // The floating piece is a copy of what the tray shows there (grid lines included).
    const TwinPicture piece = Image1->twin().copy(Board.cellRect(cell.x(), cell.y()));
    if (!Board.takeFromTray(cell))
        return;
    startDrag(Image1, cell, piece);
    Draw_Tray();
}

void TF_Game4::Image2MouseDown(int x, int y)
{
    if (!acceptsMoves())
        return;
    const QPoint cell = Board.cellAt(x, y);
    const TwinPicture piece = Image2->twin().copy(Board.cellRect(cell.x(), cell.y()));
    if (!Board.takeFromBoard(cell))
        return;
    startDrag(Image2, cell, piece);
    Draw_Board();
}

void TF_Game4::DragOver(QPoint layoutPos)
{
    if (!Board.dragging())
        return;
    if (!Image1->geometry().contains(layoutPos) && !Image2->geometry().contains(layoutPos))
        return;  // only the two pictures accept the drag
    const int half = static_cast<int>(std::trunc(static_cast<double>(Side) / Bunkatsusu / 2));
    Img_Drag->move(layoutPos.x() - half, layoutPos.y() - half);
}

void TF_Game4::Img_DragEndDrag()
{
    if (!Board.dragging())
        return;
    const double w = static_cast<double>(Side) / Bunkatsusu;
    const double px = Img_Drag->x() + w / 3, py = Img_Drag->y() + w / 3;
    const QRect b = Image2->geometry();
    QPoint target;
    const bool onBoard =
        px >= b.x() && px <= b.x() + b.width() && py >= b.y() && py <= b.y() + b.height();
    if (onBoard)
        target = Board.cellAt(px - b.x(), py - b.y());
    const bool fromTray = Board.Drag_From_Tray;
    if (Board.drop(target) == JigsawBoard::Drop::Placed) {
        PlayEffect(MP_Gacha);
        Draw_Board();
    } else if (fromTray) {
        Draw_Tray();
    } else {
        Draw_Board();
    }
    if (onBoard) {
        Btn_Back->show();
        Btn_kotae_Kinyu->show();
    }
    Img_Drag->hide();
    if (Board.full())
        Btn_kotae_KinyuClick();
}

bool TF_Game4::Seikai_Hantei()
{
    if (!Board.isRight([this](QPoint p) -> const QImage& { return Cell_Bmp[p.x()][p.y()].rules(); }))
        return false;
    Kekka = 1;
    Elapsed_Sec = Limit_Sec;  // the countdown stops; the score stays
    Ending.begin(1);
    return true;
}

void TF_Game4::Btn_kotae_KinyuClick()
{
    if (!acceptsMoves())
        return;
    if (Seikai_Hantei())
        return;
    PlayEffect(MP_Hazure);
    ShowMessage(this, QStringLiteral("ざんねん！ はずれです"));
}

void TF_Game4::Btn_BackClick()
{
    if (!acceptsMoves())
        return;
    Board.restart();
    Img_Drag->hide();
    Draw_Tray();
    Draw_Board();
}

void TF_Game4::Timer1Timer()
{
    if (!started())
        return;
    if (Elapsed_Sec < Limit_Sec && Game_Score > 10) {
        ++Elapsed_Sec;
        Game_Score -= Score_Step;
        Lbl_Tokuten->setText(QStringLiteral("今できると%1点です").arg(Game_Score));
        const QColor colour = Elapsed_Sec < Limit_Sec / 2.0        ? QColor(0, 128, 0)
                              : Elapsed_Sec < 3.0 * Limit_Sec / 4.0 ? QColor(Qt::yellow)
                                                                    : QColor(Qt::red);
        Img_Shinkou->setPixmap(
            QPixmap::fromImage(DrawPieClock(QSize(100, 100), Elapsed_Sec, Limit_Sec, colour,
                                            TwinPicture::ScreenScale())));
        return;
    }
    if (Kekka != 1) {
        Kekka = 3;  // time up
        Lbl_Tokuten->hide();
        Img_Shinkou->hide();
    }
    if (Board.dragging()) {
        // A piece still in the hand goes back where it came from, and shows there again.
        Img_Drag->hide();
        const bool fromTray = Board.Drag_From_Tray;
        Board.drop(QPoint());
        if (fromTray)
            Draw_Tray();
        else
            Draw_Board();
    }
    if (!endingBegun_) {
        endingBegun_ = true;
        Ending.begin(Kekka);
    }
    EndingTick();
}

int TF_Game4::MusicMeasure() const
{
    if (Limit_Sec <= 0)
        return 0;
    return static_cast<int>(static_cast<double>(Elapsed_Sec) / Limit_Sec * 100);
}
