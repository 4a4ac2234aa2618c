// SPDX-License-Identifier: GPL-3.0-or-later
// data/kakijun/orders.txt: the kanji with a second order accepted by the school guide, one line
// each, "字 <stroke numbers from 1 in that order>" (KanjiVG's numbering).
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

using OtherOrderTable = QHash<char32_t, QList<QList<int>>>; // stroke indices from 0

OtherOrderTable ReadOtherOrders(const QString& path, QStringList* errors);
// Checks each order against the character's stroke count: every stroke once.
bool IsStrokeOrder(const QList<int>& order, int strokes);
