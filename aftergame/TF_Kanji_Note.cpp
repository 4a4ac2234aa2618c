// SPDX-License-Identifier: GPL-3.0-or-later
#include "aftergame/TF_Kanji_Note.h"

#include "aftergame/plan/TF_Renshuu_Kiroku.h"
#include "aftergame/practice/TF_Kaki_Renshuu.h"

#include "aftergame/NoteDetail.h"
#include "aftergame/NoteGrid.h"
#include "aftergame/NotePainting.h"
#include "aftergame/NotePrint.h"
#include "aftergame/sheets/TF_Print_Sel.h"
#include "data/KanjiHistory.h"
#include "data/ReviewSchedule.h"
#include "platform/Clock.h"
#include "data/Tables.h"
#include "platform/CentredLayout.h"
#include "platform/ColourLabel.h"
#include "platform/Fonts.h"
#include "platform/HandCursor.h"
#include "platform/MessageBoxes.h"
#include "platform/Modal.h"
#include "platform/ProgramWindow.h"
#include "writing/RubyText.h"

#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

namespace {
const QColor Navy(0, 0, 128);
constexpr int NoteColumns = 10;
constexpr int NoteSide = 38;
constexpr int WeakColumns = 5;
constexpr int WeakSide = 76;
constexpr int RecentAnswers = 6;
constexpr int KotaeLinePixels = 13;

// The notebook's words stand at the top of their places.
QLabel* makeLabel(QWidget* parent, int px, const QColor& colour, const QRect& r) {
    QLabel* l = MakeColourLabel(parent, {}, px, colour, r);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

QPushButton* makeButton(QWidget* parent, const QString& text, const QString& hint, const QRect& r) {
    auto* b = new QPushButton(text, parent);
    b->setFont(PixelFont(13, true));
    b->setToolTip(hint);
    b->setGeometry(r);
    GiveHandCursor(b);
    return b;
}

QPixmap legendPicture() {
    QPixmap pm(400, 20);
    pm.fill(Navy);
    QPainter p(&pm);
    PaintNoteLegend(p, 0, 1, 18, Qt::white);
    return pm;
}

QString html(const QString& s) {
    return s.toHtmlEscaped();
}
} // namespace

TF_Kanji_Note::TF_Kanji_Note(int player, QWidget* parent)
    : QDialog(parent), player_(std::clamp(player, 1, MaxPlayers)) {
    PrepareProgramWindow(this, Navy);
    setWindowTitle(QStringLiteral("かんじノート"));
    resize(640, 480);

    Lbl_Title = makeLabel(this, 24, Qt::yellow, QRect(8, 10, 244, 34));
    Lbl_Title->setText(Player_Tbl[player_].Name.text().trimmed() +
                       QStringLiteral("のかんじノート"));
    Btn_Nigate = makeButton(this, QStringLiteral("にがてなかんじ"),
                            QStringLiteral("まちがえたかんじを見ます"), QRect(340, 10, 130, 32));
    Btn_Insatsu =
        makeButton(this, QStringLiteral("いんさつ"), QStringLiteral("かんじノートをいんさつします"),
                   QRect(476, 10, 76, 32));
    Btn_End = makeButton(this, QStringLiteral("もどる"), QStringLiteral("もどります"),
                         QRect(558, 10, 74, 32));
    Btn_Calendar = makeButton(this, QStringLiteral("カレンダー"),
                              QStringLiteral("れんしゅうした日と まとめを見ます"),
                              QRect(256, 10, 80, 32));
    connect(Btn_Calendar, &QPushButton::clicked, this, &TF_Kanji_Note::Btn_CalendarClick);
    connect(Btn_Nigate, &QPushButton::clicked, this, &TF_Kanji_Note::Btn_NigateClick);
    connect(Btn_Insatsu, &QPushButton::clicked, this, &TF_Kanji_Note::Btn_InsatsuClick);
    connect(Btn_End, &QPushButton::clicked, this, &QDialog::accept);

    Scr_Note = new QScrollArea(this);
    Scr_Note->setGeometry(8, 52, NoteColumns * NoteSide + 20, 392);
    Scr_Note->setFrameShape(QFrame::NoFrame);
    Scr_Note->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Scr_Note->setStyleSheet(QStringLiteral("QScrollArea { background: #000080; }"));
    Grd_Note = new KanjiNoteGrid;
    Scr_Note->setWidget(Grd_Note);
    Scr_Note->widget()->setAutoFillBackground(false);
    connect(Grd_Note, &KanjiNoteGrid::kanjiClicked, this, &TF_Kanji_Note::Grd_NoteClick);

    Lbl_Legend = new QLabel(this);
    Lbl_Legend->setGeometry(8, 452, 400, 20);
    Lbl_Legend->setPixmap(legendPicture());
    Lbl_Empty = makeLabel(this, 16, Qt::white, QRect(16, 70, 380, 60));
    Lbl_Empty->setWordWrap(true);
    Lbl_Empty->setText(QStringLiteral("まちがえたかんじは、まだありません。"));
    Lbl_Empty->hide();

    Lbl_Kanji = makeLabel(this, 80, Qt::white, QRect(420, 52, 100, 96));
    Lbl_Kanji->setAlignment(Qt::AlignCenter);
    Lbl_Kakusuu = makeLabel(this, 16, Qt::white, QRect(526, 100, 106, 24));
    Lbl_Tsugi = makeLabel(this, 14, QColor(0xb0, 0xf0, 0xb0), QRect(526, 126, 106, 22));
    Btn_Kaite = makeButton(this, QStringLiteral("かいてみよう"),
                           QStringLiteral("このかんじをかくれんしゅうをします"), QRect(526, 56, 106, 36));
    connect(Btn_Kaite, &QPushButton::clicked, this, &TF_Kanji_Note::Btn_KaiteClick);
    Btn_NigateKaite = makeButton(this, QStringLiteral("ぜんぶかいてみよう"),
                                 QStringLiteral("にがてなかんじをじゅんにかきます"),
                                 QRect(8, 446, 180, 30));
    connect(Btn_NigateKaite, &QPushButton::clicked, this, &TF_Kanji_Note::Btn_NigateKaiteClick);
    Btn_NigateKaite->hide();
    Lbl_Bun = makeLabel(this, 14, Qt::white, QRect(420, 152, 212, 160));
    Lbl_Bun->setWordWrap(true);
    Lbl_Bun->setTextFormat(Qt::RichText);
    // The heading is a label of its own so that it keeps its furigana beside the answers.
    Lbl_Kotae_Midashi = makeLabel(this, 13, QColor(0xff, 0xff, 0x80), QRect(420, 322, 212, 18));
    Lbl_Kotae_Midashi->setText(QStringLiteral("さいきんの答"));
    Lbl_Kotae = makeLabel(this, 13, Qt::white, QRect(420, 342, 212, 100));
    Lbl_Kotae->setWordWrap(true);
    Lbl_Kotae->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // One plain label a line, so that the game names and 画数 get their furigana like every
    // other text of ours; each line has the room for them above it, and as many lines show as
    // fit above the window's bottom edge.
    const QFont lineFont = PixelFont(KotaeLinePixels, true);
    const int rubyRoom = RubyHeight(lineFont);
    const int pitch = QFontMetrics(lineFont).height() + rubyRoom;
    for (int i = 0; i < RecentAnswers && 342 + (i + 1) * pitch <= 476; ++i) {
        QLabel* line = makeLabel(this, KotaeLinePixels, Qt::white,
                                 QRect(420, 342 + rubyRoom + i * pitch, 212, pitch - rubyRoom));
        line->hide();
        Lbl_KotaeGyou << line;
    }

    Btn_Print = makeButton(this, QStringLiteral("プリント"),
                           QStringLiteral("れんしゅうプリントや書き取りテストを作ります"),
                           QRect(526, 446, 106, 30));
    connect(Btn_Print, &QPushButton::clicked, this, &TF_Kanji_Note::Btn_PrintClick);

    CentreLayout(this, QSize(640, 480));
    setWindowState(windowState() | Qt::WindowFullScreen);

    // One read of the history serves both views and the pages.
    summary_ = std::make_unique<NoteSummary>(Summarise(KanjiHistory::answersOf(player_)));
    schedule_ = KanjiHistory::scheduleOf(player_);
    Grd_Note->setSummary(summary_.get());
    showNotebook();
    showDetail(0);
}

TF_Kanji_Note::~TF_Kanji_Note() = default;

void TF_Kanji_Note::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!weakShown_)
        scrollToOwnYear(); // the page's height is known once the grid is shown
    OpenKanjiHistory(this); // says once when the history had to start anew
}

