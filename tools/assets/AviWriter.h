// SPDX-License-Identifier: GPL-3.0-or-later
// Writes an AVI (RIFF, one video stream of 24-bit bottom-up DIB frames, or PNG frames, with an
// idx1 index), the kind every player and FFmpeg read.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <vector>

namespace AviWriter {

// Raw: 24-bit DIB frames. Png: each frame a PNG ("MPNG"), for the large masters of the clips.
enum class Coding { Raw, Png };

// All frames must have the same size. Empty on bad input.
QByteArray encode(const std::vector<QImage>& frames, int framesPerSecond,
                  Coding coding = Coding::Raw);
bool save(const QString& path, const std::vector<QImage>& frames, int framesPerSecond,
          Coding coding = Coding::Raw);

}  // namespace AviWriter
