// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/guess/TF_Kanji_Sel.h"

#include "aftergame/practice/TF_Kaki_Renshuu.h"

#include "data/Music.h"
#include "data/Tables.h"
#include "games/guess/KanjiSelLayout.h"
#include "platform/CentredLayout.h"
#include "platform/Fonts.h"
#include "platform/HandCursor.h"
#include "platform/MediaPlayer.h"
#include "platform/Modal.h"
#include "platform/ProgramWindow.h"
#include "writing/StrokeOrderView.h"

#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

TF_Kanji_Sel::TF_Kanji_Sel(QLineEdit* answerBox, QWidget* parent)
    : QWidget(parent, Qt::Window), answerBox_(answerBox)
{
    PrepareProgramWindow(this, QColor(0, 0, 0x80));
    resize(640, 480);
    setFont(PixelFont(12, false));

    Lbl_Title = new QLabel(QStringLiteral("答のかんじをクリックしよう"), this);
    Lbl_Title->setFont(PixelFont(27, true));
    Lbl_Title->setStyleSheet(QStringLiteral("color: yellow"));
    Lbl_Title->move(16, 21);
    Lbl_Title->adjustSize();
    lbl_Kotae = new QLabel(this);
    lbl_Kotae->setFont(PixelFont(27, true));
    lbl_Kotae->setStyleSheet(QStringLiteral("color: red"));
    lbl_Kotae->setGeometry(400, 21, 60, 34);
    Btn_End = new QPushButton(QStringLiteral("答をコピー"), this);
    Btn_End->setGeometry(499, 13, 112, 39);
    Btn_End->setFont(PixelFont(15, true));
    GiveHandCursor(Btn_End);
    connect(Btn_End, &QPushButton::clicked, this, &TF_Kanji_Sel::Btn_EndClick);

    const int year = Cur_Player >= 1 && Cur_Player <= MaxPlayers ? Player_Tbl[Cur_Player].Gakunen
                                                                 : 1;
    const KanjiSelLayout l = KanjiSelLayoutFor(year, Disp_Scale);
    Grd_Kanji = new QTableWidget(l.rows, l.cols, this);
    Grd_Kanji->setGeometry(26, 70, 589, 360);
    Grd_Kanji->horizontalHeader()->hide();
    Grd_Kanji->verticalHeader()->hide();
    Grd_Kanji->horizontalHeader()->setMinimumSectionSize(1);
    Grd_Kanji->verticalHeader()->setMinimumSectionSize(1);
    Grd_Kanji->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grd_Kanji->setSelectionMode(QAbstractItemView::SingleSelection);
    Grd_Kanji->setFocusPolicy(Qt::ClickFocus);
    Grd_Kanji->setFont(PointFont(l.fontSize));
    for (int c = 0; c < l.cols; ++c)
        Grd_Kanji->setColumnWidth(c, l.colWidth);
    for (int r = 0; r < l.rows; ++r)
        Grd_Kanji->setRowHeight(r, l.rowHeight);
    for (int c = 0; c < l.cols; ++c)
        for (int r = 0; r < l.rows; ++r) {
            const int k = KanjiSelCell(year, l, c, r);
            auto* item = new QTableWidgetItem(k > 0 ? Kanji_Tbl[k].text() : QString());
            item->setTextAlignment(Qt::AlignCenter);
            item->setData(Qt::UserRole, k);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            Grd_Kanji->setItem(r, c, item);
        }
    GiveHandCursor(Grd_Kanji->viewport());
    // A mouse press selects (even the cell already selected); arrow keys move the selection.
    connect(Grd_Kanji, &QTableWidget::cellPressed, this,
            [this](int row, int col) { Grd_KanjiSelectCell(col, row); });
    connect(Grd_Kanji, &QTableWidget::currentCellChanged, this, [this](int row, int col) {
        if (QApplication::mouseButtons() == Qt::NoButton && row >= 0 && col >= 0)
            Grd_KanjiSelectCell(col, row);
    });

    MP_Select = new SoundEffect(this, QStringLiteral("Select.wav"));

    Img_Kakijun = new StrokeOrderView(this);
    Img_Kakijun->resize(196, 196);
    Img_Kakijun->hide();
    Img_Kakijun->installEventFilter(this);
    GiveHandCursor(Img_Kakijun);
    Btn_Kaite = new QPushButton(QStringLiteral("かいてみよう"), this);
    Btn_Kaite->setFont(PixelFont(18, true));
    Btn_Kaite->resize(Img_Kakijun->width(), 40);
    Btn_Kaite->hide();
    GiveHandCursor(Btn_Kaite);
    connect(Btn_Kaite, &QPushButton::clicked, this, &TF_Kanji_Sel::Btn_KaiteClick);
    CentreLayout(this);
}

bool TF_Kanji_Sel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Img_Kakijun && event->type() == QEvent::MouseButtonPress) {
        Img_Kakijun->hide();
        Btn_Kaite->hide();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TF_Kanji_Sel::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    Btn_End->setFocus(Qt::OtherFocusReason);
}

void TF_Kanji_Sel::Grd_KanjiSelectCell(int col, int row)
{
    const QTableWidgetItem* item = Grd_Kanji->item(row, col);
    lbl_Kotae->setText(item ? item->text() : QString());
    chosen_ = item ? item->data(Qt::UserRole).toInt() : 0;
    Img_Kakijun->setKanji(lbl_Kotae->text());
    if (lbl_Kotae->text().isEmpty()) {
        Img_Kakijun->hide();
        Btn_Kaite->hide();
    } else {
        const QRect cell = Grd_Kanji->visualRect(Grd_Kanji->model()->index(row, col));
        const bool leftHalf = cell.center().x() < Grd_Kanji->viewport()->width() / 2;
        const QRect grid = Grd_Kanji->geometry();
        const int x = leftHalf ? grid.right() - 8 - Img_Kakijun->width() : grid.left() + 8;
        Img_Kakijun->move(x, grid.top() + (grid.height() - Img_Kakijun->height()) / 2);
        Img_Kakijun->show();
        Img_Kakijun->raise();
        Btn_Kaite->move(Img_Kakijun->x(), Img_Kakijun->geometry().bottom() + 5);
        Btn_Kaite->show();
        Btn_Kaite->raise();
    }
    MP_Select->player()->stop();
    MP_Select->play();
}

void TF_Kanji_Sel::Btn_KaiteClick()
{
    if (chosen_ < 1)
        return;
    TF_Kaki_Renshuu practice(Cur_Player, {chosen_}, 0, this);
    emit practiceOpened();
    ExecModal(&practice);
    emit practiceClosed();
}

void TF_Kanji_Sel::Btn_EndClick()
{
    if ((Cur_Game == 2 || Cur_Game == 3) && answerBox_)
        answerBox_->setText(lbl_Kotae->text());
    hide();
}
