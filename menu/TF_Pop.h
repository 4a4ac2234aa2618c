// SPDX-License-Identifier: GPL-3.0-or-later
// The splash screen: a navy picture over the whole screen with a greeting. It shows first, takes
// no input and then stays behind every other window as the program's backdrop, inside the
// program's one window.
// Control and handler names follow the program's naming convention (Btn_*, Lbl_*, *Click); keep
// them.
#pragma once

#include <QImage>
#include <QPoint>
#include <QPointer>
#include <QWidget>

class QPainter;

// Where the greeting's lines stand on a screen of the given size.
struct PopLayout {
    QPoint shadow;   // the grey shadow of the greeting
    QPoint greeting; // the greeting in white
    QPoint second;   // "ただいまじゅんびちゅう！"
};
PopLayout PopLayoutFor(QSize client);

// The whole picture on a painter of the given (logical) size.
void PaintPopPicture(QPainter& painter, QSize size);
// The same as an image, at dpr device pixels per pixel.
QImage DrawPopPicture(QSize size, qreal dpr = 1);

class TF_Pop : public QWidget {
    Q_OBJECT
  public:
    explicit TF_Pop(QWidget* parent = nullptr);

    void FormCreate();

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// Null once the backdrop is gone, however it went.
extern QPointer<TF_Pop> F_Pop;
