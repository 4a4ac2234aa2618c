// SPDX-License-Identifier: GPL-3.0-or-later
#include "aftergame/TF_Game_Kiroku.h"

#include "aftergame/KirokuView.h"
#include "data/Dates.h"
#include "data/Tables.h"
#include "platform/CentredLayout.h"
#include "platform/Fonts.h"
#include "platform/HandCursor.h"
#include "platform/ProgramWindow.h"
#include "writing/RubyItemViews.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

namespace {
const QColor Navy(0, 0, 0x80);

struct Column {
    const char* caption;
    int width;
    Qt::Alignment align;
};
const Column Columns[] = {
    {"", 20, Qt::AlignLeft},
    {"とくてん", 60, Qt::AlignHCenter},
    {"名前", 200, Qt::AlignHCenter},
    {"学年", 50, Qt::AlignHCenter},
    {"日付", 100, Qt::AlignLeft},
};
}  // namespace

TF_Game_Kiroku::TF_Game_Kiroku(QWidget* parent) : QDialog(parent)
{
    PrepareProgramWindow(this, Navy);
    setModal(true);
    resize(640, 480);

    Lbl_Goukaku_Msg1 = new QLabel(this);
    Lbl_Goukaku_Msg1->setGeometry(32, 12, 519, 63);
    Lbl_Goukaku_Msg1->setFont(PixelFont(19, true));
    Lbl_Goukaku_Msg1->setWordWrap(true);
    Lbl_Goukaku_Msg1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The message keeps its black or red letters on a white band of its own over the navy.
    Lbl_Goukaku_Msg1->setAutoFillBackground(true);
    Lbl_Goukaku_Msg1->setMargin(6);
    QPalette band = Lbl_Goukaku_Msg1->palette();
    band.setColor(QPalette::Window, Qt::white);
    Lbl_Goukaku_Msg1->setPalette(band);

    Lst_Kiroku = new QTreeWidget(this);
    Lst_Kiroku->setHeader(new RubyHeaderView(Qt::Horizontal, Lst_Kiroku));
    Lst_Kiroku->setGeometry(32, 83, 433, 334);
    Lst_Kiroku->setFont(PixelFont(13, true));
    Lst_Kiroku->setRootIsDecorated(false);
    Lst_Kiroku->setIndentation(0);
    Lst_Kiroku->setSelectionMode(QAbstractItemView::NoSelection);
    Lst_Kiroku->setFocusPolicy(Qt::NoFocus);
    Lst_Kiroku->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Lst_Kiroku->setSortingEnabled(false);
    Lst_Kiroku->setStyleSheet(QStringLiteral("QTreeView::item { height: 22px; }"));
    Lst_Kiroku->setColumnCount(5);
    QTreeWidgetItem* header = new QTreeWidgetItem;
    for (int c = 0; c < 5; ++c) {
        header->setText(c, QString::fromUtf8(Columns[c].caption));
        header->setTextAlignment(c, Columns[c].align | Qt::AlignVCenter);
    }
    Lst_Kiroku->setHeaderItem(header);
    Lst_Kiroku->header()->setFont(PixelFont(13, true));
    Lst_Kiroku->header()->setStretchLastSection(false);
    Lst_Kiroku->header()->setSectionsMovable(false);
    Lst_Kiroku->header()->setMinimumSectionSize(1);
    Lst_Kiroku->header()->setSectionResizeMode(QHeaderView::Fixed);
    for (int c = 0; c < 5; ++c)
        Lst_Kiroku->setColumnWidth(c, Columns[c].width);

    BitBtn1 = new QPushButton(QStringLiteral("もどる"), this);
    BitBtn1->setFont(PixelFont(13, true));
    connect(BitBtn1, &QPushButton::clicked, this, &TF_Game_Kiroku::BitBtn1Click);

    FormCreate();
    CentreLayout(this);
}

void TF_Game_Kiroku::FormCreate()
{
    const QRect table = Lst_Kiroku->geometry();
    BitBtn1->setGeometry(table.x() + table.width() + 10, table.y() + table.height() + 10, 75, 25);
    GiveHandCursor(BitBtn1);

    // The rule writes the new list back into Kiroku_Tbl itself; the rows show exactly that list.
    result_ = EnterResult(Cur_Game, Last_Score, TodayDayNumber());
    for (const KirokuRow& row : KirokuRows(result_)) {
        auto* item = new QTreeWidgetItem(Lst_Kiroku, {row.mark, row.tokuten, row.name, row.gakunen, row.hizuke});
        for (int c = 0; c < 5; ++c)
            item->setTextAlignment(c, Columns[c].align | Qt::AlignVCenter);
    }

    Lbl_Goukaku_Msg1->setText(KirokuMessage(result_.newRank));
    QPalette pal = Lbl_Goukaku_Msg1->palette();
    pal.setColor(QPalette::WindowText, KirokuMessageIsRed(result_.newRank) ? Qt::red : Qt::black);
    Lbl_Goukaku_Msg1->setPalette(pal);

    ApplyBestScore(Cur_Game, Last_Score);
}

void TF_Game_Kiroku::BitBtn1Click() { accept(); }
