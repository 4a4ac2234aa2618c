// SPDX-License-Identifier: GPL-3.0-or-later
// The program's pictures: the card motifs and explosions as metafiles, the action games' sprites
// as bitmaps.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

namespace Pictures {

// Pop1..Pop10.wmf, Bang.wmf, Bang1.wmf, Bang2.wmf and the five bitmaps; returns the names written.
QStringList writeAll(const QString& dir);

QByteArray popMetafile(int n);   // Pop<n>.wmf, n = 1..10
QByteArray bangMetafile(int n);  // 0: Bang.wmf (one cell), 1 and 2: Bang1.wmf and Bang2.wmf

QImage tamaBitmap();    // 16x32 bullet on white
QImage bangBitmap();    // 8x8 bomb on white
QImage moguraBitmap();  // 64x64 hole on black
QImage atariBitmap();   // 64x64 hit on black
QImage starsBitmap();   // 48x24 two stars on white
// The screen's masters of the shell, hole and hit pictures: the same drawing `scale` times
// larger, smooth, the background transparent (what the games make transparent or fill navy).
QImage moguraMaster(int scale);
QImage tamaMaster(int scale);
QImage atariMaster(int scale);

}  // namespace Pictures
