// SPDX-License-Identifier: GPL-3.0-or-later
// The ten card pictures the main menu makes at start-up from "Pop1.wmf" to "Pop10.wmf" and the
// matching game draws: squares of 48 pixels (70 with large fonts), white made transparent.
#pragma once

#include <QList>
#include <QPixmap>
#include <QString>
#include <functional>

// ImgLst_Pop[0] is "Pop1.wmf", ... ImgLst_Pop[9] is "Pop10.wmf".
extern QList<QPixmap> ImgLst_Pop;

// The side of the pictures for a display mode (1 large fonts, 2 normal).
int PopPictureSide(int dispMode);

// Builds ImgLst_Pop; fileOf gives the path of a file of the program directory. On a file that
// cannot be read, false with *failedFile naming it (the list is then left empty).
bool BuildPopPictures(int side, const std::function<QString(const QString&)>& fileOf,
                      QString* failedFile);
