// SPDX-License-Identifier: GPL-3.0-or-later
// Game 6's drawing: the board picture with its 25 holes and the characters rising out of them.
// The pictures are prepared at set-up, so drawing a tick allocates nothing. The screen shows the
// same board drawn at its own resolution and refresh rate (paint), a character rising smoothly
// between the last two ticks.
#pragma once

#include "games/action/FrameInterpolation.h"
#include "games/action/SharpPictures.h"

#include <QImage>
#include <array>

class MoleBoard;
class QPainter;

class MolePicture {
public:
    // Loads "Mogura.bmp" and "Atari.bmp" (backgrounds filled navy) and draws the characters of
    // the kanji set; on failure `failedFile` names the missing picture.
    // `scale`: device pixels per board pixel of the screen the board shows on.
    bool setUp(int boardSize, const MoleBoard& board, double dispScale, QString& failedFile,
               qreal scale = 1);
    // nowMs and tickMs: when the tick happened and when the next is due, for the rising.
    void drawBoard(const MoleBoard& board, qint64 nowMs = 0, int tickMs = 1);
    void drawHit(int column, int row);
    void clear();
    // The board as the screen shows it at nowMs.
    void paint(QPainter& painter, qint64 nowMs) const;
    const FrameInterpolation& frames() const { return frames_; }
    // What the rising characters and the hit pictures cover at nowMs; whether the board was
    // drawn since the last clear.
    QRegion itemsArea(qint64 nowMs) const;
    bool drawn() const { return drawn_; }

    const QImage& board() const { return board_; }

private:
    QImage board_;
    QImage hole_;
    QImage hit_;
    std::array<QImage, 21> characters_;  // [index in the kanji set]
    int setBase_ = 0;
    int setCount_ = 0;
    SharpPictures sharp_;  // 0 hole, 1 hit, 2.. the characters
    Scene scene_;
    FrameInterpolation frames_;
    std::array<bool, 26> hit_shown_{};  // [(column - 1) * 5 + row - 1] until the next tick
    bool drawn_ = false;
};
