// SPDX-License-Identifier: GPL-3.0-or-later
// A made-up display adapter for the switcher and the main menu: a fixed list of modes, the one in
// effect, and a record of every change asked for.
#pragma once

#include "platform/DisplayModes.h"

#include <vector>

class FakeModeSource : public DisplayModeSource {
  public:
    FakeModeSource(std::vector<DisplayMode> modes, DisplayMode now, int ppi = 96)
        : modes_(std::move(modes)), now_(now), ppi_(ppi) {}
    DisplayMode current() const override { return now_; }
    bool enumMode(int n, DisplayMode* out) const override {
        if (n < 0 || n >= static_cast<int>(modes_.size()))
            return false;
        *out = modes_[static_cast<size_t>(n)];
        return true;
    }
    int change(const DisplayMode& mode) override {
        changes.push_back(mode);
        if (externalLog)
            externalLog->push_back(mode);
        now_ = mode;
        return DispChangeSuccessful;
    }
    int pixelsPerInch() const override { return ppi_; }

    std::vector<DisplayMode> changes;
    std::vector<DisplayMode>* externalLog = nullptr; // outlives the source, for its owner's end

  private:
    std::vector<DisplayMode> modes_;
    DisplayMode now_;
    int ppi_;
};
