// SPDX-License-Identifier: GPL-3.0-or-later
#include "aftergame/UpDown.h"

#include "platform/HandCursor.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

TUpDown::TUpDown(QLineEdit* buddy, int min, int max, QWidget* parent)
    : QWidget(parent), buddy_(buddy), min_(min), max_(max), up_(new QToolButton(this)),
      down_(new QToolButton(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QToolButton* b : {up_, down_}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        GiveHandCursor(b);
        layout->addWidget(b);
    }
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    up_->setAutoRepeat(true);
    down_->setAutoRepeat(true);
    connect(up_, &QToolButton::clicked, this, &TUpDown::stepUp);
    connect(down_, &QToolButton::clicked, this, &TUpDown::stepDown);
}

int TUpDown::position() const
{
    bool ok = false;
    const int v = buddy_->text().trimmed().toInt(&ok);
    if (!ok)
        return min_;
    return std::clamp(v, min_, max_);
}

void TUpDown::step(int delta)
{
    bool ok = false;
    buddy_->text().trimmed().toInt(&ok);
    const int next = ok ? std::clamp(position() + delta, min_, max_) : min_;
    buddy_->setText(QString::number(next));
}

void TUpDown::stepUp() { step(1); }
void TUpDown::stepDown() { step(-1); }