void TF_Kanji_Note::showNotebook() {
    weakShown_ = false;
    Btn_Nigate->setText(QStringLiteral("にがてなかんじ"));
    Btn_Nigate->setToolTip(QStringLiteral("まちがえたかんじを見ます"));
    Grd_Note->setCells(NoteYearCells(Player_Tbl[player_].Gakunen), NoteColumns, NoteSide);
    Scr_Note->show();
    Lbl_Empty->hide();
    Lbl_Legend->show();
    Btn_NigateKaite->hide();
    scrollToOwnYear();
}

// The notebook opens at the child's own school year; the years before are above it.
void TF_Kanji_Note::scrollToOwnYear() {
    const QRect heading = Grd_Note->headingRect(std::clamp<int>(Player_Tbl[player_].Gakunen, 1, 6));
    Scr_Note->verticalScrollBar()->setValue(heading.isEmpty() ? 0 : heading.top());
}

void TF_Kanji_Note::showWeakList() {
    weakShown_ = true;
    Btn_Nigate->setText(QStringLiteral("かんじノート"));
    Btn_Nigate->setToolTip(QStringLiteral("かんじノートを見ます"));
    QList<NoteCell> cells;
    for (int k : summary_->weak)
        cells << NoteCell{k, QString()};
    Grd_Note->setCells(cells, WeakColumns, WeakSide);
    Scr_Note->setVisible(!cells.isEmpty());
    Lbl_Empty->setVisible(cells.isEmpty());
    Lbl_Legend->hide();
    Btn_NigateKaite->setVisible(!cells.isEmpty());
    Scr_Note->verticalScrollBar()->setValue(0);
}

