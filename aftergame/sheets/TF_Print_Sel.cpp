// SPDX-License-Identifier: GPL-3.0-or-later
#include "aftergame/sheets/TF_Print_Sel.h"

#include "aftergame/practice/PracticeList.h"
#include "data/Tables.h"
#include "platform/ColourLabel.h"
#include "platform/Fonts.h"
#include "platform/HandCursor.h"
#include "platform/ProgramWindow.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {
const QColor Navy(0, 0, 128);

QRadioButton* radio(QWidget* parent, const QString& text, QRect r) {
    auto* b = new QRadioButton(text, parent);
    b->setFont(PixelFont(15, true));
    QPalette pal = b->palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    pal.setColor(QPalette::Disabled, QPalette::WindowText, QColor(140, 140, 190));
    b->setPalette(pal);
    b->setGeometry(r);
    GiveHandCursor(b);
    return b;
}

QPushButton* button(QWidget* parent, const QString& text, QRect r) {
    auto* b = new QPushButton(text, parent);
    b->setFont(PixelFont(14, true));
    b->setGeometry(r);
    GiveHandCursor(b);
    return b;
}
} // namespace

TF_Print_Sel::TF_Print_Sel(int player, const QList<int>& weak, const QList<int>& picked,
                           QWidget* parent)
    : QDialog(parent),
      year_(std::clamp<int>(Player_Tbl[std::clamp(player, 1, MaxPlayers)].Gakunen, 1, 6)),
      levels_(YearLevels(year_)), weak_(weak), picked_(picked) {
    PrepareProgramWindow(this, Navy);
    setWindowTitle(QStringLiteral("プリント"));
    setFixedSize(440, 340);
    // A light frame sets the choice apart from the navy notebook beneath it.
    auto* frame = new QFrame(this);
    frame->setGeometry(rect());
    frame->setStyleSheet(QStringLiteral("QFrame { border: 3px solid #ffff80; }"));

    Lbl_Title = MakeColourLabel(this, QStringLiteral("プリントをつくります"), 20, Qt::yellow,
                                QRect(16, 10, 400, 30));
    MakeColourLabel(this, QStringLiteral("どのかんじ？"), 14, QColor(0xff, 0xff, 0x80),
                    QRect(16, 46, 200, 20));
    Rad_Level = radio(this, QStringLiteral("%1年の").arg(year_), QRect(24, 70, 90, 26));
    Cmb_Level = new QComboBox(this);
    Cmb_Level->setFont(PixelFont(14, true));
    Cmb_Level->setGeometry(114, 70, 150, 26);
    for (int i = 0; i < levels_.size(); ++i)
        Cmb_Level->addItem(QStringLiteral("レベル%1（%2じ）").arg(i + 1).arg(levels_[i].size()));
    GiveHandCursor(Cmb_Level);
    Rad_Nigate = radio(this, QStringLiteral("にがてなかんじ（%1じ）").arg(weak_.size()),
                       QRect(24, 100, 380, 26));
    Rad_Nigate->setEnabled(!weak_.isEmpty());
    Rad_Erabu = radio(this, QStringLiteral("ノートでえらんだかんじ（%1じ）").arg(picked_.size()),
                      QRect(24, 130, 270, 26));
    Rad_Erabu->setEnabled(!picked_.isEmpty());
    Btn_Erabu = button(this, QStringLiteral("ノートでえらぶ"), QRect(296, 128, 128, 30));
    Btn_Erabu->setToolTip(QStringLiteral("かんじノートで、かんじをおしてえらびます"));
    auto* which = new QButtonGroup(this);
    for (QRadioButton* b : {Rad_Level, Rad_Nigate, Rad_Erabu})
        which->addButton(b);
    (picked_.isEmpty() ? Rad_Level : Rad_Erabu)->setChecked(true);
    connect(Cmb_Level, &QComboBox::activated, this, [this] { Rad_Level->setChecked(true); });

    MakeColourLabel(this, QStringLiteral("どのプリント？"), 14, QColor(0xff, 0xff, 0x80),
                    QRect(16, 170, 200, 20));
    Rad_Renshuu = radio(this, SheetKindName(SheetKind::Practice), QRect(24, 194, 380, 26));
    Rad_Test10 = radio(this, SheetKindName(SheetKind::Test10), QRect(24, 224, 380, 26));
    Rad_Test20 = radio(this, SheetKindName(SheetKind::Test20), QRect(24, 254, 380, 26));
    auto* kinds = new QButtonGroup(this);
    for (QRadioButton* b : {Rad_Renshuu, Rad_Test10, Rad_Test20})
        kinds->addButton(b);
    Rad_Renshuu->setChecked(true);

    Btn_Tsukuru = button(this, QStringLiteral("PDFをつくる"), QRect(196, 296, 130, 32));
    Btn_Yameru = button(this, QStringLiteral("やめる"), QRect(334, 296, 90, 32));
    connect(Btn_Erabu, &QPushButton::clicked, this, &TF_Print_Sel::Btn_ErabuClick);
    connect(Btn_Tsukuru, &QPushButton::clicked, this, &TF_Print_Sel::Btn_TsukuruClick);
    connect(Btn_Yameru, &QPushButton::clicked, this, &QDialog::reject);
}

QList<int> TF_Print_Sel::chosenKanji() const {
    if (Rad_Nigate->isChecked())
        return weak_;
    if (Rad_Erabu->isChecked())
        return picked_;
    const int level = Cmb_Level->currentIndex();
    return level >= 0 && level < levels_.size() ? levels_[level] : QList<int>();
}

SheetKind TF_Print_Sel::kind() const {
    if (Rad_Test10->isChecked())
        return SheetKind::Test10;
    if (Rad_Test20->isChecked())
        return SheetKind::Test20;
    return SheetKind::Practice;
}

void TF_Print_Sel::Btn_ErabuClick() {
    done(PickInNote);
}

void TF_Print_Sel::Btn_TsukuruClick() {
    accept();
}
