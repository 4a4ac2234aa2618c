// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DisplayModes.h"

#include <QGuiApplication>
#include <QScreen>
#include <QtGui/private/qhighdpiscaling_p.h>

#include <algorithm>

int Display_Width = 0;
int Display_Height = 0;
int Display_Refresh = 0;

double ScaleFactorFor(QSize native, QSize logical) {
    if (logical.width() <= 0 || logical.height() <= 0)
        return 1;
    return std::min(double(native.width()) / logical.width(),
                    double(native.height()) / logical.height());
}

void ApplyGlobalScaleFactor(double factor) {
    QHighDpiScaling::setGlobalFactor(factor);
}

int DispModeForPixelsPerInch(int ppi) {
    return ppi >= 120 ? 1 : 2;
}

QString DisplayModeLine(const DisplayMode& mode) {
    QString depth;
    switch (mode.bitsPerPixel) {
    case 4:
        depth = QStringLiteral("16色");
        break;
    case 8:
        depth = QStringLiteral("256色");
        break;
    case 16:
        depth = QStringLiteral("High Color (16ﾋﾞｯﾄ)");
        break;
    case 32:
        depth = QStringLiteral("True Color (32ﾋﾞｯﾄ)");
        break;
    default:
        depth = QStringLiteral("(Unknown)");
        break;
    }
    return QStringLiteral("%1 x %2 [%3]").arg(mode.width).arg(mode.height).arg(depth);
}

// ---- the real source ------------------------------------------------------------------------

ScreenModeSource::ScreenModeSource(QSize native, int bitsPerPixel, int refreshRate,
                                   int pixelsPerInch, double systemFactor,
                                   std::function<void(double)> applyFactor)
    : native_{native.width(), native.height(), bitsPerPixel, refreshRate}, current_(native_),
      ppi_(pixelsPerInch), systemFactor_(systemFactor), factor_(systemFactor),
      applyFactor_(std::move(applyFactor)) {
    // The program's logical screens, where the monitor can hold them, then the monitor itself.
    for (QSize logical : {QSize(640, 480), QSize(800, 600)}) {
        if (logical == native)
            continue;
        if (logical.width() <= native.width() && logical.height() <= native.height())
            offered_.push_back({logical.width(), logical.height(), bitsPerPixel, refreshRate});
    }
    offered_.push_back(native_);
}

std::unique_ptr<ScreenModeSource> ScreenModeSource::forPrimaryScreen() {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return std::make_unique<ScreenModeSource>(QSize(640, 480), 32, 60, 96, 1.0, [](double) {});
    const double dpr = screen->devicePixelRatio();
    const QSize native = (QSizeF(screen->geometry().size()) * dpr).toSize();
    const int depth =
        screen->depth() == 24 ? 32 : screen->depth(); // 24-bit colour uses 32-bit pixels
    const int refresh = static_cast<int>(screen->refreshRate());
    const int ppi = static_cast<int>(screen->logicalDotsPerInch() * dpr);
    return std::make_unique<ScreenModeSource>(native, depth, refresh, ppi, dpr,
                                              [dpr](double f) { ApplyGlobalScaleFactor(f / dpr); });
}

bool ScreenModeSource::enumMode(int n, DisplayMode* out) const {
    if (n < 0 || n >= static_cast<int>(offered_.size()))
        return false;
    *out = offered_[static_cast<size_t>(n)];
    return true;
}

int ScreenModeSource::change(const DisplayMode& mode) {
    if (std::find(offered_.begin(), offered_.end(), mode) == offered_.end())
        return DispChangeBadMode;
    const double f = mode == native_ ? systemFactor_
                                     : ScaleFactorFor(QSize(native_.width, native_.height),
                                                      QSize(mode.width, mode.height));
    if (f != factor_ && applyFactor_)
        applyFactor_(f);
    factor_ = f;
    current_ = mode;
    return DispChangeSuccessful;
}

// ---- the switcher ---------------------------------------------------------------------------

void TChangeDisplay::Delete(int i) {
    if (i < 0 || i >= Count())
        return;
    lines_.removeAt(i);
    modes_.erase(modes_.begin() + i);
    // Indexes past the removed line move up with their lines; one naming it names nothing now.
    for (int* index : {&current_, &index800_, &index640_}) {
        if (*index == i)
            *index = -1;
        else if (*index > i)
            --*index;
    }
}

void TChangeDisplay::Clear() {
    lines_.clear();
    modes_.clear();
    current_ = index800_ = index640_ = -1;
}

int TChangeDisplay::ChangeTo(int i) {
    if (!source_ || i < 0 || i >= Count())
        return -1;
    return source_->change(modes_[static_cast<size_t>(i)]);
}

void TChangeDisplay::Refresh() {
    Clear();
    if (!source_)
        return;
    const DisplayMode now = source_->current();
    Display_Width = now.width;
    Display_Height = now.height;
    Display_Refresh = now.refreshRate;
    DisplayMode mode;
    for (int n = 0; source_->enumMode(n, &mode); ++n) {
        if (!AllDepths && mode.bitsPerPixel != now.bitsPerPixel)
            continue;
        modes_.push_back(mode);
        lines_.append(DisplayModeLine(mode));
        const int index = Count() - 1;
        if (mode.width == Display_Width && mode.height == Display_Height &&
            mode.refreshRate == Display_Refresh)
            current_ = index;
        if (mode.width == 800)
            index800_ = index;
        if (mode.width == 640)
            index640_ = index;
    }
}

void TChangeDisplay::Attach(DisplayModeSource* source) {
    source_ = source;
    Refresh();
}
