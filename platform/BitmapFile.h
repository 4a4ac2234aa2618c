// SPDX-License-Identifier: GPL-3.0-or-later
// Loading a Windows bitmap (.bmp) file whole: a file cut short is refused instead of being padded
// with black, as the image reader alone would do.
#pragma once

#include <QImage>
#include <QString>

bool LoadBitmapFile(const QString& path, QImage& out);
// The same on the file's bytes.
bool DecodeBitmap(const QByteArray& bytes, QImage& out);
