// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/guess/TF_Game2.h"

#include "data/Tables.h"
#include "games/guess/BoardView.h"
#include "platform/CentredLayout.h"
#include "platform/Fonts.h"
#include "platform/HandCursor.h"

#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>

TF_Game2* F_Game2 = nullptr;

namespace {
QLabel* valueLabel(QWidget* parent, int y)
{
    auto* l = new QLabel(parent);
    l->setFont(PixelFont(15, true));
    l->setStyleSheet(QStringLiteral("color: white"));
    l->setGeometry(100, y, 70, 20);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

QLabel* captionLabel(QWidget* parent, const QString& text, const QColor& color, int px, int x,
                     int y)
{
    auto* l = new QLabel(text, parent);
    l->setFont(PixelFont(px, true));
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, color);
    l->setPalette(pal);
    l->move(x, y);
    l->adjustSize();
    return l;
}
}  // namespace

TF_Game2::TF_Game2(QWidget* parent)
    : TPictureGameFrame(2, QStringLiteral("かんじ当てゲーム"), true, QStringLiteral("Atari.wav"),
                        parent)
{
    F_Game2 = this;
    connect(this, &QObject::destroyed, [] { F_Game2 = nullptr; });

    Label4 = captionLabel(Grp_Tokuten, QStringLiteral("開いた数"), Qt::white, 15, 11, 56);
    Lbl_Open = valueLabel(Grp_Tokuten, 56);
    Label7 = captionLabel(Grp_Tokuten, QStringLiteral("バクダンの数"), Qt::white, 15, 11, 88);
    Lbl_Bang = valueLabel(Grp_Tokuten, 88);
    Lbl_Bang_Alarm = captionLabel(this, QStringLiteral("注意！まわりにバクダンあり"),
                                  QColor(0xff, 0x30, 0x30), 16, 360, 40);
    Lbl_Bang_Alarm->hide();
    Lbl_Msg1 = captionLabel(this, QStringLiteral("白い枠の中をクリックしてみよう！"),
                            QColor(0xff, 0x30, 0x30), 16, 312, 40);
    Lbl_Msg1->hide();
    Lbl_Bunkatsu->clear();
    Lbl_Open->clear();

    connect(Image1, &BoardView::pressed, this,
            [this](Qt::MouseButton b, QPoint p) { Image1MouseDown(b, p.x(), p.y()); });
    CentreLayout(this, {}, Image1);
    OpenMedia({MP_Atari, MP_Bang, MP_Hazure});
}

QRect TF_Game2::cellRect(int i, int j) const
{
    const int c = Board.cellSize();
    return {c * (i - 1), c * (j - 1), c, c};
}

void TF_Game2::StartBoard()
{
    const int n = Bunkatsusu;
    ShowNokori();
    Board.Open_Count = 0;
    Game_Score = GuessScore(n, 0, Nokori_Kaisuu, storedLevel());
    ShowTokuten();
    Board.setup(n);
    // Each cell's piece is cut once, so opening a cell is a single copy.
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j)
            Cell_Bmp[i][j] = Kanji_Bmp.copy(cellRect(i, j));
    drawGrid();
    Lbl_Bang->setText(QString::number(Board.Bang_Count));
    Lbl_Open->setText(QString());
    Btn_kotae->show();
    Lbl_Msg1->show();
    GiveHandCursor(Image1);
}

void TF_Game2::drawGrid()
{
    const int c = Board.cellSize();
    Board_Bmp.paint([&](QPainter& p) {
        p.setPen(QPen(Qt::white, 2));
        for (int k = 1; k <= Bunkatsusu + 1; ++k) {
            const int x = c * (k - 1);
            p.drawLine(x, 0, x, 360);
        }
        for (int k = 1; k <= Bunkatsusu + 1; ++k) {
            const int y = c * (k - 1);
            p.drawLine(0, y, 360, y);
        }
    });
}

void TF_Game2::Image1MouseDown(Qt::MouseButton, int x, int y)
{
    if (!started() || Kekka != 0)
        return;
    const QPoint cell = Board.cellAt(x, y);
    const int i = cell.x(), j = cell.y();
    switch (Board.click(i, j, Nokori_Kaisuu)) {
    case GuessBoard::Click::Nothing:
        return;  // an open cell: not even the invitation changes
    case GuessBoard::Click::Bomb: {
        Board_Bmp.paint([&](QPainter& p) { Img_Bang.draw(p, QRectF(cellRect(i, j))); });
        Nokori_Kaisuu = 0;
        Lbl_Tokuten->hide();
        Lbl_Nokori->hide();
        HideAnswerEntry();
        Btn_Start->hide();
        StartEnding(3);
        break;
    }
    case GuessBoard::Click::Opened: {
        Board_Bmp.draw(cellRect(i, j).topLeft(), Cell_Bmp[i][j]);
        Lbl_Open->setText(QString::number(Board.Open_Count));
        Game_Score = GuessScore(Bunkatsusu, Board.Open_Count, Nokori_Kaisuu, storedLevel());
        ShowTokuten();
        Lbl_Bang_Alarm->setVisible(Board.bombNear(i, j));
        PlayEffect(MP_Atari);
        break;
    }
    }
    ShowBoard();
    Lbl_Msg1->hide();
}

int TF_Game2::MusicMeasure() const
{
    const int cells = Bunkatsusu * Bunkatsusu;
    if (cells == 0)
        return 0;
    return static_cast<int>(static_cast<double>(Board.Open_Count) / cells * 100);
}
