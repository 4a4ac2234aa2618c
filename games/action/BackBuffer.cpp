// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/action/BackBuffer.h"

#include "games/action/Blit.h"

void BackBuffer::setUp(int width, int height)
{
    w_ = width;
    h_ = height;
    clean_ = QImage(w_ + Margin, h_ + Margin, QImage::Format_RGB32);
    clean_.fill(Navy);
    back_ = QImage(w_ + Margin, h_ + Margin, QImage::Format_RGB32);
    back_.fill(Navy);
    screen_ = QImage(w_, h_, QImage::Format_RGB32);
    screen_.fill(Navy);
    dirtyCount_ = 0;
}

void BackBuffer::draw(const QImage& sprite, int x, int y)
{
    const QRect r = BlitTransparent(back_, sprite, x, y);
    if (r.isEmpty())
        return;
    if (dirtyCount_ < MaxDirty)
        dirty_[dirtyCount_++] = r;
    else
        restoreAll_ = true;
}

void BackBuffer::drawBorder()
{
    FillRect(back_, QRect(0, 0, w_, 2), WhiteColour);
    FillRect(back_, QRect(0, h_ - 2, w_, 2), WhiteColour);
    FillRect(back_, QRect(0, 0, 2, h_), WhiteColour);
    FillRect(back_, QRect(w_ - 2, 0, 2, h_), WhiteColour);
}

void BackBuffer::present()
{
    CopyRect(screen_, back_, QRect(0, 0, w_, h_));
    if (restoreAll_)
        CopyRect(back_, clean_, back_.rect());
    else
        for (int i = 0; i < dirtyCount_; ++i)
            CopyRect(back_, clean_, dirty_[i]);
    dirtyCount_ = 0;
    restoreAll_ = false;
}

void BackBuffer::paintStrip(int stripHeight, int blockX, int blockWidth)
{
    FillRect(screen_, QRect(0, h_ - stripHeight, w_, stripHeight), Navy);
    FillRect(screen_, QRect(blockX, h_ - stripHeight, blockWidth, stripHeight), Red);
}

void BackBuffer::fillScreen(QRgb colour) { screen_.fill(colour); }
