// SPDX-License-Identifier: GPL-3.0-or-later
#include "Animations.h"

#include "AssetList.h"
#include "AnimationKit.h"
#include "AviWriter.h"

#include "platform/PictureMasters.h"

#include <QDir>

std::vector<QImage> Animations::frames(int game)
{
    if (game < 1 || game > 7)
        return {};
    const int count = AssetList::Animations[game - 1].frames;
    switch (game) {
    case 1: return matching(count);
    case 2: return guessing(count);
    case 3: return shuffle(count);
    case 4: return jigsaw(count);
    case 5: return shooting(count);
    case 6: return whack(count);
    default: return catcher(count);
    }
}

QStringList Animations::writeAll(const QString& dir)
{
    QStringList written;
    for (int game = 1; game <= 7; ++game) {
        const QString name = QString::fromLatin1(AssetList::Animations[game - 1].name);
        if (!AviWriter::save(QDir(dir).filePath(name), frames(game), AssetList::AnimationRate))
            return {};
        written << name;
        // The same clip drawn larger, which a screen of more device pixels shows instead.
        AnimationKit::frameScale() = ClipMasterScale;
        const std::vector<QImage> large = frames(game);
        AnimationKit::frameScale() = 1;
        const QString master = ClipMasterName(name);
        if (!AviWriter::save(QDir(dir).filePath(master), large, AssetList::AnimationRate,
                             AviWriter::Coding::Png))
            return {};
        written << master;
    }
    const QString practice = QString::fromLatin1(AssetList::PracticeAnimation.name);
    if (!AviWriter::save(QDir(dir).filePath(practice), writing(AssetList::PracticeAnimation.frames),
                         AssetList::AnimationRate))
        return {};
    written << practice;
    return written;
}
