// SPDX-License-Identifier: GPL-3.0-or-later
// A picture control that shows an image owned elsewhere (the playfield's screen picture, the
// bullet store), drawn at its top-left corner, or that a painter draws into at the screen's own
// resolution, or a scene of moving items drawn for a moment of the game's clock.
#pragma once

#include "games/action/MovingArea.h"

#include <QImage>
#include <QWidget>
#include <functional>

class QPainter;

class ImageView : public QWidget {
public:
    explicit ImageView(QWidget* parent) : QWidget(parent) {}
    void setImage(const QImage* image) { image_ = image; }
    // Draws the whole control in its own (logical) pixels; replaces the image.
    void setPainter(std::function<void(QPainter&)> painter);
    // A scene: `painter` draws the whole control as it is at a moment; `items` is the area its
    // moving items cover at that moment. Every paint draws the moment last shown.
    void setScene(std::function<void(QPainter&, qint64)> painter,
                  std::function<QRegion(qint64)> items);
    // Shows the scene at nowMs, redrawing where its items were shown and where they are now, and
    // the parts changed since the last show.
    void showAt(qint64 nowMs);
    // A part of the scene besides its moving items changed: it is drawn with the next show, in
    // the same frame.
    void changedAtNextShow(const QRect& part) { pending_ |= part; }
    qint64 shownAt() const { return shownMs_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QImage* image_ = nullptr;
    std::function<void(QPainter&)> painter_;
    std::function<void(QPainter&, qint64)> scene_;
    std::function<QRegion(qint64)> items_;
    MovingArea moving_;
    QRegion pending_;
    qint64 shownMs_ = 0;
};
