// SPDX-License-Identifier: GPL-3.0-or-later
// A picture the picture games draw twice: `rules()` in the layout's own pixels, which the game
// rules (the jigsaw's pixel judgement) and the tests read, and `screen()` at the screen's device
// pixel ratio, which is what a child sees. Every drawing goes to both, so they never disagree.
#pragma once

#include <QImage>
#include <QPainter>

class TwinPicture {
public:
    TwinPicture() = default;
    // RGB32, filled with `fill`; `scale` device pixels per layout pixel.
    TwinPicture(QSize size, const QColor& fill, qreal scale = ScreenScale());

    // The screen's device pixels per layout pixel (the program's scale to the screen).
    static qreal ScreenScale();

    bool isNull() const { return rules_.isNull(); }
    QSize size() const { return rules_.size(); }
    QRect rect() const { return rules_.rect(); }
    qreal scale() const { return screen_.isNull() ? 1.0 : screen_.devicePixelRatio(); }
    const QImage& rules() const { return rules_; }
    const QImage& screen() const { return screen_; }

    void fill(const QColor& colour);
    // Runs `draw(QPainter&)` once on each picture, in layout pixels both times.
    template <class Draw>
    void paint(Draw&& draw)
    {
        for (QImage* image : {&rules_, &screen_}) {
            QPainter p(image);
            draw(p);
        }
    }
    // The part `r` (layout pixels) as a picture of its own.
    TwinPicture copy(const QRect& r) const;
    // `src` whole with its top-left corner at `at`, or only its part `part` there.
    void draw(QPoint at, const TwinPicture& src);
    void draw(QPoint at, const TwinPicture& src, const QRect& part);

private:
    QImage rules_;
    QImage screen_;
};
