// SPDX-License-Identifier: GPL-3.0-or-later
// Pixel copies between 32-bit images without QPainter, so the per-tick drawing of the action
// games allocates nothing. Every copy is clipped to the destination.
#pragma once

#include <QImage>
#include <QRect>

// src drawn with its top-left at (x, y); pure white pixels of src are transparent.
// Returns the rectangle actually changed (empty when nothing was inside).
QRect BlitTransparent(QImage& dst, const QImage& src, int x, int y);
// The same rectangle of src copied onto dst (both images 32-bit).
void CopyRect(QImage& dst, const QImage& src, const QRect& r);
// The rectangle r of src copied to dst with its top-left at (dx, dy).
void CopyRectTo(QImage& dst, int dx, int dy, const QImage& src, const QRect& r);
void FillRect(QImage& dst, const QRect& r, QRgb colour);
// The top `rows` rows of src drawn with their top-left at (x, y); white is transparent.
void BlitTopRows(QImage& dst, const QImage& src, int rows, int x, int y);
// The black area connected to (x, y) becomes `colour` (the pictures' backgrounds).
void FloodFillBlack(QImage& img, int x, int y, QRgb colour);
