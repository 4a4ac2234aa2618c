// SPDX-License-Identifier: GPL-3.0-or-later
// Handwritten ink: strokes of points in the order they were written. The text form, one character
// a line, is "x,y x,y;x,y ..." (strokes split by ";", points by blanks), in a 1024 box, y down.
#pragma once

#include <QPointF>
#include <QString>
#include <QVector>

using Stroke = QVector<QPointF>;
using Ink = QVector<Stroke>;

constexpr double InkBox = 1024.0;

namespace InkText {
// False for a line that is not strokes of "x,y" pairs; empty strokes are dropped.
bool parse(const QString& line, Ink* ink);
QString format(const Ink& ink);
} // namespace InkText
