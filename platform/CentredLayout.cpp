// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CentredLayout.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <algorithm>

namespace {
const char* const BoxName = "moji_layout_box";
const char* const PictureProperty = "moji_message_picture";

// Keeps the box in the middle whenever the window changes size.
class Centring : public QObject {
  public:
    Centring(QWidget* window, QWidget* box) : QObject(window), window_(window), box_(box) {}

    void place() {
        if (box_)
            box_->move(CentredLayoutPos(window_->size(), box_->size()));
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ &&
            (event->type() == QEvent::Resize || event->type() == QEvent::Show))
            place();
        return false;
    }

  private:
    QWidget* window_;
    QPointer<QWidget> box_;
};
} // namespace

QPoint CentredLayoutPos(QSize window, QSize layout) {
    return {std::max(0, (window.width() - layout.width()) / 2),
            std::max(0, (window.height() - layout.height()) / 2)};
}

QWidget* LayoutBox(const QWidget* window) {
    return window ? window->findChild<QWidget*>(QLatin1String(BoxName), Qt::FindDirectChildrenOnly)
                  : nullptr;
}

QWidget* MessagePicture(const QWidget* window) {
    return window ? window->property(PictureProperty).value<QWidget*>() : nullptr;
}

void SetMessagePicture(QWidget* window, QWidget* picture) {
    window->setProperty(PictureProperty, QVariant::fromValue(picture));
}

QWidget* CentreLayout(QWidget* window, QSize layout, QWidget* picture) {
    if (picture)
        SetMessagePicture(window, picture);
    if (QWidget* existing = LayoutBox(window))
        return existing;
    if (layout.isEmpty())
        layout = window->size();

    auto* box = new QWidget(window);
    box->setObjectName(QLatin1String(BoxName));
    box->resize(layout);
    // The box shows the window's background through it; the children keep their own palettes.
    const QObjectList children = window->children(); // a copy: moving a child changes the list
    for (QObject* o : children) {
        auto* child = qobject_cast<QWidget*>(o);
        if (!child || child == box || child->isWindow())
            continue;
        const bool explicitlyHidden =
            child->isHidden() && child->testAttribute(Qt::WA_WState_ExplicitShowHide);
        const QRect place = child->geometry();
        child->setParent(box);
        child->setGeometry(place);
        if (!explicitlyHidden && window->isVisible())
            child->show();
    }
    box->lower();
    auto* centring = new Centring(window, box);
    window->installEventFilter(centring);
    centring->place();
    box->show();
    return box;
}
