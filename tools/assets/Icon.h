// SPDX-License-Identifier: GPL-3.0-or-later
// The program's icon for the desktop menu: the hiragana "も" in a red hanamaru (the teacher's
// circle of praise) on a warm yellow tile, drawn at each hicolor size so small sizes stay crisp.
#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

namespace Icon {

inline const QList<int> Sizes = {16, 22, 24, 32, 48, 64, 128, 256};

QImage draw(int size);
// <dir>/hicolor/<n>x<n>/apps/<id>.png for every size; returns the paths written.
QStringList writeAll(const QString& dir, const QString& id);

} // namespace Icon
