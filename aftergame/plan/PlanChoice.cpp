// SPDX-License-Identifier: GPL-3.0-or-later
#include "aftergame/plan/PlanChoice.h"

#include "aftergame/practice/PracticeList.h"
#include "data/Tables.h"
#include "platform/Clock.h"

#include <algorithm>

QList<int> ChoosePlanKanji(const KanjiSchedule& schedule, QDate today,
                           const QList<int>& newInOrder, int size) {
    QList<std::pair<QDate, int>> due;
    for (auto it = schedule.cbegin(); it != schedule.cend(); ++it)
        if (IsDue(*it, today))
            due.append({it->due, it.key()});
    std::sort(due.begin(), due.end());
    QList<int> plan;
    for (const auto& [day, kanji] : due) {
        if (plan.size() >= size)
            return plan;
        plan << kanji;
    }
    for (int kanji : newInOrder) {
        if (plan.size() >= size)
            break;
        if (!schedule.contains(kanji) && !plan.contains(kanji))
            plan << kanji;
    }
    return plan;
}

QList<int> NewKanjiOrder(int player) {
    // The year's kanji in level order: the levels the games reached come first by themselves.
    return player >= 1 && player <= MaxPlayers ? YearKanji(Player_Tbl[player].Gakunen)
                                               : QList<int>{};
}

QList<int> TodaysPlan(int player) {
    return ChoosePlanKanji(KanjiHistory::scheduleOf(player), Clock::today(),
                           NewKanjiOrder(player));
}
