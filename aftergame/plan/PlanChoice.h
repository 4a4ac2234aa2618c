// SPDX-License-Identifier: GPL-3.0-or-later
// Which kanji today's practice holds: at most eight, the ones due first (the longest waiting
// first), then new ones of the child's school year in level order.
#pragma once

#include "data/ReviewSchedule.h"

#include <QList>

inline constexpr int PlanSize = 8;

QList<int> ChoosePlanKanji(const KanjiSchedule& schedule, QDate today,
                           const QList<int>& newInOrder, int size = PlanSize);

// The year's kanji of player p in the order new ones join the plan.
QList<int> NewKanjiOrder(int player);

// Today's plan of player p from the stored schedule and the clock.
QList<int> TodaysPlan(int player);
