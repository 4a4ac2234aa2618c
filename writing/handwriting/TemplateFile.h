// SPDX-License-Identifier: GPL-3.0-or-later
// The glyph templates: the direction features of every character the pad can offer, drawn in
// several fonts. Made at build time (tools/handwriting) into "Tegaki.dat" in the program
// directory, so the pad opens without drawing a thousand glyphs.
#pragma once

#include "writing/handwriting/DirectionFeatures.h"

#include <QString>
#include <QVector>

inline const QString TemplateFileName = QStringLiteral("Tegaki.dat");
// Zinnia's Japanese model cut down to the same characters, beside it.
inline const QString ZinniaModelFileName = QStringLiteral("Tegaki.model");

struct GlyphTemplate {
    char32_t character = 0;
    FeatureVector features{};
};

bool WriteTemplateFile(const QString& path, const QVector<GlyphTemplate>& templates);
// False for a missing, short or foreign file; the list is then empty.
bool ReadTemplateFile(const QString& path, QVector<GlyphTemplate>* templates);
