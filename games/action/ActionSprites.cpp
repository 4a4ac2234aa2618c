// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/action/ActionSprites.h"

#include "data/ProgramDir.h"
#include "data/Tables.h"
#include "games/action/BackBuffer.h"
#include "platform/BitmapFile.h"
#include "platform/Fonts.h"

#include <QPainter>
#include <QtMath>
#include <algorithm>

int SpriteBase(int level)
{
    // Levels start at 1; a damaged player record must not index before the table.
    const int m = std::max(1, std::min<int>(level, Cur_Levels));
    return (m - 1) * Cur_PerLevel + Cur_First - 1;
}

CharacterSprites BuildCharacterSprites(int base, qreal scale)
{
    CharacterSprites sprites;
    const QFont font = PointFont(18);
    const int side = qCeil(32 * scale);
    for (int k = 1; k <= 20; ++k) {
        QImage img(side, side, QImage::Format_RGB32);
        img.setDevicePixelRatio(scale);
        img.fill(Navy);
        const int n = base + k;
        if (n >= 1 && n <= MaxKanji) {
            QPainter painter(&img);
            painter.setFont(font);
            painter.setPen(QColor(Aqua));
            painter.drawText(QRect(0, 0, 32, 32), Qt::AlignLeft | Qt::AlignTop,
                             Kanji_Tbl[n].text());
        }
        sprites[k] = img;
    }
    return sprites;
}

bool LoadGamePicture(const QString& name, QImage& out)
{
    QImage img;
    if (!LoadBitmapFile(ProgramFile(name), img))
        return false;
    out = img.convertToFormat(QImage::Format_RGB32);
    return true;
}
