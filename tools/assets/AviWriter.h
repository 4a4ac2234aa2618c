// SPDX-License-Identifier: GPL-3.0-or-later
// Writes an uncompressed AVI (RIFF, one video stream of 24-bit bottom-up DIB frames, with an
// idx1 index), the kind every player and FFmpeg read.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <vector>

namespace AviWriter {

// All frames must have the same size. Empty on bad input.
QByteArray encode(const std::vector<QImage>& frames, int framesPerSecond);
bool save(const QString& path, const std::vector<QImage>& frames, int framesPerSecond);

}  // namespace AviWriter
