// An animation control for the menu's AVI clips: the frames are decoded once at open (the clips are
// small), then a timer loops them at the file's own frame rate. The current frame is painted
// centred in the control; the rest of the control shows its parent. A file that cannot be opened
// or decoded makes open() return false, never a crash.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <vector>

// Decodes every frame of a video file (any FFmpeg format; AVI first). Empty on failure.
struct AviClip {
    std::vector<QImage> frames;
    double frameRate = 0;
    QSize frameSize;
    bool isNull() const { return frames.empty(); }

    static AviClip decode(const QString& path);
    // Limits that keep a damaged or huge file from costing time or memory.
    static constexpr int MaxFrames = 3000;
    static constexpr int MaxSide = 2048;
    // Summed over all frames: our clips use under one million; seven clips at this limit still
    // fit in a child's computer.
    static constexpr qint64 MaxPixels = 8LL * 1024 * 1024;
};

class AnimateControl : public QWidget {
    Q_OBJECT
public:
    explicit AnimateControl(QWidget* parent = nullptr);
    ~AnimateControl() override;

    bool open(const QString& path);
    void play();
    void stop();
    void close();

    bool isOpen() const;
    bool isPlaying() const;
    int frameCount() const;
    double frameRate() const;
    QSize frameSize() const;
    QImage frameAt(int index) const;
    int currentFrame() const { return current_; }
    QString fileName() const { return path_; }

    // The timer's tick: shows the next frame, back to the first after the last.
    void advance();

protected:
    void paintEvent(QPaintEvent* event) override;
    QSize sizeHint() const override;

private:
    AviClip clip_;
    QString path_;
    QTimer timer_;
    int current_ = 0;
};
