// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu/TF_Pop.h"

#include "platform/BufferBetweenPaints.h"
#include "platform/Fonts.h"
#include "platform/ProgramWindow.h"
#include "platform/Random.h"

#include <QPainter>

QPointer<TF_Pop> F_Pop;

namespace {
const QColor Navy(0, 0, 128);
const QString Greeting = QStringLiteral("がんばれ！ もじまる");
const QString Second = QStringLiteral("ただいまじゅんびちゅう！");
} // namespace

PopLayout PopLayoutFor(QSize client) {
    const int x = client.width() / 4;
    const int y = client.height() / 3;
    return {QPoint(x + 3, y + 3), QPoint(x, y), QPoint(x + 50, y + 50)};
}

void PaintPopPicture(QPainter& p, QSize size) {
    p.setPen(Qt::black);
    p.setBrush(Navy);
    p.drawRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1));
    const PopLayout at = PopLayoutFor(size);
    auto write = [&p, size](QPoint pos, const QString& text) {
        p.drawText(QRect(pos, QSize(size.width(), size.height())), Qt::AlignLeft | Qt::AlignTop,
                   text);
    };
    p.setFont(PointFont(24, true));
    p.setPen(QColor(128, 128, 128));
    write(at.shadow, Greeting);
    p.setPen(Qt::white);
    write(at.greeting, Greeting);
    p.setFont(PointFont(18, true));
    p.setPen(QColor(255, 255, 0));
    write(at.second, Second);
}

QImage DrawPopPicture(QSize size, qreal dpr) {
    QImage image((QSizeF(size) * dpr).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    QPainter p(&image);
    PaintPopPicture(p, size);
    return image;
}

TF_Pop::TF_Pop(QWidget* parent) : QWidget(parent) {
    // Inside the program's window when there is one, at the bottom of it; else a window of its
    // own that stays below the others.
    if (!parent)
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint |
                       Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setEnabled(false); // the backdrop never takes a click or a key
    ReleaseBufferBetweenPaints(this); // covered nearly all the time
    FormCreate();
}

void TF_Pop::FormCreate() {
    FitToScreen(this);
    Randomize();
}

// Painted straight onto the window: a kept copy of a full-screen picture would cost megabytes
// for a window that, once covered, is seldom seen again.
void TF_Pop::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PaintPopPicture(p, size());
}
