// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/action/ShootDownPicture.h"

#include "games/action/Blit.h"
#include "games/action/PlayfieldPainting.h"
#include "games/action/ShootDown.h"

#include <QPainter>

bool ShootDownPicture::setUp(int width, int height, int spriteBase, QString& failedFile,
                             qreal scale)
{
    if (!LoadGamePicture(QStringLiteral("Tama.bmp"), tama_)) {
        failedFile = QStringLiteral("Tama.bmp");
        return false;
    }
    if (!LoadGamePicture(QStringLiteral("Bang.bmp"), bang_)) {
        failedFile = QStringLiteral("Bang.bmp");
        return false;
    }
    buffer_.setUp(width, height);
    store_ = QImage(StoreWidth, StoreHeight, QImage::Format_RGB32);
    store_.fill(Navy);
    sprites_ = BuildCharacterSprites(spriteBase);

    sharp_.clear();
    const CharacterSprites sharpSprites = BuildCharacterSprites(spriteBase, scale);
    for (int k = 0; k <= 20; ++k)
        sharp_.add(sharpSprites[k]);  // picture k is sprite k
    // The shell from its larger master where there is one: a smooth outline at 4K.
    sharpTama_ = sharp_.add(
        SharpMasterPicture(QStringLiteral("Tama.bmp"), tama_, tama_.size(), scale, true, Qt::transparent));
    sharpBang_ = sharp_.add(SharpBitmap(bang_, bang_.size(), scale, true));
    clear();
    return true;
}

void ShootDownPicture::drawFrame(const ShootDown& game, qint64 nowMs)
{
    scene_.clear();
    for (int i = 0; i < ShootDown::CharacterCount; ++i) {
        const CharacterSlot& c = game.characters[i];
        if (c.active && c.sprite >= 1 && c.sprite <= 20) {
            buffer_.draw(sprites_[c.sprite], c.x, c.y);
            scene_.add({i, c.sprite, c.x, c.y});
        }
    }
    for (int i = 0; i < ShootDown::BulletCount; ++i) {
        const BulletSlot& b = game.bullets[i];
        if (b.active) {
            buffer_.draw(tama_, b.x, b.y);
            scene_.add({100 + i, sharpTama_, b.x, b.y});
        }
    }
    for (int i = 0; i < ShootDown::BombCount; ++i) {
        const BombSlot& b = game.bombs[i];
        if (b.active) {
            buffer_.draw(bang_, b.x, b.y);
            scene_.add({200 + i, sharpBang_, b.x, b.y});
        }
    }
    buffer_.drawBorder();
    buffer_.present();
    frames_.step(scene_, nowMs, game.ticker.frameDivider * ActionTickMs);
    framed_ = true;
}

void ShootDownPicture::drawTick(const ShootDown& game)
{
    stripped_ = true;
    buffer_.paintStrip(ShootDown::StripHeight, game.launcherX, game.launcherWidth);
    FillRect(store_, store_.rect(), Navy);
    const int left = game.p.bulletSlots - game.bulletsInFlight;
    for (int i = 0; i < left; ++i)
        BlitTransparent(store_, tama_, 16 * i, 0);
}

void ShootDownPicture::clear()
{
    buffer_.fillScreen(Navy);
    frames_.reset();
    framed_ = false;
    stripped_ = false;
}

void ShootDownPicture::paintStore(QPainter& painter, const ShootDown& game) const
{
    painter.fillRect(store_.rect(), QColor(Navy));
    const int left = game.p.bulletSlots - game.bulletsInFlight;
    for (int i = 0; i < left; ++i)
        sharp_.draw(painter, {sharpTama_, QPointF(16 * i, 0), -1});
}

void ShootDownPicture::paint(QPainter& painter, const ShootDown& game, qint64 nowMs) const
{
    const int w = buffer_.width();
    const int h = buffer_.height();
    painter.fillRect(QRect(0, 0, w, h), QColor(Navy));
    if (framed_) {
        painter.setClipRect(QRect(0, 0, w, h));
        sharp_.drawScene(painter, frames_, nowMs);
        painter.setClipping(false);
        DrawPlayfieldBorder(painter, w, h);
    }
    if (stripped_)
        DrawPlayfieldStrip(painter, w, h, ShootDown::StripHeight, game.launcherX,
                           game.launcherWidth);
}

QRegion ShootDownPicture::itemsArea(qint64 nowMs) const
{
    return framed_ ? sharp_.sceneArea(frames_, nowMs) : QRegion();
}

QRect ShootDownPicture::stripArea() const
{
    return PlayfieldStripRect(buffer_.width(), buffer_.height(), ShootDown::StripHeight);
}
