// SPDX-License-Identifier: GPL-3.0-or-later
// "Kakijun.dat": the stroke data of every character the program teaches to write, made at build
// time (tools/writing) from KanjiVG, so the program never reads SVG.
//
// Format, little-endian:
//   "MJKJ", u32 version (1), u32 character count,
//   per character, by rising code point:
//     u32 code point, u8 stroke count S, u8 count of other accepted orders R,
//     R x S bytes: the stroke indices of each other order,
//     per stroke: u16 point count P, P x (i16 x, i16 y) in hundredths of the 109 box,
//   u32 FNV-1a hash of every byte before it.
#pragma once

#include "writing/strokes/CharStrokes.h"

#include <QByteArray>
#include <QList>
#include <QString>

inline const QString KakijunFileName = QStringLiteral("Kakijun.dat");
// KanjiVG's licence and attribution, beside it.
inline const QString KakijunLicenceFileName = QStringLiteral("KanjiVG-COPYING.txt");

// Written by rising code point, whatever the order of the list.
QByteArray EncodeKakijun(const QList<CharStrokes>& chars);
// False for a short, foreign, damaged or out-of-order file; the list is then empty.
bool DecodeKakijun(const QByteArray& bytes, QList<CharStrokes>* chars);

bool WriteKakijunFile(const QString& path, const QList<CharStrokes>& chars);
bool ReadKakijunFile(const QString& path, QList<CharStrokes>* chars);
