// SPDX-License-Identifier: GPL-3.0-or-later
// The playfield drawing of the action games: a clean background and a back buffer, both
// (W + 32) x (H + 32) so sprites may stand past the edges, and the W x H screen picture the
// playfield shows. Sprites go into the back buffer, the visible part is copied to the screen in
// one piece, then only the rectangles drawn are restored from the clean background.
#pragma once

#include <QImage>
#include <QRect>
#include <array>

inline constexpr QRgb Navy = 0xFF000080u;
inline constexpr QRgb Aqua = 0xFF00FFFFu;
inline constexpr QRgb Red = 0xFFFF0000u;
inline constexpr QRgb WhiteColour = 0xFFFFFFFFu;

class BackBuffer {
public:
    static constexpr int Margin = 32;
    static constexpr int MaxDirty = 96;

    void setUp(int width, int height);
    int width() const { return w_; }
    int height() const { return h_; }

    void draw(const QImage& sprite, int x, int y);
    // A white frame of width 2 around the visible area.
    void drawBorder();
    // Copies the visible area to the screen and restores the back buffer.
    void present();
    // The strip of the bottom rows, repainted straight onto the screen: navy with a red block.
    void paintStrip(int stripHeight, int blockX, int blockWidth);
    void fillScreen(QRgb colour);

    const QImage& screen() const { return screen_; }
    const QImage& back() const { return back_; }
    int dirtyCount() const { return dirtyCount_; }

private:
    int w_ = 0;
    int h_ = 0;
    QImage clean_;
    QImage back_;
    QImage screen_;
    std::array<QRect, MaxDirty> dirty_{};
    int dirtyCount_ = 0;
    bool restoreAll_ = false;  // more sprites than rectangles kept
};
