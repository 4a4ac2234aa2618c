// SPDX-License-Identifier: GPL-3.0-or-later
// What a playfield shows at its frame steps, and where it is drawn between them. The rules move
// in frame steps (several 30 ms ticks apart); the screen is drawn far more often and places each
// object between its positions at the last two steps, so it glides instead of jumping. Nothing
// drawn goes past the latest step: an object the last step removed is not drawn, one it moved
// far (a slot used again) or brought in stands where the step put it.
#pragma once

#include <QPointF>
#include <QtGlobal>
#include <array>

struct SceneItem {
    int key = 0;     // the slot: the same key at two steps is the same object
    int picture = 0; // which picture the presentation draws
    int x = 0;       // playfield pixels, top-left
    int y = 0;
    int rows = -1; // a character coming out of a hole: its top rows that show; -1 all of it
};

// One frame step's objects in drawing order, in a fixed array so a step allocates nothing.
class Scene {
  public:
    static constexpr int Capacity = 80;
    void clear() { count_ = 0; }
    void add(const SceneItem& item) {
        if (count_ < Capacity)
            items_[static_cast<size_t>(count_++)] = item;
    }
    int count() const { return count_; }
    const SceneItem& operator[](int i) const { return items_[static_cast<size_t>(i)]; }
    const SceneItem* find(int key) const;

  private:
    std::array<SceneItem, Capacity> items_{};
    int count_ = 0;
};

struct DrawnItem {
    int picture = 0;
    QPointF pos;
    qreal rows = -1;
};

class FrameInterpolation {
  public:
    // A longer move between two steps is a new object in an old slot: it is not glided.
    static constexpr int MaxGlide = 64;

    void reset();
    // A frame step reached at nowMs; the next one is due stepMs later.
    void step(const Scene& scene, qint64 nowMs, int stepMs);
    // 0 at the latest step, 1 when the next is due (and after).
    qreal fraction(qint64 nowMs) const;
    const Scene& latest() const { return cur_; }
    // Item i of the latest step as drawn at nowMs.
    DrawnItem at(int i, qint64 nowMs) const;

  private:
    Scene prev_;
    Scene cur_;
    qint64 stepAt_ = 0;
    int stepMs_ = 1;
};
