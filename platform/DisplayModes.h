// SPDX-License-Identifier: GPL-3.0-or-later
// Display modes and the switcher the main menu uses to get a 640-wide (800-wide) screen.
//
// On this platform the monitor's own mode is never touched: the modes offered are the screen as
// it is plus the program's logical 640x480 and 800x600 screens, and "changing" to one of those
// scales the whole program (Qt's global scale factor) so that logical screen fills the monitor.
// The switcher itself only sees a DisplayModeSource, so tests feed it made-up adapters.
#pragma once

#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

struct DisplayMode {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    int refreshRate = 0;
    bool operator==(const DisplayMode&) const = default;
};

// Result of a mode change, as the system reports it.
constexpr int DispChangeSuccessful = 0;
constexpr int DispChangeBadMode = -2;

// What the switcher asks of the display: the mode in effect, the modes on offer, and the change.
class DisplayModeSource {
  public:
    virtual ~DisplayModeSource() = default;
    virtual DisplayMode current() const = 0;
    // Mode number n (0, 1, ...); false once n is past the last mode.
    virtual bool enumMode(int n, DisplayMode* out) const = 0;
    virtual int change(const DisplayMode& mode) = 0;
    // Pixels per inch of the drawing surface (96 with normal fonts).
    virtual int pixelsPerInch() const = 0;
};

// The real source: the primary screen as found at start-up plus the program's logical screens.
class ScreenModeSource : public DisplayModeSource {
  public:
    // native: the monitor's size in device pixels; systemFactor: the device pixels per logical
    // pixel the system itself uses; applyFactor sets the device pixels per logical pixel.
    ScreenModeSource(QSize native, int bitsPerPixel, int refreshRate, int pixelsPerInch,
                     double systemFactor, std::function<void(double)> applyFactor);
    // Reads the primary screen; needs the QApplication and must come before any window shows.
    static std::unique_ptr<ScreenModeSource> forPrimaryScreen();

    DisplayMode current() const override { return current_; }
    bool enumMode(int n, DisplayMode* out) const override;
    int change(const DisplayMode& mode) override;
    int pixelsPerInch() const override { return ppi_; }

    double factor() const { return factor_; }

  private:
    DisplayMode native_;
    DisplayMode current_;
    std::vector<DisplayMode> offered_;
    int ppi_;
    double systemFactor_;
    double factor_;
    std::function<void(double)> applyFactor_;
};

// The scale that makes a logical screen of `logical` fill `native` without cropping.
double ScaleFactorFor(QSize native, QSize logical);
// Sets Qt's global scale factor (the private high-DPI hook).
void ApplyGlobalScaleFactor(double factor);

// 2 for normal fonts, 1 for large fonts (120 pixels per inch and up).
int DispModeForPixelsPerInch(int ppi);

// "%d x %d [%s]" with the colour depth's name.
QString DisplayModeLine(const DisplayMode& mode);

// The display as it was at the switcher's last refresh.
extern int Display_Width;
extern int Display_Height;
extern int Display_Refresh;

// The list of offered modes (one display line each), which of them is current and which are the
// last 640-wide and 800-wide ones, and the changes between them.
class TChangeDisplay {
  public:
    TChangeDisplay() = default;
    ~TChangeDisplay() { Clear(); }
    TChangeDisplay(const TChangeDisplay&) = delete;
    TChangeDisplay& operator=(const TChangeDisplay&) = delete;

    // The string list: display lines, with the owned mode record of each.
    int Count() const { return static_cast<int>(lines_.size()); }
    const QStringList& Lines() const { return lines_; }
    QString Line(int i) const { return lines_.value(i); }
    const DisplayMode& Mode(int i) const { return modes_.at(static_cast<size_t>(i)); }
    void Delete(int i);
    void Clear();

    bool AllDepths = false; // false: only modes of the current colour depth are listed
    int CurrentIndex() const { return current_; }
    int Index800() const { return index800_; }
    int Index640() const { return index640_; }

    // Each returns the system's result, or -1 when the index names no listed mode.
    int ChangeTo(int i);
    int RestoreCurrent() { return ChangeTo(current_); }
    int ChangeTo800() { return ChangeTo(index800_); }
    int ChangeTo640() { return ChangeTo(index640_); }

    void Refresh();
    void Attach(DisplayModeSource* source);

  private:
    DisplayModeSource* source_ = nullptr;
    QStringList lines_;
    std::vector<DisplayMode> modes_;
    int current_ = -1;
    int index800_ = -1;
    int index640_ = -1;
};
