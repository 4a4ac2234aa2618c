// SPDX-License-Identifier: GPL-3.0-or-later
// The program's two Japanese faces, mapped to Debian's IPA fonts so the look is the same on any
// machine. Sizes given in points are converted at 96 pixels per inch, the layout's own density.
#pragma once

#include <QFont>
#include <QString>

inline const QString FacePGothic = QStringLiteral("ＭＳ Ｐゴシック");  // proportional
inline const QString FaceGothic = QStringLiteral("ＭＳ ゴシック");     // fixed pitch
// Debian's fonts-kanjistrokeorders: each kanji drawn with its numbered strokes.
inline const QString FaceStrokeOrder = QStringLiteral("KanjiStrokeOrders");

void InstallFontSubstitutions();
bool JapaneseFontAvailable();  // false when no Japanese face resolves (text would show boxes)
bool StrokeOrderFontAvailable();

QFont PixelFont(int pixels, bool bold = false, const QString& face = FacePGothic);
QFont PointFont(int points, bool bold = false, const QString& face = FacePGothic);
