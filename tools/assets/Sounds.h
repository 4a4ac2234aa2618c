// SPDX-License-Identifier: GPL-3.0-or-later
// The program's sound effects, synthesized: 16-bit mono PCM WAV files.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace Sounds {

constexpr int SampleRate = 44100;

// A WAV file of the samples (-1..1), scaled so the loudest sample reaches 0.89 of full scale.
QByteArray wavFile(const std::vector<double>& samples);

// Writes the effects into dir; returns "name length" lines, empty on a failure.
QStringList writeAll(const QString& dir);

}  // namespace Sounds
