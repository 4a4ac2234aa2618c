// SPDX-License-Identifier: GPL-3.0-or-later
// A small up-down control bound to a number field: the arrows step the field's number within a
// range, without wrapping around. An empty or unreadable field steps from the lower end.
#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

class TUpDown : public QWidget {
    Q_OBJECT
public:
    TUpDown(QLineEdit* buddy, int min, int max, QWidget* parent);
    void stepUp();
    void stepDown();
    int position() const;  // the field's number held within the range

private:
    void step(int delta);
    QLineEdit* buddy_;
    int min_;
    int max_;
    QToolButton* up_;
    QToolButton* down_;
};
