// SPDX-License-Identifier: GPL-3.0-or-later
// The order-free part of recognition: the ink is moved and scaled to fill a small square, drawn
// with one pen, and described by how much of its outline runs in each of eight directions in each
// cell of a grid. Stroke order, stroke direction and where on the pad the child wrote do not
// change the description; strokes joined or broken change it little.
#pragma once

#include "writing/handwriting/Ink.h"

#include <QImage>

#include <array>

constexpr int FeatureCanvas = 64; // pixels a side of the drawn square
constexpr int FeatureGrid = 8;    // cells a side
constexpr int FeatureDirs = 8;
constexpr int FeatureSize = FeatureGrid * FeatureGrid * FeatureDirs;

using FeatureVector = std::array<float, FeatureSize>;

// The ink drawn into the canvas, its bounding box centred and its longer side scaled to fit.
QImage NormalisedInk(const Ink& ink);
// Unit length (all zero for empty ink), so that two vectors compare by their dot product.
FeatureVector InkFeatures(const Ink& ink);
FeatureVector ImageFeatures(const QImage& canvas);
