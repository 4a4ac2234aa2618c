// SPDX-License-Identifier: GPL-3.0-or-later
// The seven games of the menu: captions, hints and where each entry stands on the game panel.
#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

QString GameCaption(int game); // "かんじ合わせ", ... for games 1..7
QString GameHint(int game);    // the caption's hint: "「" + caption + "」をする"
QString GameAnimationHint(int game);
// Top-left of game n's animation on a panel of width w and height h (fractions dropped).
QPoint MenuEntryPos(int game, int w, int h);
// Game n's tile: its quarter of the panel's width and half of its height, from MenuEntryPos. The
// entry's picture and caption stay inside it.
QRect MenuEntryTile(int game, int w, int h);
