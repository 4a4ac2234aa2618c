// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MessageDialog.h"

#include "platform/Fonts.h"
#include "platform/HandCursor.h"
#include "platform/MessageIcon.h"
#include "writing/RubyTextView.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QColor Paper(0xff, 0xfb, 0xe8);
constexpr int TextPixels = 22;
} // namespace

MessageDialog::MessageDialog(Kind kind, const QString& title, const QString& text, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(title);
    setObjectName(QStringLiteral("MessageBox"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Paper);
    setPalette(pal);

    auto* icon = new MessageIcon(kind == Question, this);
    text_ = new RubyTextView(this);
    text_->setObjectName(QStringLiteral("MessageText"));
    text_->setFont(PixelFont(TextPixels, true));
    text_->setMaxTextWidth(480);
    text_->setText(text);

    auto* row = new QHBoxLayout;
    row->setSpacing(16);
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addWidget(text_, 1);
    buttons_ = new QHBoxLayout;
    buttons_->setSpacing(16);
    buttons_->addStretch(1);
    auto* all = new QVBoxLayout(this);
    all->setContentsMargins(24, 20, 24, 18);
    all->setSpacing(18);
    all->addLayout(row);
    all->addLayout(buttons_);
    all->setSizeConstraint(QLayout::SetFixedSize);
}

QAbstractButton* MessageDialog::addButton(const QString& text) {
    auto* b = new QPushButton(text, this);
    b->setFont(PixelFont(20, true));
    b->setMinimumSize(120, 44);
    b->setAutoDefault(true);
    GiveHandCursor(b);
    if (added_.isEmpty()) {
        b->setDefault(true);
        b->setFocus();
    } else {
        delete buttons_->takeAt(buttons_->count() - 1); // the closing stretch moves after b
    }
    buttons_->addWidget(b);
    buttons_->addStretch(1);
    added_ << b;
    connect(b, &QPushButton::clicked, this, [this, b] {
        clicked_ = b;
        accept();
    });
    return b;
}
