// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/action/FrameInterpolation.h"

#include <algorithm>
#include <cstdlib>

const SceneItem* Scene::find(int key) const {
    for (int i = 0; i < count_; ++i)
        if (items_[static_cast<size_t>(i)].key == key)
            return &items_[static_cast<size_t>(i)];
    return nullptr;
}

void FrameInterpolation::reset() {
    prev_.clear();
    cur_.clear();
    stepAt_ = 0;
    stepMs_ = 1;
}

void FrameInterpolation::step(const Scene& scene, qint64 nowMs, int stepMs) {
    prev_ = cur_;
    cur_ = scene;
    stepAt_ = nowMs;
    stepMs_ = std::max(1, stepMs);
}

qreal FrameInterpolation::fraction(qint64 nowMs) const {
    const qreal f = static_cast<qreal>(nowMs - stepAt_) / stepMs_;
    return std::clamp<qreal>(f, 0, 1);
}

DrawnItem FrameInterpolation::at(int i, qint64 nowMs) const {
    const SceneItem& c = cur_[i];
    DrawnItem d{c.picture, QPointF(c.x, c.y), static_cast<qreal>(c.rows)};
    const SceneItem* p = prev_.find(c.key);
    if (!p || p->picture != c.picture || std::abs(c.x - p->x) > MaxGlide ||
        std::abs(c.y - p->y) > MaxGlide)
        return d;
    const qreal f = fraction(nowMs);
    d.pos = QPointF(p->x + (c.x - p->x) * f, p->y + (c.y - p->y) * f);
    // Rising, a character shows more rows step by step; sinking, it never shows more than the
    // rules do (what shows is what a click can hit).
    if (p->rows >= 0 && c.rows > p->rows)
        d.rows = p->rows + (c.rows - p->rows) * f;
    return d;
}
