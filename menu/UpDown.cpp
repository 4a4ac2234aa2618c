// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu/UpDown.h"

#include <QLineEdit>
#include <QToolButton>

#include <algorithm>

UpDown::UpDown(QWidget* parent, QLineEdit* associate, int min, int max)
    : QWidget(parent), associate_(associate), min_(min), max_(max), up_(new QToolButton(this)),
      down_(new QToolButton(this)) {
    // The arrows keep the buttons' own dark colour whatever the group's text colour is.
    for (QToolButton* b : {up_, down_}) {
        QPalette pal = b->palette();
        pal.setColor(QPalette::ButtonText, Qt::black);
        pal.setColor(QPalette::WindowText, Qt::black);
        b->setPalette(pal);
    }
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    up_->setAutoRepeat(true);
    down_->setAutoRepeat(true);
    connect(up_, &QToolButton::clicked, this, &UpDown::stepUp);
    connect(down_, &QToolButton::clicked, this, &UpDown::stepDown);
}

int UpDown::position() const {
    bool ok = false;
    const int n = associate_->text().toInt(&ok);
    return ok ? std::clamp(n, min_, max_) : min_;
}

void UpDown::step(int delta) {
    associate_->setText(QString::number(std::clamp(position() + delta, min_, max_)));
}

void UpDown::resizeEvent(QResizeEvent*) {
    const int h = height() / 2;
    up_->setGeometry(0, 0, width(), h);
    down_->setGeometry(0, h, width(), height() - h);
}
