// SPDX-License-Identifier: GPL-3.0-or-later
// Game 5's drawing: characters, bullets and bombs into the back buffer once per frame step, and
// the launcher strip and bullet store every tick. No allocation after set-up. The screen shows
// the same playfield drawn at its own resolution and refresh rate (paint), gliding between the
// last two frame steps.
#pragma once

#include "games/action/ActionSprites.h"
#include "games/action/BackBuffer.h"
#include "games/action/FrameInterpolation.h"
#include "games/action/SharpPictures.h"

class QPainter;

class ShootDown;

class ShootDownPicture {
public:
    static constexpr int StoreWidth = 128;
    static constexpr int StoreHeight = 26;

    // Loads "Tama.bmp" and "Bang.bmp"; on failure `failedFile` names the missing picture.
    // `scale`: device pixels per playfield pixel of the screen the playfield shows on.
    bool setUp(int width, int height, int spriteBase, QString& failedFile, qreal scale = 1);
    // nowMs: when the frame step happened, for the gliding.
    void drawFrame(const ShootDown& game, qint64 nowMs = 0);
    void drawTick(const ShootDown& game);
    void clear();
    // The playfield as the screen shows it at nowMs.
    void paint(QPainter& painter, const ShootDown& game, qint64 nowMs) const;
    // The bullet store as the screen shows it.
    void paintStore(QPainter& painter, const ShootDown& game) const;
    const FrameInterpolation& frames() const { return frames_; }
    // What the moving items cover at nowMs; the place of the strip the ticks redraw; whether a
    // frame step was drawn since the last clear.
    QRegion itemsArea(qint64 nowMs) const;
    QRect stripArea() const;
    bool framed() const { return framed_; }

    const QImage& screen() const { return buffer_.screen(); }
    const QImage& store() const { return store_; }
    const BackBuffer& buffer() const { return buffer_; }

private:
    BackBuffer buffer_;
    CharacterSprites sprites_;
    QImage tama_;
    QImage bang_;
    QImage store_;
    SharpPictures sharp_;
    int sharpTama_ = 0;
    int sharpBang_ = 0;
    Scene scene_;
    FrameInterpolation frames_;
    bool framed_ = false;  // a frame step was drawn since the last clear
    bool stripped_ = false;
};
