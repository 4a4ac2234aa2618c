// SPDX-License-Identifier: GPL-3.0-or-later
#include "writing/RubyToolTip.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QScreen>
#include <QToolTip>

namespace {

constexpr int Margin = 4;
constexpr int ShowMs = 10000;
QPointer<RubyToolTip> current;

int lineHeight(const RubyLine& line, const QFont& font) {
    return QFontMetrics(font).height() + (HasRuby(line) ? RubyHeight(font) : 0);
}

} // namespace

RubyToolTip::RubyToolTip() : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("RubyToolTip"));
    setFont(QToolTip::font());
    setPalette(QToolTip::palette());
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::ToolTipBase);
    hideTimer_.setSingleShot(true);
    connect(&hideTimer_, &QTimer::timeout, this, &QWidget::close);
    qApp->installEventFilter(this);
}

void RubyToolTip::showFor(QWidget* over, QPoint globalPos, const QList<RubyLine>& lines) {
    QToolTip::hideText();
    if (!current)
        current = new RubyToolTip;
    current->over_ = over;
    current->lines_ = lines;
    int w = 0, h = 0;
    for (const RubyLine& l : lines) {
        w = std::max(w, LineWidth(l, current->font()));
        h += lineHeight(l, current->font());
    }
    current->resize(w + 2 * Margin, h + 2 * Margin);
    current->place(globalPos);
    current->show();
    current->raise();
    current->update();
    current->hideTimer_.start(ShowMs);
}

void RubyToolTip::hideTip() {
    if (current)
        current->close();
}

RubyToolTip* RubyToolTip::shownNow() { return current && current->isVisible() ? current : nullptr; }

QString RubyToolTip::furigana() const { return RubyShown(lines_); }

void RubyToolTip::place(QPoint globalPos) {
    // Below and right of the pointer, as Qt places its own, and always on the screen.
    QPoint at = globalPos + QPoint(2, 16);
    QScreen* screen = QGuiApplication::screenAt(globalPos);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen) {
        const QRect room = screen->availableGeometry();
        if (at.x() + width() > room.right() + 1)
            at.setX(room.right() + 1 - width());
        if (at.y() + height() > room.bottom() + 1)
            at.setY(globalPos.y() - 4 - height());
        at.setX(std::max(at.x(), room.left()));
        at.setY(std::max(at.y(), room.top()));
    }
    move(at);
}

void RubyToolTip::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QColor ink = palette().color(QPalette::ToolTipText);
    p.setPen(ink);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    int top = Margin;
    for (const RubyLine& l : lines_) {
        const int ruby = HasRuby(l) ? RubyHeight(font()) : 0;
        PaintRubyLine(p, QPointF(Margin, top + ruby), font(), l, true, ink);
        top += lineHeight(l, font());
    }
}

bool RubyToolTip::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TabletPress:
    case QEvent::ApplicationDeactivate:
        close();
        break;
    case QEvent::Leave:
    case QEvent::Hide:
    case QEvent::WindowDeactivate:
        if (watched == over_)
            close();
        break;
    default:
        break;
    }
    if (!over_ && isVisible())
        close();
    return false;
}
