// Game 5's drawing: characters, bullets and bombs into the back buffer once per frame step, and
// the launcher strip and bullet store every tick. No allocation after set-up.
#pragma once

#include "games/action/ActionSprites.h"
#include "games/action/BackBuffer.h"

class ShootDown;

class ShootDownPicture {
public:
    static constexpr int StoreWidth = 128;
    static constexpr int StoreHeight = 26;

    // Loads "Tama.bmp" and "Bang.bmp"; on failure `failedFile` names the missing picture.
    bool setUp(int width, int height, int spriteBase, QString& failedFile);
    void drawFrame(const ShootDown& game);
    void drawTick(const ShootDown& game);
    void clear();

    const QImage& screen() const { return buffer_.screen(); }
    const QImage& store() const { return store_; }
    const BackBuffer& buffer() const { return buffer_; }

private:
    BackBuffer buffer_;
    CharacterSprites sprites_;
    QImage tama_;
    QImage bang_;
    QImage store_;
};
