// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/action/ActionControls.h"

#include "platform/Fonts.h"
#include "platform/HandCursor.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

QLabel* MakeActionLabel(QWidget* parent, const QString& text, const QRect& r, int px, bool bold,
                        const QString& colour)
{
    auto* l = new QLabel(text, parent);
    l->setGeometry(r);
    l->setFont(PixelFont(px, bold));
    l->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(colour));
    return l;
}

QPushButton* MakeActionButton(QWidget* parent, const QString& text, const QRect& r,
                              const QString& hint)
{
    auto* b = new QPushButton(text, parent);
    b->setGeometry(r);
    b->setFont(PixelFont(13));
    b->setToolTip(hint);
    b->setFocusPolicy(Qt::NoFocus);
    GiveHandCursor(b);
    return b;
}

QGroupBox* MakeActionGroup(QWidget* parent, const QString& title, const QRect& r)
{
    auto* g = new QGroupBox(title, parent);
    g->setGeometry(r);
    g->setFont(PixelFont(13));
    g->setStyleSheet(QStringLiteral(
        "QGroupBox { color: white; border: 1px solid white; margin-top: 8px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 8px; }"));
    return g;
}
