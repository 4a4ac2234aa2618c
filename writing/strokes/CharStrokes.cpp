// SPDX-License-Identifier: GPL-3.0-or-later
#include "writing/strokes/CharStrokes.h"

QList<QList<int>> CharStrokes::acceptedOrders() const {
    QList<int> own;
    for (int i = 0; i < count(); ++i)
        own << i;
    QList<QList<int>> all{own};
    all += otherOrders;
    return all;
}
