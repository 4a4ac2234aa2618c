// SPDX-License-Identifier: GPL-3.0-or-later
#include "aftergame/KirokuView.h"

#include "data/Dates.h"

QVector<KirokuRow> KirokuRows(const RankingResult& result)
{
    QVector<KirokuRow> rows;
    for (const RankingEntry& e : result.entries) {
        KirokuRow row;
        row.mark = e.isNew ? QStringLiteral("＊") : QStringLiteral("  ");
        row.tokuten = QString::number(e.rec.Tokuten);
        row.name = e.rec.Name.text();
        row.gakunen = QString::number(e.rec.Gakunen);
        row.hizuke = FormatHizuke(e.rec.Hizuke);
        rows.append(row);
    }
    return rows;
}

QString KirokuMessage(int newRank)
{
    if (newRank >= 1)
        return QStringLiteral("やった！  ") + QString::number(newRank) +
               QStringLiteral(" 位にはいったよ。またがんばろう！");
    return QStringLiteral("ざんねん！ １０位までにはいれなかった。またがんばろう！");
}

bool KirokuMessageIsRed(int newRank) { return newRank >= 1; }
