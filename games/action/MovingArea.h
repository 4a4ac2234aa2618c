// SPDX-License-Identifier: GPL-3.0-or-later
// Where a playfield's moving items stand on the screen, so that a redraw covers only where they
// were shown and where they are now instead of the whole playfield: at 60 redraws a second the
// full fill and flush of a large playfield cost more than everything else the game does.
#pragma once

#include <QRegion>

class MovingArea {
  public:
    // What to redraw when the items now cover `now`.
    QRegion due(const QRegion& now) const { return shown_ | now; }
    // A paint covered `painted` and drew items covering `items` (both in the same pixels); what
    // lies outside `painted` stays as it was shown before.
    void painted(const QRegion& painted, const QRegion& items) {
        shown_ = (shown_ - painted) | (items & painted);
    }
    const QRegion& shown() const { return shown_; }

  private:
    QRegion shown_;
};
