// Game 7's drawing: stars and falling characters into the back buffer once per frame step, the
// catcher strip every tick. No allocation after set-up.
#pragma once

#include "games/action/ActionSprites.h"
#include "games/action/BackBuffer.h"

class Catcher;

class CatcherPicture {
public:
    // Loads "STARS2.bmp" and keeps its left half; false when it cannot be read.
    bool setUp(int width, int height, int spriteBase);
    void drawFrame(const Catcher& game);
    void drawTick(const Catcher& game);
    void clear();

    const QImage& screen() const { return buffer_.screen(); }

private:
    BackBuffer buffer_;
    CharacterSprites sprites_;
    QImage star_;
};
