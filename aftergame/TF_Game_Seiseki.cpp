// SPDX-License-Identifier: GPL-3.0-or-later
#include "aftergame/TF_Game_Seiseki.h"

#include "aftergame/TF_Kanji_Note.h"
#include "data/MainMenu.h"
#include "data/Tables.h"
#include "platform/CentredLayout.h"
#include "platform/Fonts.h"
#include "platform/HandCursor.h"
#include "platform/HelpFile.h"
#include "platform/Modal.h"
#include "platform/ProgramWindow.h"
#include "writing/RubyItemViews.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

namespace {
const QColor Navy(0, 0, 128);
const QColor Silver(192, 192, 192);
constexpr int GridTop = 52;

// Largest grid text per view; a cell whose text is wider than its column gets a smaller one.
int gridFontPixels(TF_Game_Seiseki::View v)
{
    switch (v) {
    case TF_Game_Seiseki::View::OwnRecord:
        return 16;
    case TF_Game_Seiseki::View::AllPlayers:
        return 13;
    default:
        return 14;
    }
}
// The largest size up to maxPixels at which text fits a column of the given width on one line.
int fittingPixels(const QString& text, int columnWidth, int maxPixels)
{
    int px = maxPixels;
    while (px > 8 && QFontMetrics(PixelFont(px, true)).horizontalAdvance(text) > columnWidth - 6)
        --px;
    return px;
}
}  // namespace

TF_Game_Seiseki::TF_Game_Seiseki(QWidget* parent) : QWidget(parent)
{
    PrepareProgramWindow(this, Navy);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("成績"));
    resize(640, 480);

    Lbl_Title = new QLabel(this);
    Lbl_Title->setFont(PixelFont(27, true));
    QPalette titlePal = Lbl_Title->palette();
    titlePal.setColor(QPalette::WindowText, Qt::yellow);
    Lbl_Title->setPalette(titlePal);

    Btn_End = new QPushButton(QStringLiteral("メニューにもどる"), this);
    Btn_End->setFont(PixelFont(13, true));
    Btn_End->setToolTip(QStringLiteral("もどります"));
    connect(Btn_End, &QPushButton::clicked, this, &TF_Game_Seiseki::Btn_EndClick);

    Btn_Hyouji = new QPushButton(this);
    Btn_Hyouji->setFont(PixelFont(13, true));
    Btn_Hyouji->hide();
    connect(Btn_Hyouji, &QPushButton::clicked, this, &TF_Game_Seiseki::Btn_HyoujiClick);

    Btn_Note = new QPushButton(QStringLiteral("かんじノート"), this);
    Btn_Note->setFont(PixelFont(13, true));
    Btn_Note->setToolTip(QStringLiteral("かんじノートを見ます"));
    Btn_Note->hide();
    connect(Btn_Note, &QPushButton::clicked, this, &TF_Game_Seiseki::Btn_NoteClick);

    GRD_SEISEKI = new QTableWidget(this);
    GRD_SEISEKI->horizontalHeader()->hide();
    GRD_SEISEKI->verticalHeader()->hide();
    GRD_SEISEKI->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GRD_SEISEKI->setSelectionMode(QAbstractItemView::NoSelection);
    GRD_SEISEKI->setFocusPolicy(Qt::NoFocus);
    GRD_SEISEKI->setWordWrap(false);
    GRD_SEISEKI->setItemDelegate(new RubyItemDelegate(GRD_SEISEKI));
    GRD_SEISEKI->setTextElideMode(Qt::ElideNone);
    GRD_SEISEKI->setGridStyle(Qt::SolidLine);
    // Cells are white; the grid's area past the last row or column shows the window's navy.
    GRD_SEISEKI->setStyleSheet(QStringLiteral("QTableWidget { gridline-color: #808080; background: #000080; }"));

    FormCreate();
}

void TF_Game_Seiseki::FormCreate()
{
    setWindowState(windowState() | Qt::WindowFullScreen);
    layoutControls();
}

void TF_Game_Seiseki::layoutControls()
{
    // The views stand in the middle as the games' layouts do: 4:3 wide, bands at the sides.
    const int w = std::min(width(), height() * 4 / 3);
    const int x0 = CentredLayoutPos(size(), QSize(w, height())).x();
    Btn_End->setGeometry(x0 + w - 148, 10, 140, 32);
    Btn_Hyouji->setGeometry(x0 + w - 148 - 196, 10, 188, 32);
    Lbl_Title->setGeometry(x0 + 8, 6, w - 148 - 196 - 16, 40);
    GRD_SEISEKI->setGeometry(x0, GridTop, w, std::max(0, height() - GridTop));
    // The notebook's button stands left of the buttons shown; the title keeps the rest.
    const int noteLeft = (Btn_Hyouji->isHidden() ? w - 148 : w - 148 - 196) - 108;
    Btn_Note->setGeometry(x0 + noteLeft, 10, 100, 32);
    if (!Btn_Note->isHidden())
        Lbl_Title->setGeometry(x0 + 8, 6, std::min(Lbl_Title->width(), noteLeft - 16), 40);
}

void TF_Game_Seiseki::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

void TF_Game_Seiseki::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutControls();
    if (view_ != View::None)
        showView(view_);  // the grid spans the client width: recompute its columns
}

