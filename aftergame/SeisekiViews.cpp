// SPDX-License-Identifier: GPL-3.0-or-later
#include "aftergame/SeisekiViews.h"

#include "data/Dates.h"
#include "data/Rules.h"
#include "data/Tables.h"

#include <cmath>

namespace {
// Trunc of a product or quotient, computed so that exact results never fall one short.
int dropFraction(double v) { return static_cast<int>(std::trunc(v + 1e-9)); }

QStringList emptyRow(int cols)
{
    QStringList row;
    for (int c = 0; c < cols; ++c)
        row << QString();
    return row;
}

void shape(SeisekiGrid& g, int cols, int rows)
{
    g.colCount = cols;
    g.rowCount = rows;
    g.cells.fill(emptyRow(cols), rows);
}
}  // namespace

QString SeisekiGrid::cell(int row, int col) const
{
    if (row < 0 || row >= cells.size() || col < 0 || col >= cells[row].size())
        return {};
    return cells[row][col];
}

QString SeisekiGameName(int game)
{
    static const char* const names[] = {"かんじあわせ", "かんじ当て",   "シャッフル",  "ジグソーパズル",
                                        "かんじ打落し", "もぐらたたき", "かんじｷｬｯﾁｬｰ"};
    if (game < 1 || game > 7)
        return {};
    return QString::fromUtf8(names[game - 1]);
}

int ProgressPercent(int progress, int creditsPerLevel)
{
    if (creditsPerLevel <= 0)
        return 0;
    return progress * 100 / creditsPerLevel;
}

SeisekiGrid OwnRecordView(int player, int width, int height)
{
    SeisekiGrid g;
    shape(g, 5, 8);
    const TPlayerRec& p = Player_Tbl[player];
    g.title = p.Name.text();
    g.defaultColWidth = width / 5 - 2;
    g.defaultRowHeight = height / 8 - 4;
    g.colWidths[0] = dropFraction(g.defaultColWidth * 0.8);
    g.colWidths[1] = dropFraction(g.defaultColWidth / 0.8);

    g.cells[0] = QStringList{QStringLiteral("ゲーム"), QStringLiteral("レベル"),
                             QStringLiteral("レベル内の進みぐあい"), QStringLiteral("あなたの最高とく点"),
                             QStringLiteral("全員の最高とく点")};
    for (int game = 1; game <= 7; ++game) {
        QStringList& row = g.cells[game];
        row[0] = SeisekiGameName(game);
        row[1] = QStringLiteral("★").repeated(std::max<int>(0, p.Level[game]));
        row[2] = QString::number(ProgressPercent(p.Progress[game], LevelUp_Tbl[game]));
        row[3] = QString::number(p.Best[game]);
        const TKirokuRec& top = Kiroku_Tbl[game][1];
        row[4] = QString::number(top.Game != 0 ? top.Tokuten : 0);
    }
    return g;
}

SeisekiGrid AllPlayersView(int width)
{
    SeisekiGrid g;
    shape(g, 9, Player_Count + 1);
    g.title = QStringLiteral("全員のレベル");
    g.defaultColWidth = width / 9 - 4;
    g.defaultRowHeight = 45;
    g.colWidths[0] = dropFraction(g.defaultColWidth * 1.6);
    g.colWidths[1] = dropFraction(g.colWidths[0] / 3.3);

    QStringList& head = g.cells[0];
    head[0] = QStringLiteral("名前");
    head[1] = QStringLiteral("学年");
    for (int game = 1; game <= 7; ++game)
        head[game + 1] = SeisekiGameName(game);
    for (int i = 1; i <= Player_Count; ++i) {
        const TPlayerRec& p = Player_Tbl[i];
        QStringList& row = g.cells[i];
        row[0] = p.Name.text();
        row[1] = QString::number(p.Gakunen);
        for (int game = 1; game <= 7; ++game)
            row[game + 1] = IsAllClear(p.Gakunen, p.Level[game]) ? QStringLiteral("オールクリア")
                                                                 : QString::number(p.Level[game]);
    }
    return g;
}

SeisekiGrid GameRankingView(int game, int width)
{
    SeisekiGrid g;
    shape(g, 5, 11);
    g.title = SeisekiGameName(game) + QStringLiteral("の成績");
    g.defaultColWidth = width / 5 - 4;
    g.defaultRowHeight = 25;
    g.cells[0] = QStringList{QStringLiteral("じゅんい"), QStringLiteral("とく点"), QStringLiteral("名前"),
                             QStringLiteral("学年"), QStringLiteral("日付")};
    if (game < 1 || game > MaxGames)
        return g;
    for (int r = 1; r <= MaxRanks; ++r) {
        const TKirokuRec& k = Kiroku_Tbl[game][r];
        if (k.Tokuten == 0)
            continue;
        g.cells[r] = QStringList{QString::number(r), QString::number(k.Tokuten), k.Name.text(),
                                 QString::number(k.Gakunen), FormatHizuke(k.Hizuke)};
    }
    return g;
}
