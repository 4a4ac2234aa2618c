// SPDX-License-Identifier: GPL-3.0-or-later
// What the ranking window shows for a result: the rows of the new ranking and the message.
#pragma once

#include "data/Rules.h"

#include <QString>
#include <QVector>

struct KirokuRow {
    QString mark;  // "＊" for the new entry, two blanks for the others
    QString tokuten;
    QString name;
    QString gakunen;
    QString hizuke;  // "yy/mm/dd"
};

QVector<KirokuRow> KirokuRows(const RankingResult& result);

// The message line: the rank reached (red) or that the score did not enter (black).
QString KirokuMessage(int newRank);
bool KirokuMessageIsRed(int newRank);
