// SPDX-License-Identifier: GPL-3.0-or-later
// Game 7's drawing: stars and falling characters into the back buffer once per frame step, the
// catcher strip every tick. No allocation after set-up. The screen shows the same playfield
// drawn at its own resolution and refresh rate (paint), gliding between the last two frame steps.
#pragma once

#include "games/action/ActionSprites.h"
#include "games/action/BackBuffer.h"
#include "games/action/FrameInterpolation.h"
#include "games/action/SharpPictures.h"

class QPainter;

class Catcher;

class CatcherPicture {
public:
    // Loads "STARS2.bmp" and keeps its left half; false when it cannot be read.
    // `scale`: device pixels per playfield pixel of the screen the playfield shows on.
    bool setUp(int width, int height, int spriteBase, qreal scale = 1);
    // nowMs: when the frame step happened, for the gliding.
    void drawFrame(const Catcher& game, qint64 nowMs = 0);
    void drawTick(const Catcher& game);
    void clear();
    // The playfield as the screen shows it at nowMs.
    void paint(QPainter& painter, const Catcher& game, qint64 nowMs) const;
    const FrameInterpolation& frames() const { return frames_; }
    // What the moving items cover at nowMs; the place of the strip the ticks redraw; whether a
    // frame step was drawn since the last clear.
    QRegion itemsArea(qint64 nowMs) const;
    QRect stripArea() const;
    bool framed() const { return framed_; }

    const QImage& screen() const { return buffer_.screen(); }

private:
    BackBuffer buffer_;
    CharacterSprites sprites_;
    QImage star_;
    SharpPictures sharp_;
    int sharpStar_ = 0;
    Scene scene_;
    FrameInterpolation frames_;
    bool framed_ = false;  // a frame step was drawn since the last clear
    bool stripped_ = false;
};
