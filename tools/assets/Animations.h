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

}  // namespace Animations