void TF_Kanji_Note::Btn_NigateClick() {
    if (weakShown_)
        showNotebook();
    else
        showWeakList();
}

void TF_Kanji_Note::Grd_NoteClick(int kanji) {
    if (picking_) {
        if (picked_.contains(kanji))
            picked_.removeAll(kanji);
        else
            picked_ << kanji;
        Grd_Note->setPicked(picked_);
        Btn_Print->setText(QStringLiteral("プリント（%1）").arg(picked_.size()));
    }
    Grd_Note->setSelected(kanji);
    showDetail(kanji);
}

void TF_Kanji_Note::showDetail(int kanji) {
    chosen_ = kanji;
    Lbl_Kotae_Midashi->setVisible(kanji >= 1 && kanji <= MaxKanji);
    Btn_Kaite->setVisible(kanji >= 1 && kanji <= MaxKanji);
    for (QLabel* line : Lbl_KotaeGyou)
        line->hide();
    if (kanji < 1 || kanji > MaxKanji) {
        Lbl_Kanji->clear();
        Lbl_Kakusuu->clear();
        Lbl_Tsugi->clear();
        // Plain text, as one of our texts: it shows its furigana.
        Lbl_Bun->setTextFormat(Qt::PlainText);
        Lbl_Bun->setText(QStringLiteral("かんじをおすと、ここに文と読みが出ます。"));
        Lbl_Kotae->clear();
        return;
    }
    Lbl_Kanji->setText(Kanji_Tbl[kanji].text());
    Lbl_Kakusuu->setText(QStringLiteral("画数 ") + QString::number(Kanji_Tbl[kanji].Kakusuu));
    Lbl_Tsugi->setText(NextReviewText(schedule_.value(kanji), Clock::today()));

    const QString k = html(Kanji_Tbl[kanji].text());
    QString bun;
    for (const NoteSentence& s : NoteSentencesOf(kanji))
        bun += QStringLiteral("・") + html(s.before) +
               QStringLiteral("<span style='color:#ff6060'>") + k + QStringLiteral("</span>") +
               html(s.after) + QStringLiteral("<br>　<span style='color:#ffff80'>") + k +
               QStringLiteral("（") + html(s.reading) + QStringLiteral("）</span><br>");
    Lbl_Bun->setTextFormat(Qt::RichText);
    Lbl_Bun->setText(bun);

    const QList<HistoryAnswer> recent = KanjiHistory::recentAnswers(player_, kanji, RecentAnswers);
    if (recent.isEmpty()) {
        Lbl_Kotae->setTextFormat(Qt::PlainText);
        Lbl_Kotae->setText(QStringLiteral("まだ答えていません。"));
        return;
    }
    Lbl_Kotae->clear();
    for (int i = 0; i < recent.size() && i < Lbl_KotaeGyou.size(); ++i) {
        QLabel* line = Lbl_KotaeGyou[i];
        QPalette pal = line->palette();
        pal.setColor(QPalette::WindowText, recent[i].right ? QColor(Qt::white) : QColor(0xff, 0x90, 0x90));
        line->setPalette(pal);
        const QString text = NoteAnswerLine(recent[i]);
        // A long game name is set smaller rather than cut.
        QFont font = PixelFont(KotaeLinePixels, true);
        for (int px = KotaeLinePixels; px > 9 &&
                                       QFontMetrics(font).horizontalAdvance(text) > line->width();)
            font = PixelFont(--px, true);
        line->setFont(font);
        line->setText(text);
        line->show();
    }
}

