// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu/PracticeEntry.h"

#include "menu/CaptionLabel.h"
#include "platform/AnimateControl.h"
#include "platform/HandCursor.h"

#include <QEvent>

PracticeEntry::PracticeEntry(const QString& clipPath, const QFont& font, QWidget* panel,
                             QWidget* parent)
    : QWidget(parent), panel_(panel) {
    setMouseTracking(true);
    animation_ = new AnimateControl(this);
    caption_ = new CaptionLabel(8, this);
    caption_->setText(QStringLiteral("かんじを かこう"));
    caption_->setToolTip(QStringLiteral("かんじの かきかたを れんしゅうする"));
    caption_->setFont(font);
    caption_->setAutoFillBackground(false);
    GiveHandCursor(caption_);
    setHot(false);
    caption_->adjustSize();
    if (animation_->open(clipPath)) {
        animation_->setToolTip(caption_->toolTip());
        animation_->setMouseTracking(true);
        GiveHandCursor(animation_);
        animation_->play();
        connect(animation_, &AnimateControl::clicked, this, &PracticeEntry::clicked);
        connect(animation_, &AnimateControl::mouseMoved, this, [this] { setHot(true); });
    } else {
        animation_->hide();
    }
    connect(caption_, &CaptionLabel::clicked, this, &PracticeEntry::clicked);
    connect(caption_, &CaptionLabel::mouseMoved, this, [this] { setHot(true); });
    if (panel_)
        panel_->installEventFilter(this);
}

void PracticeEntry::setHot(bool hot) {
    QPalette pal = caption_->palette();
    pal.setColor(QPalette::WindowText, hot ? Qt::red : Qt::white);
    caption_->setPalette(pal);
}

void PracticeEntry::leaveEvent(QEvent* event) {
    setHot(false);
    QWidget::leaveEvent(event);
}

bool PracticeEntry::eventFilter(QObject* watched, QEvent* event) {
    if (watched == panel_ && (event->type() == QEvent::Show || event->type() == QEvent::Hide))
        setVisible(event->type() == QEvent::Show);
    return QWidget::eventFilter(watched, event);
}
