#include "games/action/CatcherPicture.h"

#include "games/action/Catcher.h"

bool CatcherPicture::setUp(int width, int height, int spriteBase)
{
    QImage picture;
    if (!LoadGamePicture(QStringLiteral("STARS2.bmp"), picture))
        return false;
    star_ = picture.copy(0, 0, 24, 24);  // the right half is never shown
    buffer_.setUp(width, height);
    sprites_ = BuildCharacterSprites(spriteBase);
    return true;
}

void CatcherPicture::drawFrame(const Catcher& game)
{
    for (const StarSlot& s : game.stars) {
        if (s.phase == StarSlot::Twinkling && !s.twinkle)
            buffer_.draw(star_, s.x, s.y);
        else if ((s.phase == StarSlot::Sinking || s.phase == StarSlot::Falling) && s.sprite >= 1 &&
                 s.sprite <= 20)
            buffer_.draw(sprites_[s.sprite], s.x, s.y);
    }
    buffer_.present();
}

void CatcherPicture::drawTick(const Catcher& game)
{
    buffer_.paintStrip(Catcher::StripHeight, game.catcherX, game.catcherWidth);
}

void CatcherPicture::clear() { buffer_.fillScreen(Navy); }
