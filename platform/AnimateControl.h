// SPDX-License-Identifier: GPL-3.0-or-later
// An animation control for the menu's AVI clips: a timer loops the clip at the file's own frame
// rate, reading one frame a tick, so a playing clip holds one decoded frame. The current frame is
// painted centred in the control; the rest of the control shows its parent. A file that cannot be
// opened or decoded makes open() return false, never a crash. On a 4K screen the clip's larger
// master beside it ("Game1@3x.AVI") plays where there is one. A playing clip rests while the
// control is hidden (the menu behind a game) and goes on when it shows again.
#pragma once

#include "platform/AviStream.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <memory>

class AnimateControl : public QWidget {
    Q_OBJECT
public:
    explicit AnimateControl(QWidget* parent = nullptr);
    ~AnimateControl() override;

    bool open(const QString& path);
    void play();
    void stop();
    void close();

    bool isOpen() const { return stream_ != nullptr; }
    bool isPlaying() const { return playing_; }
    bool isAdvancing() const { return timer_.isActive(); } // playing and shown
    int frameCount() const;
    double frameRate() const;
    QSize frameSize() const;
    // The frame on show (with its device pixel ratio: a master's frames are larger) and its
    // index.
    const QImage& currentImage() const { return image_; }
    int currentFrame() const { return current_; }
    QString fileName() const { return path_; }

    // The timer's tick: shows the next frame, back to the first after the last. A file that no
    // longer reads (changed on disk) stops the animation on the frame it shows.
    void advance();

signals:
    // A left click released over the control, and the mouse moving over it (tracked).
    void clicked();
    void mouseMoved();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    QSize sizeHint() const override;

private:
    void updateOpaque();

    std::unique_ptr<AviStream> stream_;
    int scale_ = 1; // device pixels per clip pixel of the file played (a master's are more)
    QImage image_;
    QString path_;
    QTimer timer_;
    int current_ = 0;
    bool playing_ = false;
    bool everShown_ = false;
};