void TF_Kanji_Note::practise(const QList<int>& kanji) {
    TF_Kaki_Renshuu practice(player_, kanji, 0, this);
    ExecModal(&practice);
    // What was just written shows in the colours and the details at once.
    summary_ = std::make_unique<NoteSummary>(Summarise(KanjiHistory::answersOf(player_)));
    Grd_Note->setSummary(summary_.get());
    Grd_Note->update();
    schedule_ = KanjiHistory::scheduleOf(player_);
    showDetail(chosen_);
}

void TF_Kanji_Note::Btn_CalendarClick() {
    TF_Renshuu_Kiroku kiroku(player_, this);
    ExecModal(&kiroku);
}

void TF_Kanji_Note::Btn_KaiteClick() {
    if (chosen_ >= 1)
        practise({chosen_});
}

void TF_Kanji_Note::Btn_NigateKaiteClick() {
    practise(summary_->weak);
}

void TF_Kanji_Note::Btn_InsatsuClick() {
    const QString path = NotePdfPath(player_);
    if (path.isEmpty() || !WriteNotePdf(path, player_, *summary_)) {
        ShowMessage(this, NotePdfFailedText(path, !path.isEmpty() && QFile::exists(path)));
        return;
    }
    lastPdf_ = path;
    ShowMessage(this, QStringLiteral("かんじノートをPDFにしました。\n") + path);
    if (!NotePrinting::printerAvailable())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPrintDialog dialog(&printer, this);
    if (ExecModal(&dialog) == QDialog::Accepted)
        PaintNotePages(printer, player_, *summary_);
}

void TF_Kanji_Note::Btn_PrintClick() {
    picking_ = false;
    Lbl_Title->setText(Player_Tbl[player_].Name.text().trimmed() +
                       QStringLiteral("のかんじノート"));
    TF_Print_Sel choice(player_, summary_->weak, picked_, this);
    const int result = ExecModal(&choice);
    if (result == TF_Print_Sel::PickInNote) {
        // The grid's clicks now pick kanji; this button brings the choice back with them.
        picking_ = true;
        if (weakShown_)
            showNotebook();
        Lbl_Title->setText(QStringLiteral("プリントするかんじをおしてね"));
        Btn_Print->setText(QStringLiteral("プリント（%1）").arg(picked_.size()));
        return;
    }
    Btn_Print->setText(QStringLiteral("プリント"));
    if (result != QDialog::Accepted)
        return;
    const QString path = PrintKanjiSheets(player_, choice.chosenKanji(), choice.kind(), this);
    if (!path.isEmpty())
        lastSheets_ = path;
}
