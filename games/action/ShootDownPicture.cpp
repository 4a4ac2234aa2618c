#include "games/action/ShootDownPicture.h"

#include "games/action/Blit.h"
#include "games/action/ShootDown.h"

bool ShootDownPicture::setUp(int width, int height, int spriteBase, QString& failedFile)
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
    return true;
}

void ShootDownPicture::drawFrame(const ShootDown& game)
{
    for (int i = 0; i < ShootDown::CharacterCount; ++i) {
        const CharacterSlot& c = game.characters[i];
        if (c.active && c.sprite >= 1 && c.sprite <= 20)
            buffer_.draw(sprites_[c.sprite], c.x, c.y);
    }
    for (const BulletSlot& b : game.bullets)
        if (b.active)
            buffer_.draw(tama_, b.x, b.y);
    for (const BombSlot& b : game.bombs)
        if (b.active)
            buffer_.draw(bang_, b.x, b.y);
    buffer_.drawBorder();
    buffer_.present();
}

void ShootDownPicture::drawTick(const ShootDown& game)
{
    buffer_.paintStrip(ShootDown::StripHeight, game.launcherX, game.launcherWidth);
    FillRect(store_, store_.rect(), Navy);
    const int left = game.p.bulletSlots - game.bulletsInFlight;
    for (int i = 0; i < left; ++i)
        BlitTransparent(store_, tama_, 16 * i, 0);
}

void ShootDownPicture::clear() { buffer_.fillScreen(Navy); }
