// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/guess/PictureGameRules.h"

#include "data/Tables.h"
#include "platform/Cp932.h"
#include "platform/Random.h"

#include <algorithm>
#include <cmath>

QStringList DivisionItems(int level)
{
    static const int all[] = {3, 4, 5, 6, 8, 9, 10, 12, 15};
    int count = 3;
    if (level >= 10)
        count = 9;
    else if (level == 9)
        count = 8;
    else if (level >= 7)
        count = 7;
    else if (level == 6)
        count = 6;
    else if (level >= 4)
        count = 5;
    else if (level == 3)
        count = 4;
    QStringList items;
    for (int i = 0; i < count; ++i)
        items << QString::number(all[i]);
    return items;
}

int ChallengeDivisionCount(int level)
{
    if (level <= 1)
        return 5;
    if (level == 2)
        return 6;
    if (level <= 4)
        return 8;
    if (level == 5)
        return 9;
    if (level == 6)
        return 10;
    if (level <= 8)
        return 12;
    return 15;
}

int ChooseQuestionKanji(int level, bool challenge)
{
    if (challenge && level > Cur_Levels)
        level = Cur_Levels;
    level = std::max(level, 1);
    int draw = 0;
    if (level == Cur_Levels) {
        draw = Cur_LastLevel;
    } else {
        Cur_LastLevel = Cur_PerLevel;
        draw = Cur_PerLevel;
    }
    const int k = Cur_First + (level - 1) * Cur_PerLevel + Random(std::max(draw, 1));
    // Practice levels past the school year's range must still name a kanji of the table.
    return std::clamp(k, 1, MaxKanji);
}

KanjiAnswer CheckKanjiAnswer(const QString& typed, const QByteArray& kanji)
{
    bool ok = false;
    const QByteArray bytes = TrimSjis(Cp932::fromUnicode(typed, &ok));
    if (!ok || bytes.size() != 2)
        return KanjiAnswer::Refused;
    return bytes == kanji ? KanjiAnswer::Right : KanjiAnswer::Wrong;
}

int LevelScore(int m, int level)
{
    const long double factor = 1.0L + 0.2L * static_cast<long double>(level);
    return static_cast<int>(std::trunc(static_cast<long double>(m) * factor));
}
