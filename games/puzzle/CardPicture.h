// SPDX-License-Identifier: GPL-3.0-or-later
// A card of the matching game: its back picture, clickable, numbered by its tag.
#pragma once

#include <QLabel>
#include <functional>

class QPixmap;

class CardPicture : public QLabel {
public:
    CardPicture(int tag, QWidget* parent);
    int tag() const { return tag_; }
    std::function<void(int)> onClick;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int tag_;
};

// The card back: navy, a white frame and picture `pop` of the card picture list at (1, 1).
QPixmap CardBack(int side, int pop);
