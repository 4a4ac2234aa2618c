// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu/KanaSwitch.h"

#include "platform/Fonts.h"
#include "platform/HandCursor.h"
#include "writing/HiraganaInput.h"

#include <QButtonGroup>
#include <QLineEdit>
#include <QToolButton>

namespace {
// The chosen side is lit like the menu's yellow title; the other stays pale.
const char* const SwitchStyle = "QToolButton { background: #d8d8e8; color: #505060;"
                                " border: 1px solid #202040; }"
                                "QToolButton:checked { background: #ffff00; color: #000080; }";
} // namespace

KanaSwitch::KanaSwitch(QLineEdit* edit, int buttonWidth, int height, QWidget* parent)
    : QWidget(parent), edit_(edit) {
    HiraganaInput::attach(edit);
    auto* group = new QButtonGroup(this);
    group->setExclusive(true);
    auto make = [&](const QString& text, int x) {
        auto* b = new QToolButton(this);
        b->setText(text);
        b->setCheckable(true);
        // The field keeps the focus, so typing goes on right after a switch.
        b->setFocusPolicy(Qt::NoFocus);
        b->setFont(PixelFont(height * 2 / 5, true));
        b->setStyleSheet(QString::fromLatin1(SwitchStyle));
        b->setGeometry(x, 0, buttonWidth, height);
        GiveHandCursor(b);
        group->addButton(b);
        return b;
    };
    kana_ = make(QStringLiteral("かな"), 0);
    abc_ = make(QStringLiteral("ABC"), buttonWidth);
    kana_->setToolTip(QStringLiteral("ローマ字で打つと ひらがなに なります"));
    abc_->setToolTip(QStringLiteral("打ったとおりの文字が 入ります"));
    kana_->setChecked(true);
    resize(2 * buttonWidth, height);
    connect(kana_, &QToolButton::clicked, this, [this] { setKana(true); });
    connect(abc_, &QToolButton::clicked, this, [this] { setKana(false); });
}

bool KanaSwitch::kana() const {
    return kana_->isChecked();
}

void KanaSwitch::setKana(bool on) {
    (on ? kana_ : abc_)->setChecked(true);
    HiraganaInput* input = HiraganaInput::of(edit_);
    const bool was = input->isActive();
    input->setActive(on);
    if (was != on)
        emit changed(on);
}
