// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ModalLayer.h"

#include "platform/ProgramWindow.h"

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QList>
#include <QMouseEvent>
#include <QPointer>
#include <QRect>
#include <QShortcut>
#include <QTimer>

namespace {

class Layer;
QList<QPointer<Layer>> layers; // bottom to top

// Covers the host; clicks on it outside its window go nowhere. Transparent: the windows below
// stay in sight, as they do beside a message box.
class Layer : public QWidget {
  public:
    Layer(QWidget* host, QWidget* content)
        : QWidget(host), content_(content), parent_(content->parentWidget()),
          flags_(content->windowFlags()) {
        setObjectName(QStringLiteral("ModalLayer"));
        setAttribute(Qt::WA_NoSystemBackground);
        setGeometry(host->rect());
        before_ = QApplication::focusWidget();
        content->setParent(this, Qt::Widget);
        gone_ = connect(content, &QObject::destroyed, this, [this] {
            hide();
            deleteLater();
        });
        layers << this;
    }

    ~Layer() override {
        disconnect(gone_);
        layers.removeAll(this);
        layers.removeAll(nullptr);
    }

    QWidget* content() const { return content_; }

    void open() {
        raise();
        show();
        content_->show();
        focusContent();
    }

    void focusContent() {
        if (!content_)
            return;
        QWidget* f = content_->focusWidget();
        if (!f || !content_->isAncestorOf(f)) {
            f = content_;
            for (QWidget* next = content_->nextInFocusChain(); next != content_;
                 next = next->nextInFocusChain()) {
                if (!content_->isAncestorOf(next))
                    break;
                if (next->isVisibleTo(content_) && next->isEnabled() &&
                    (next->focusPolicy() & Qt::TabFocus)) {
                    f = next;
                    break;
                }
            }
        }
        f->setFocus(Qt::ActiveWindowFocusReason);
    }

    // The content back to where it came from, hidden; the layer goes.
    void dismiss() {
        hide();
        layers.removeAll(this);
        if (content_ && content_->parentWidget() == this) {
            content_->hide();
            content_->setParent(parent_, flags_);
        }
        if (before_ && before_->isVisible() && ReachableNow(before_))
            before_->setFocus(Qt::ActiveWindowFocusReason);
        deleteLater();
    }

  protected:
    void mousePressEvent(QMouseEvent* e) override { e->accept(); }
    void mouseReleaseEvent(QMouseEvent* e) override { e->accept(); }
    void mouseDoubleClickEvent(QMouseEvent* e) override { e->accept(); }
    void wheelEvent(QWheelEvent* e) override { e->accept(); }

  private:
    QPointer<QWidget> content_;
    QPointer<QWidget> parent_;
    Qt::WindowFlags flags_;
    QPointer<QWidget> before_;
    QMetaObject::Connection gone_;
};

Layer* topLayer() {
    for (qsizetype i = layers.size() - 1; i >= 0; --i)
        if (layers[i] && layers[i]->isVisible())
            return layers[i];
    return nullptr;
}

bool isInput(QEvent::Type t) {
    switch (t) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::ContextMenu:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::TabletMove:
        return true;
    default:
        return false;
    }
}

// Keeps the input of the whole program away from what lies below the top layer, as a modal
// window's does; the program's own windows outside the host (a drop-down list) are left alone.
class Guard : public QObject {
  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::FocusIn && !isInput(type))
            return false;
        QWidget* w = qobject_cast<QWidget*>(watched);
        if (auto* shortcut = qobject_cast<QShortcut*>(watched))
            w = qobject_cast<QWidget*>(shortcut->parent());
        if (!w || ReachableNow(w))
            return false;
        if (type == QEvent::FocusIn) {
            // Tab walked out of the layer: back in.
            QTimer::singleShot(0, topLayer(), [] {
                if (Layer* top = topLayer())
                    top->focusContent();
            });
            return false;
        }
        return true;
    }
};

void guardInput() {
    static Guard* guard = nullptr;
    if (!guard) {
        guard = new Guard;
        qApp->installEventFilter(guard);
    }
}

bool fillsScreen(const QWidget* w) {
    return w->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen);
}

Layer* openLayer(QWidget* host, QWidget* window) {
    guardInput();
    const bool full = fillsScreen(window);
    window->setWindowState(Qt::WindowNoState);
    auto* layer = new Layer(host, window);
    if (full)
        window->setGeometry(layer->rect());
    return layer;
}

} // namespace

QWidget* LayerOf(const QWidget* window) {
    for (const QWidget* at = window; at; at = at->parentWidget())
        for (const QPointer<Layer>& layer : layers)
            if (layer.data() == at)
                return layer.data();
    return nullptr;
}

bool ReachableNow(const QWidget* w) {
    QWidget* host = ProgramHost();
    if (!host || w->window() != host)
        return true;
    Layer* top = topLayer();
    return !top || top == w || top->isAncestorOf(w);
}

int RunModal(QDialog* dialog) {
    QWidget* host = ProgramHost();
    if (!host || !host->isVisible())
        return dialog->exec();
    QPointer<QDialog> guard(dialog);
    QPointer<Layer> layer = openLayer(host, dialog);
    const bool placed = dialog->testAttribute(Qt::WA_Moved);
    const bool full = dialog->size() == layer->size();
    dialog->setResult(0);
    QEventLoop loop;
    QObject::connect(dialog, &QDialog::finished, &loop, &QEventLoop::quit);
    QObject::connect(dialog, &QObject::destroyed, &loop, &QEventLoop::quit);
    layer->open();
    if (!full && !placed && !dialog->testAttribute(Qt::WA_Moved)) {
        // A dialog given its size keeps it: its children need not reach its edges.
        if (!dialog->testAttribute(Qt::WA_Resized))
            dialog->adjustSize();
        dialog->move(layer->rect().center() - dialog->rect().center());
    }
    if (dialog->isVisible())
        loop.exec(QEventLoop::DialogExec);
    const int result = guard ? guard->result() : QDialog::Rejected;
    if (layer)
        layer->dismiss();
    return result;
}

namespace {
// The layer goes with its window: when it hides (closing, done) or is freed.
class Watch : public QObject {
  public:
    explicit Watch(Layer* layer) : QObject(layer), layer_(layer) {}

  protected:
    bool eventFilter(QObject*, QEvent* e) override {
        // The layer stops taking input at once; the window goes back to its owner afterwards,
        // outside the hiding it is in now.
        if (e->type() == QEvent::Hide && layer_->isVisible()) {
            layer_->hide();
            QTimer::singleShot(0, layer_, [l = layer_] { l->dismiss(); });
        }
        return false;
    }

  private:
    Layer* layer_;
};

// place: null for full size, else the window's rectangle in the host.
void showOnLayer(QWidget* window, const QRect& place) {
    QWidget* host = ProgramHost();
    if (!host || !host->isVisible()) {
        if (place.isNull())
            ShowProgramWindow(window);
        else
            window->show();
        window->activateWindow();
        return;
    }
    if (LayerOf(window)) {
        window->raise();
        return;
    }
    if (place.isNull())
        window->setWindowState(Qt::WindowFullScreen);
    Layer* layer = openLayer(host, window);
    if (!place.isNull())
        window->setGeometry(place);
    window->installEventFilter(new Watch(layer));
    layer->open();
}
} // namespace

void ShowOnLayer(QWidget* window) { showOnLayer(window, {}); }

void ShowOnLayer(QWidget* window, QPoint at) { showOnLayer(window, QRect(at, window->size())); }
