// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu/MenuEntries.h"

QString GameCaption(int game) {
    switch (game) {
    case 1:
        return QStringLiteral("かんじ合わせ");
    case 2:
        return QStringLiteral("かんじ当てゲーム");
    case 3:
        return QStringLiteral("かんじシャッフル");
    case 4:
        return QStringLiteral("ジグソーパズル");
    case 5:
        return QStringLiteral("かんじを打ち落とせ");
    case 6:
        return QStringLiteral("かんじもぐらたたき");
    case 7:
        return QStringLiteral("かんじキャッチャー");
    default:
        return {};
    }
}

QString GameHint(int game) {
    return QStringLiteral("「") + GameCaption(game) + QStringLiteral("」をする");
}

QString GameAnimationHint(int game) {
    // The jigsaw's caption is short; its animation names the whole game.
    return game == 4 ? QStringLiteral("かんじジグソーパズル") : GameCaption(game);
}

QPoint MenuEntryPos(int game, int w, int h) {
    if (game < 1 || game > 7)
        return {};
    const int column = (game - 1) % 4;
    const int row = (game - 1) / 4;
    return {column * w / 4, row * h / 2};
}

QRect MenuEntryTile(int game, int w, int h) {
    if (game < 1 || game > 7)
        return {};
    return QRect(MenuEntryPos(game, w, h), QSize(w / 4, h / 2));
}
