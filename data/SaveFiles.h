// SPDX-License-Identifier: GPL-3.0-or-later
// "Player.dat" (108-byte player records) and "Game.dat" (40-byte ranking records, always 100 of
// them). Loading refuses a damaged file whole; saving writes each file to a temporary file first,
// so a failure never destroys what was saved before.
#pragma once

#include "data/Tables.h"

#include <QByteArray>
#include <QString>

constexpr int PlayerRecSize = 108;
constexpr int KirokuRecSize = 40;

inline const QString PlayerFileName = QStringLiteral("Player.dat");
inline const QString GameFileName = QStringLiteral("Game.dat");

QByteArray EncodePlayer(const TPlayerRec& p);
TPlayerRec DecodePlayer(const char* record);
QByteArray EncodeKiroku(const TKirokuRec& k);
TKirokuRec DecodeKiroku(const char* record);

// Whole-file parsing; false when the contents break the record rules (nothing is changed then).
bool ParsePlayerFile(const QByteArray& bytes);
bool ParseGameFile(const QByteArray& bytes);
QByteArray PlayerFileBytes();
QByteArray GameFileBytes();

// Load from the records folder (RecordsDir); a missing file is no failure (the table stays empty).
// On false, *failedFile names the file for the error report.
bool LoadPlayersAndRecords(QString* failedFile);
// Save both files; on false, *failedFile names the file that could not be written.
bool SavePlayersAndRecords(QString* failedFile);
