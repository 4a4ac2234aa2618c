// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/action/CatcherPicture.h"

#include "games/action/Catcher.h"
#include "games/action/PlayfieldPainting.h"

#include <QPainter>

bool CatcherPicture::setUp(int width, int height, int spriteBase, qreal scale)
{
    QImage picture;
    if (!LoadGamePicture(QStringLiteral("STARS2.bmp"), picture))
        return false;
    star_ = picture.copy(0, 0, 24, 24);  // the right half is never shown
    buffer_.setUp(width, height);
    sprites_ = BuildCharacterSprites(spriteBase);

    sharp_.clear();
    const CharacterSprites sharpSprites = BuildCharacterSprites(spriteBase, scale);
    for (int k = 0; k <= 20; ++k)
        sharp_.add(sharpSprites[k]);  // picture k is sprite k
    sharpStar_ = sharp_.add(SharpBitmap(star_, star_.size(), scale, true));
    clear();
    return true;
}

void CatcherPicture::drawFrame(const Catcher& game, qint64 nowMs)
{
    scene_.clear();
    for (int i = 0; i < Catcher::SlotCount; ++i) {
        const StarSlot& s = game.stars[static_cast<size_t>(i)];
        if (s.phase == StarSlot::Twinkling && !s.twinkle) {
            buffer_.draw(star_, s.x, s.y);
            scene_.add({i, sharpStar_, s.x, s.y});
        } else if ((s.phase == StarSlot::Sinking || s.phase == StarSlot::Falling) &&
                   s.sprite >= 1 && s.sprite <= 20) {
            buffer_.draw(sprites_[s.sprite], s.x, s.y);
            scene_.add({i, s.sprite, s.x, s.y});
        }
    }
    buffer_.present();
    frames_.step(scene_, nowMs, game.ticker.frameDivider * ActionTickMs);
    framed_ = true;
}

void CatcherPicture::drawTick(const Catcher& game)
{
    stripped_ = true;
    buffer_.paintStrip(Catcher::StripHeight, game.catcherX, game.catcherWidth);
}

void CatcherPicture::clear()
{
    buffer_.fillScreen(Navy);
    frames_.reset();
    framed_ = false;
    stripped_ = false;
}

void CatcherPicture::paint(QPainter& painter, const Catcher& game, qint64 nowMs) const
{
    const int w = buffer_.width();
    const int h = buffer_.height();
    painter.fillRect(QRect(0, 0, w, h), QColor(Navy));
    if (framed_) {
        painter.setClipRect(QRect(0, 0, w, h));
        sharp_.drawScene(painter, frames_, nowMs);
        painter.setClipping(false);
    }
    if (stripped_)
        DrawPlayfieldStrip(painter, w, h, Catcher::StripHeight, game.catcherX, game.catcherWidth);
}

QRegion CatcherPicture::itemsArea(qint64 nowMs) const
{
    return framed_ ? sharp_.sceneArea(frames_, nowMs) : QRegion();
}

QRect CatcherPicture::stripArea() const
{
    return PlayfieldStripRect(buffer_.width(), buffer_.height(), Catcher::StripHeight);
}
