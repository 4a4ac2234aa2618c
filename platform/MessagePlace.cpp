// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MessagePlace.h"

#include "platform/CentredLayout.h"
#include "platform/ProgramWindow.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <algorithm>

namespace {
QRect globalRect(const QWidget* w) {
    return QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
}

// Lets the box settle its size in its own show handling first, then moves it.
class Placer : public QObject {
  public:
    Placer(QWidget* box, const QWidget* parent)
        : QObject(box), box_(box), parent_(const_cast<QWidget*>(parent)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != box_ || event->type() != QEvent::Show)
            return false;
        box_->removeEventFilter(this);
        QCoreApplication::sendEvent(box_, event);
        // Inside the program's window the box stands in its coordinates, and never past it.
        const QWidget* within = box_->isWindow() ? nullptr : box_->parentWidget();
        const QRect screen = within ? QRect(within->mapToGlobal(QPoint(0, 0)), within->size())
                                    : ProgramScreenRect();
        const QRect target = parent_ ? MessageTarget(parent_) : screen;
        const QPoint at = MessageBoxPos(target, box_->frameGeometry().size(), screen);
        box_->move(within ? within->mapFromGlobal(at) : at);
        deleteLater();
        return true;
    }

  private:
    QWidget* box_;
    QPointer<QWidget> parent_;
};
} // namespace

QPoint MessageBoxPos(const QRect& target, QSize box, const QRect& screen) {
    QPoint p(target.center().x() + 1 - box.width() / 2, target.center().y() + 1 - box.height() / 2);
    p.setX(std::max(screen.left(), std::min(p.x(), screen.right() + 1 - box.width())));
    p.setY(std::max(screen.top(), std::min(p.y(), screen.bottom() + 1 - box.height())));
    return p;
}

QRect MessageTarget(const QWidget* parent) {
    const QWidget* window = ProgramWindowOf(parent);
    const QWidget* picture = MessagePicture(window);
    if (picture && picture->isVisible())
        return globalRect(picture);
    if (const QWidget* box = LayoutBox(window))
        return globalRect(box);
    return globalRect(window);
}

void PlaceMessageBox(QWidget* box, const QWidget* parent) {
    box->installEventFilter(new Placer(box, parent));
}
