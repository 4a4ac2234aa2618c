// SPDX-License-Identifier: GPL-3.0-or-later
// Reads a video file (any FFmpeg format; AVI first) one frame at a time, so a playing clip keeps
// one decoded frame in memory instead of all of them. Opening checks every frame once, so a
// damaged or cut file is refused at open, never midway through play.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <memory>
#include <vector>

class AviStream {
public:
    ~AviStream();
    AviStream(const AviStream&) = delete;
    AviStream& operator=(const AviStream&) = delete;

    // nullptr when the file is missing, damaged, cut short or outside the limits below.
    static std::unique_ptr<AviStream> open(const QString& path);

    int frameCount() const { return frameCount_; }
    double frameRate() const { return frameRate_; }
    QSize frameSize() const { return frameSize_; }
    // The index of the frame the last next() gave; -1 before the first.
    int position() const { return position_; }

    // The next frame into image (its buffer is reused when it fits); after the last frame comes
    // the first again. False when the file no longer reads (changed on disk): image is untouched.
    bool next(QImage& image);

    // Limits that keep a damaged or huge file from costing time or memory.
    static constexpr int MaxFrames = 3000;
    static constexpr int MaxSide = 2048;
    // Summed over all frames: our clips use under one million.
    static constexpr qint64 MaxPixels = 8LL * 1024 * 1024;

private:
    struct Decoder;
    AviStream();
    bool rewind();
    bool reopen();
    bool receiveNext();

    QString path_;
    std::unique_ptr<Decoder> decoder_;
    int frameCount_ = 0;
    double frameRate_ = 0;
    QSize frameSize_;
    int position_ = -1;
    bool seekable_ = true;  // until a seek proves unreliable for this file
};

// Every frame of a file at once, for tools and checks that want them side by side. Empty on
// failure.
struct AviClip {
    std::vector<QImage> frames;
    double frameRate = 0;
    QSize frameSize;
    bool isNull() const { return frames.empty(); }

    static AviClip decode(const QString& path);
};