void TF_Game_Seiseki::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        ShowHelp(this, HelpTopic);
        return;
    }
    QWidget::keyPressEvent(event);
}

void TF_Game_Seiseki::FormShow()
{
    shown_ = true;
    if (Cur_Game != 0) {
        Btn_Hyouji->hide();
        showView(View::GameRanking);
    } else if (Cur_Player != 0) {
        allPlayers_ = false;
        Btn_Hyouji->setText(QStringLiteral("全員の記録"));
        Btn_Hyouji->setToolTip(QStringLiteral("全員の記録を表示します"));
        Btn_Hyouji->show();
        showView(View::OwnRecord);
    } else {
        allPlayers_ = true;
        Btn_Hyouji->hide();
        showView(View::AllPlayers);
    }
    GiveHandCursor(Btn_End);
    GiveHandCursor(Btn_Hyouji);
    Btn_Note->setVisible(Cur_Player != 0);
    GiveHandCursor(Btn_Note);
    layoutControls();
}

void TF_Game_Seiseki::Btn_HyoujiClick()
{
    if (allPlayers_) {
        if (Cur_Player == 0)
            return;
        allPlayers_ = false;
        showView(View::OwnRecord);
        Btn_Hyouji->setText(QStringLiteral("全員の記録"));
        Btn_Hyouji->setToolTip(QStringLiteral("全員の記録を表示します"));
    } else {
        allPlayers_ = true;
        showView(View::AllPlayers);
        const QString name = Player_Tbl[Cur_Player].Name.text().trimmed();
        Btn_Hyouji->setText(name + QStringLiteral("の記録"));
        Btn_Hyouji->setToolTip(name + QStringLiteral("の記録を表示します"));
    }
}

void TF_Game_Seiseki::Btn_EndClick() { close(); }

void TF_Game_Seiseki::Btn_NoteClick()
{
    if (Cur_Player == 0)
        return;
    TF_Kanji_Note note(Cur_Player, this);
    ExecModal(&note);
}

void TF_Game_Seiseki::closeEvent(QCloseEvent* event)
{
    // However the window goes, the menu comes back.
    if (!menuShown_) {
        menuShown_ = true;
        ShowMainMenu();
    }
    event->accept();
}

void TF_Game_Seiseki::showView(View v)
{
    // The all-players view is read by every child: its texts are set for year 1.
    everyPlayer_.reset();
    if (v == View::AllPlayers)
        everyPlayer_.emplace();
    view_ = v;
    const int w = GRD_SEISEKI->width();
    const int h = GRD_SEISEKI->height();
    switch (v) {
    case View::OwnRecord:
        fillGrid(OwnRecordView(Cur_Player, w, h));
        break;
    case View::AllPlayers:
        fillGrid(AllPlayersView(w));
        break;
    case View::GameRanking:
        fillGrid(GameRankingView(Cur_Game, w));
        break;
    case View::None:
        break;
    }
}

void TF_Game_Seiseki::fillGrid(const SeisekiGrid& g)
{
    Lbl_Title->setText(g.title);
    QTableWidget* grid = GRD_SEISEKI;
    grid->clear();
    grid->setColumnCount(g.colCount);
    grid->setRowCount(g.rowCount);
    grid->setFont(PixelFont(gridFontPixels(view_), true));
    grid->horizontalHeader()->setMinimumSectionSize(1);
    grid->verticalHeader()->setMinimumSectionSize(1);
    grid->horizontalHeader()->setDefaultSectionSize(g.defaultColWidth);
    grid->verticalHeader()->setDefaultSectionSize(g.defaultRowHeight);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    for (int c = 0; c < g.colCount; ++c)
        grid->setColumnWidth(c, g.colWidth(c));
    for (int r = 0; r < g.rowCount; ++r)
        grid->setRowHeight(r, g.defaultRowHeight);

    // One size for the header row, and one below it for all columns of the same width (the games'
    // columns look alike), each the largest that fits every text it covers.
    const int maxPx = gridFontPixels(view_);
    int headerPx = maxPx;
    QMap<int, int> widthPx;
    for (int r = 0; r < g.rowCount; ++r) {
        for (int c = 0; c < g.colCount; ++c) {
            const int fit = fittingPixels(g.cell(r, c), g.colWidth(c), maxPx);
            if (r == 0)
                headerPx = std::min(headerPx, fit);
            else
                widthPx[g.colWidth(c)] = std::min(widthPx.value(g.colWidth(c), maxPx), fit);
        }
    }
    QVector<int> columnPx(g.colCount, maxPx);
    for (int c = 0; c < g.colCount; ++c)
        columnPx[c] = widthPx.value(g.colWidth(c), maxPx);
    for (int r = 0; r < g.rowCount; ++r) {
        for (int c = 0; c < g.colCount; ++c) {
            auto* item = new QTableWidgetItem(g.cell(r, c));
            item->setFont(PixelFont(r == 0 ? headerPx : columnPx[c], true));
            item->setFlags(Qt::ItemIsEnabled);
            item->setTextAlignment(Qt::AlignCenter);
            item->setForeground(Qt::black);
            item->setBackground(r == 0 || c == 0 ? Silver : QColor(Qt::white));  // fixed row and column silver
            grid->setItem(r, c, item);
        }
    }
}
