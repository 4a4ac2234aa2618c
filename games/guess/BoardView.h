// SPDX-License-Identifier: GPL-3.0-or-later
// The picture control the picture games draw on (`Image1`): shows a copy of the board bitmap and
// reports mouse presses, moves and releases in picture pixels.
#pragma once

#include "platform/TwinPicture.h"

#include <QWidget>

class BoardView : public QWidget {
    Q_OBJECT
public:
    explicit BoardView(QWidget* parent = nullptr);
    void setPicture(const TwinPicture& image);  // a copy, as the board is copied whole into it
    // What it shows, in the layout's pixels (the rules' and the tests' view).
    const QImage& picture() const { return picture_.rules(); }
    const TwinPicture& twin() const { return picture_; }

signals:
    void pressed(Qt::MouseButton button, QPoint pos);
    void moved(QPoint pos);
    void released(Qt::MouseButton button, QPoint pos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    TwinPicture picture_;
};
