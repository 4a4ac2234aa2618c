// SPDX-License-Identifier: GPL-3.0-or-later
// The program's one top-level window: frameless, full screen, navy. The splash picture, the menu,
// the games and the modal layers over them are its children, each as large as it is.
#pragma once

#include <QWidget>
#include <functional>

class ProgramHostWindow : public QWidget {
  public:
    ProgramHostWindow();
    ~ProgramHostWindow() override;

    // What a close from outside (the window manager, Alt+F4, the session) does before the
    // window goes; false keeps it open.
    void setCloseHandler(std::function<bool()> handler) { closeHandler_ = std::move(handler); }
    // Lets the window system's window go while the widgets stay (the screen's scale may change
    // only while no window exists).
    void releaseNativeWindow() { destroy(); }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    std::function<bool()> closeHandler_;
};
