// SPDX-License-Identifier: GPL-3.0-or-later
#include "aftergame/plan/TF_Renshuu_Kiroku.h"

#include "aftergame/plan/PracticeCalendar.h"
#include "data/Tables.h"
#include "platform/CentredLayout.h"
#include "platform/Clock.h"
#include "platform/ColourLabel.h"
#include "platform/Fonts.h"
#include "platform/HandCursor.h"
#include "platform/ProgramWindow.h"

#include <QLabel>
#include <QPushButton>

namespace {
const QColor Navy(0, 0, 128);
} // namespace

TF_Renshuu_Kiroku::TF_Renshuu_Kiroku(int player, QWidget* parent) : QDialog(parent) {
    PrepareProgramWindow(this, Navy);
    setObjectName(QStringLiteral("F_Renshuu_Kiroku"));
    resize(640, 480);
    const int p = std::clamp(player, 1, MaxPlayers);
    const QDate today = Clock::today();
    const QDate lastMonth = QDate(today.year(), today.month(), 1).addMonths(-1);
    const QSet<QDate> days = PractisedDays(KanjiHistory::answersSince(p, lastMonth));
    figures_ = FiguresOfPlayer(p);

    Lbl_Title = MakeColourLabel(this, QString(), 24, Qt::yellow, QRect(12, 10, 480, 34));
    Lbl_Title->setText(Player_Tbl[p].Name.text().trimmed() + QStringLiteral("の れんしゅう"));
    Btn_Modoru = new QPushButton(QStringLiteral("もどる"), this);
    Btn_Modoru->setFont(PixelFont(16, true));
    Btn_Modoru->setGeometry(540, 10, 92, 36);
    GiveHandCursor(Btn_Modoru);
    connect(Btn_Modoru, &QPushButton::clicked, this, &QDialog::accept);

    Cal_Sengetsu = new PracticeCalendar(this);
    Cal_Sengetsu->setGeometry(12, 54, 300, 230);
    Cal_Sengetsu->setMonth(lastMonth, days, today);
    Cal_Kongetsu = new PracticeCalendar(this);
    Cal_Kongetsu->setGeometry(328, 54, 300, 230);
    Cal_Kongetsu->setMonth(today, days, today);

    Lbl_Midashi =
        MakeColourLabel(this, QString(), 18, QColor(255, 255, 160), QRect(24, 300, 400, 26));
    Lbl_Midashi->setText(QStringLiteral("おうちの かたへ"));
    Lbl_Deatta = MakeColourLabel(this, QString(), 18, Qt::white, QRect(40, 334, 560, 26));
    Lbl_Deatta->setText(QStringLiteral("であった かんじ　%1こ").arg(figures_.met));
    Lbl_Kaketa = MakeColourLabel(this, QString(), 18, Qt::white, QRect(40, 368, 560, 26));
    Lbl_Kaketa->setText(QStringLiteral("おぼえて 書けた かんじ　%1こ").arg(figures_.written));
    Lbl_Fukushuu = MakeColourLabel(this, QString(), 18, Qt::white, QRect(40, 402, 560, 26));
    Lbl_Fukushuu->setText(
        QStringLiteral("きょう ふくしゅうする かんじ　%1こ").arg(figures_.dueToday));
    Lbl_Jikan = MakeColourLabel(this, QString(), 18, Qt::white, QRect(40, 436, 560, 26));
    Lbl_Jikan->setText(
        QStringLiteral("この 2しゅうかんの れんしゅう　%1ぷん").arg(figures_.minutes));

    CentreLayout(this, QSize(640, 480));
    setWindowState(windowState() | Qt::WindowFullScreen);
}
