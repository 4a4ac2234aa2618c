// SPDX-License-Identifier: GPL-3.0-or-later
// Larger masters of pictures whose small files a game rule reads pixel by pixel: the screen
// draws from the master at its own resolution, the rules keep the small file.
#pragma once

#include <QString>

// Device pixels per picture pixel in a master; enough for a 4K screen (4.5 at 3840 x 2160).
inline constexpr int MasterScale = 6;

// "Mogura.bmp" -> "Mogura@6x.png"
inline QString MasterName(const QString& file) {
    return file.left(file.lastIndexOf(QLatin1Char('.'))) +
           QStringLiteral("@%1x.png").arg(MasterScale);
}

// The menu's clips: masters three times as large (555 x 360) with PNG frames; "Game1.AVI" ->
// "Game1@3x.AVI". Decoding seven of them costs CPU the small clips do not, so they play only
// where the small ones would be enlarged three times or more (4K screens).
inline constexpr int ClipMasterScale = 3;
inline constexpr qreal ClipMasterFromRatio = 3;

inline QString ClipMasterName(const QString& file) {
    const qsizetype dot = file.lastIndexOf(QLatin1Char('.'));
    return file.left(dot) + QStringLiteral("@%1x").arg(ClipMasterScale) + file.mid(dot);
}
