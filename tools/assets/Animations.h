// SPDX-License-Identifier: GPL-3.0-or-later
// The menu's animations, one per game, drawn frame by frame and written as AVI files.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <vector>

namespace Animations {

// The frames of Game<game>.AVI (game 1..7), AssetList's size and count.
std::vector<QImage> frames(int game);

QStringList writeAll(const QString& dir);

// The seven clips, count frames each.
std::vector<QImage> matching(int count);  // cards turning over
std::vector<QImage> guessing(int count);  // cells opening on a kanji
std::vector<QImage> shuffle(int count);   // tiles settling into a kanji
std::vector<QImage> jigsaw(int count);    // pieces flying into place
std::vector<QImage> shooting(int count);  // a launcher shooting a character
std::vector<QImage> whack(int count);     // a character rising from a hole, hit
std::vector<QImage> catcher(int count);   // a catcher catching a falling character
// The writing practice's clip: a pencil writing a kanji stroke by stroke on squared paper.
std::vector<QImage> writing(int count);

}  // namespace Animations
