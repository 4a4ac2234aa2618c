// SPDX-License-Identifier: GPL-3.0-or-later
#include "aftergame/practice/TF_Kaki_Sel.h"

#include "aftergame/practice/PracticeList.h"
#include "aftergame/practice/TF_Kaki_Renshuu.h"
#include "data/MainMenu.h"
#include "data/Tables.h"
#include "platform/CentredLayout.h"
#include "platform/Fonts.h"
#include "platform/HandCursor.h"
#include "platform/Modal.h"
#include "platform/ProgramWindow.h"
#include "writing/Furigana.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

namespace {
const QColor Navy(0, 0, 128);
constexpr int Columns = 5;
constexpr int Cell = 64;
constexpr int Gap = 8;
const QPoint GridAt(24, 150);
const QString WrittenStyle = QStringLiteral("QPushButton { background: #b8ecb8; color: #004000; }");

QPushButton* makeButton(QWidget* parent, const QString& text, int px, const QRect& r) {
    auto* b = new QPushButton(text, parent);
    b->setFont(PixelFont(px, true));
    b->setGeometry(r);
    GiveHandCursor(b);
    return b;
}

QLabel* makeLabel(QWidget* parent, const QString& text, int px, const QColor& colour, QPoint at) {
    auto* l = new QLabel(text, parent);
    l->setFont(PixelFont(px, true));
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, colour);
    l->setPalette(pal);
    l->move(at);
    l->adjustSize();
    return l;
}
} // namespace

TF_Kaki_Sel::TF_Kaki_Sel(int player, QWidget* parent) : QWidget(parent), player_(player) {
    PrepareProgramWindow(this, Navy);
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("F_Kaki_Sel"));
    resize(640, 480);
    const int year = player >= 1 && player <= MaxPlayers ? Player_Tbl[player].Gakunen : 1;
    levels_ = YearLevels(year);
    all_ = YearKanji(year);
    written_ = WrittenFromMemory(KanjiHistory::answersOf(player_));

    Lbl_Title = makeLabel(this, QStringLiteral("かんじを かこう"), 28, Qt::yellow, {16, 12});
    Btn_End = makeButton(this, QStringLiteral("もどる"), 20, QRect(540, 10, 92, 48));
    connect(Btn_End, &QPushButton::clicked, this, &TF_Kaki_Sel::Btn_EndClick);
    Lbl_Setsumei = makeLabel(this, QStringLiteral("レベルを えらんで、かきたい じを おしてね。"), 16,
                             Qt::white, {16, 66});

    for (int i = 0; i < levels_.size(); ++i) {
        auto* b = makeButton(this, QString::number(i + 1), 18, QRect(16 + i * 60, 94, 54, 40));
        b->setCheckable(true);
        b->setToolTip(QStringLiteral("レベル %1").arg(i + 1));
        connect(b, &QPushButton::clicked, this, [this, i] { Btn_LevelClick(i + 1); });
        Btn_Level << b;
    }
    int most = 0;
    for (const QList<int>& level : levels_)
        most = std::max(most, int(level.size()));
    for (int i = 0; i < most; ++i) {
        auto* b = makeButton(this, QString(), 38,
                             QRect(GridAt.x() + (i % Columns) * (Cell + Gap),
                                   GridAt.y() + (i / Columns) * (Cell + Gap), Cell, Cell));
        NoFurigana(b);
        connect(b, &QPushButton::clicked, this, [this, b] { Btn_KanjiClick(b->property("kanji").toInt()); });
        Btn_Kanji << b;
    }
    Btn_Tsugi = makeButton(this, QStringLiteral("つぎのじを かく"), 22, QRect(420, 210, 200, 88));
    Btn_Tsugi->setToolTip(QStringLiteral("まだ おぼえて かいていない じを かきます"));
    connect(Btn_Tsugi, &QPushButton::clicked, this, &TF_Kaki_Sel::Btn_TsugiClick);
    auto* legend = makeLabel(this, QStringLiteral("みどりの じは おぼえて かけた じ"), 14,
                             QColor(184, 236, 184), {420, 310});
    legend->setWordWrap(true);
    legend->resize(200, 44);

    CentreLayout(this);
    // The level of the next kanji not yet written.
    const int next = all_.isEmpty() ? 0 : all_[NextToWrite(all_, written_)];
    int level = 1;
    for (int i = 0; i < levels_.size(); ++i)
        if (levels_[i].contains(next))
            level = i + 1;
    Btn_LevelClick(level);
}

QPushButton* TF_Kaki_Sel::kanjiButton(int kanji) const {
    for (QPushButton* b : Btn_Kanji)
        if (b->isVisible() && b->property("kanji").toInt() == kanji)
            return b;
    return nullptr;
}

void TF_Kaki_Sel::Btn_LevelClick(int level) {
    level_ = std::clamp(level, 1, std::max(1, int(levels_.size())));
    refresh();
}

void TF_Kaki_Sel::refresh() {
    for (int i = 0; i < Btn_Level.size(); ++i)
        Btn_Level[i]->setChecked(i + 1 == level_);
    const QList<int> shown = levels_.value(level_ - 1);
    for (int i = 0; i < Btn_Kanji.size(); ++i) {
        QPushButton* b = Btn_Kanji[i];
        const int k = shown.value(i);
        b->setVisible(k > 0);
        b->setProperty("kanji", k);
        b->setText(k > 0 ? Kanji_Tbl[k].text() : QString());
        b->setStyleSheet(written_.contains(k) ? WrittenStyle : QString());
    }
}

void TF_Kaki_Sel::practise(int index) {
    if (all_.isEmpty())
        return;
    TF_Kaki_Renshuu practice(player_, all_, index, this);
    ExecModal(&practice);
    written_ = WrittenFromMemory(KanjiHistory::answersOf(player_));
    // Back at the level of the kanji the child stopped at.
    const int k = practice.kanji();
    for (int i = 0; i < levels_.size(); ++i)
        if (levels_[i].contains(k))
            level_ = i + 1;
    refresh();
}

void TF_Kaki_Sel::Btn_KanjiClick(int kanji) {
    const int index = int(all_.indexOf(kanji));
    if (index >= 0)
        practise(index);
}

void TF_Kaki_Sel::Btn_TsugiClick() {
    practise(NextToWrite(all_, written_));
}

void TF_Kaki_Sel::Btn_EndClick() {
    close();
}

void TF_Kaki_Sel::closeEvent(QCloseEvent* event) {
    // However the window goes, the menu comes back.
    if (!menuShown_) {
        menuShown_ = true;
        ShowMainMenu();
    }
    event->accept();
}
