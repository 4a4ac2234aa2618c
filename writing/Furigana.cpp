// SPDX-License-Identifier: GPL-3.0-or-later
#include "writing/Furigana.h"

#include "writing/RubyText.h"
#include "writing/RubyToolTip.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHash>
#include <QHelpEvent>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QStylePainter>
#include <QTimer>

#include <algorithm>

namespace {

const char* const NoFuriganaProperty = "moji_noFurigana";

// Where a widget's own text stands: one box per line, as QPainter::drawText sets it.
struct BaseText {
    QString text;
    QFont font;
    QColor color;
    QList<QRect> lines;
};

QList<QRect> alignedLines(const QStringList& lines, const QFont& font, const QRect& area,
                          Qt::Alignment align) {
    const QFontMetrics fm(font);
    const int height = fm.height() + (static_cast<int>(lines.size()) - 1) * fm.lineSpacing();
    int top = area.top();
    if (align & Qt::AlignBottom)
        top = area.bottom() + 1 - height;
    else if (align & Qt::AlignVCenter)
        top = area.top() + (area.height() - height) / 2;
    QList<QRect> boxes;
    for (int i = 0; i < lines.size(); ++i) {
        const int w = fm.horizontalAdvance(lines[i]);
        int x = area.left();
        if (align & Qt::AlignRight)
            x = area.right() + 1 - w;
        else if (align & Qt::AlignHCenter)
            x = area.left() + (area.width() - w) / 2;
        boxes << QRect(x, top + i * fm.lineSpacing(), w, fm.height());
    }
    return boxes;
}

QColor textColor(const QWidget* w, QPalette::ColorRole role) {
    return w->palette().color(w->isEnabled() ? QPalette::Active : QPalette::Disabled, role);
}

std::optional<BaseText> baseTextOf(QWidget* w) {
    BaseText b;
    b.font = w->font();
    if (auto* label = qobject_cast<QLabel*>(w)) {
        if (label->wordWrap() || label->textFormat() == Qt::RichText ||
            (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text())))
            return std::nullopt;
        b.text = label->text();
        const int m = label->margin();
        const QRect area = label->contentsRect().adjusted(m, m, -m, -m);
        const Qt::Alignment align =
            QStyle::visualAlignment(label->layoutDirection(), label->alignment());
        b.lines = alignedLines(b.text.split(QLatin1Char('\n')), b.font, area, align);
        b.color = textColor(label, label->foregroundRole());
        return b;
    }
    if (auto* box = qobject_cast<QGroupBox*>(w)) {
        b.text = box->title();
        QStyleOptionGroupBox opt;
        opt.initFrom(box);
        opt.text = b.text;
        opt.lineWidth = 1;
        opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        if (box->isCheckable())
            opt.subControls |= QStyle::SC_GroupBoxCheckBox;
        opt.textAlignment = box->alignment();
        const QRect area =
            box->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, box);
        b.lines = alignedLines({b.text}, b.font, area, Qt::AlignHCenter | Qt::AlignVCenter);
        b.color = textColor(box, QPalette::WindowText);
        return b;
    }
    if (qobject_cast<QRadioButton*>(w) || qobject_cast<QCheckBox*>(w)) {
        auto* button = static_cast<QAbstractButton*>(w);
        b.text = button->text();
        QStyleOptionButton opt;
        opt.initFrom(button);
        opt.text = b.text;
        const auto element = qobject_cast<QRadioButton*>(w) ? QStyle::SE_RadioButtonContents
                                                            : QStyle::SE_CheckBoxContents;
        const QRect area = button->style()->subElementRect(element, &opt, button);
        b.lines = alignedLines(
            {b.text}, b.font, area,
            QStyle::visualAlignment(button->layoutDirection(), Qt::AlignLeft | Qt::AlignVCenter));
        b.color = textColor(button, button->foregroundRole());
        return b;
    }
    return std::nullopt;
}

bool annotated(const QWidget* w) {
    return !w->isWindow() && w->parentWidget() && !w->property(NoFuriganaProperty).toBool();
}

// The furigana of a label, radio button or group caption, drawn by a sibling above it, in the
// room above the text: the widget itself paints as it always does.
class FuriganaOverlay : public QWidget {
  public:
    explicit FuriganaOverlay(QWidget* target) : QWidget(target->parentWidget()), target_(target) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setObjectName(QStringLiteral("FuriganaOverlay"));
        connect(target, &QObject::destroyed, this, &QObject::deleteLater);
    }

    QString shown() const { return !isHidden() ? RubyShown(lines_) : QString(); }

    QString key; // the state last laid out, to notice a changed text cheaply

    // The furigana's ink in the parent's coordinates.
    QList<QRect> ink() const {
        QList<QRect> out;
        if (isHidden())
            return out;
        for (int i = 0; i < lines_.size(); ++i)
            for (const QRectF& r : RubyInk(origins_[i], font_, lines_[i]))
                out << QRect(parentWidget()->mapTo(window(), r.toAlignedRect().topLeft() + pos()),
                             r.toAlignedRect().size());
        return out;
    }

    void sync() {
        QWidget* t = target_;
        if (!t)
            return;
        QWidget* win = t->window();
        const auto base = annotated(t) ? baseTextOf(t) : std::nullopt;
        lines_ = base ? FuriganaLines(base->text) : QList<RubyLine>{};
        if (lines_.size() != (base ? base->lines.size() : 0))
            lines_.clear();
        if (lines_.isEmpty() || !t->isVisibleTo(win)) {
            hide();
            return;
        }
        font_ = base->font;
        color_ = base->color;
        const int rubyH = RubyHeight(font_);
        const int overhang = QFontMetrics(RubyFont(font_)).height();
        QRect area; // in the target's coordinates
        for (int i = 0; i < lines_.size(); ++i)
            if (HasRuby(lines_[i]))
                area |= QRect(base->lines[i].left() - overhang, base->lines[i].top() - rubyH,
                              base->lines[i].width() + 2 * overhang, rubyH);
        // A label at the window's top edge steps down so that its furigana can show.
        const int above = t->mapTo(win, area.topLeft()).y();
        if (above < 0 && qobject_cast<QLabel*>(t) && t->parentWidget()) {
            t->move(t->x(), t->y() - above);
            return; // the move lays the furigana out again
        }
        // The furigana live in the nearest container with room for them.
        QWidget* host = t->parentWidget();
        while (host != win &&
               !host->rect().contains(QRect(t->mapTo(host, area.topLeft()), area.size())))
            host = host->parentWidget();
        if (parentWidget() != host)
            setParent(host);
        const QRect placed(t->mapTo(host, area.topLeft()), area.size());
        origins_.clear();
        for (const QRect& r : base->lines)
            origins_ << t->mapTo(host, r.topLeft()) - placed.topLeft();
        setGeometry(placed);
        raise();
        show();
        update();
    }

    // Whether the text it belongs to is on screen with its window (or would be, once shown).
    bool targetShown() const {
        return target_ && target_->isVisibleTo(target_->window()) && !target_->isWindow();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        if (!targetShown()) {
            // Hidden while its window was not on screen: no hide reached us then.
            QTimer::singleShot(0, this, [this] { sync(); });
            return;
        }
        QPainter p(this);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setPen(color_);
        for (int i = 0; i < lines_.size(); ++i)
            PaintRubyLine(p, origins_[i], font_, lines_[i], false, color_);
    }

  private:
    QPointer<QWidget> target_;
    QList<RubyLine> lines_;
    QList<QPoint> origins_;
    QFont font_;
    QColor color_;
};

bool paintButton(QPushButton* b) {
    if (!annotated(b))
        return false;
    const QList<RubyLine> lines = FuriganaLines(b->text());
    if (lines.isEmpty())
        return false;
    QStylePainter p(b);
    QStyleOptionButton opt;
    opt.initFrom(b);
    opt.features = QStyleOptionButton::None;
    if (b->isFlat())
        opt.features |= QStyleOptionButton::Flat;
    if (b->autoDefault() || b->isDefault())
        opt.features |= QStyleOptionButton::AutoDefaultButton;
    if (b->isDefault())
        opt.features |= QStyleOptionButton::DefaultButton;
    if (b->isDown())
        opt.state |= QStyle::State_Sunken;
    if (b->isChecked())
        opt.state |= QStyle::State_On;
    if (!b->isFlat() && !b->isDown())
        opt.state |= QStyle::State_Raised;
    opt.icon = b->icon();
    opt.iconSize = b->iconSize();
    p.drawControl(QStyle::CE_PushButton, opt);

    const QFont font = b->font();
    const QFontMetrics fm(font);
    const QRect area = b->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, b);
    const int rubyH = RubyHeight(font);
    const int lineH = rubyH + fm.height();
    int top = area.top() + (area.height() - lineH * static_cast<int>(lines.size())) / 2 + rubyH;
    const QColor color = textColor(b, QPalette::ButtonText);
    p.setPen(color);
    for (const RubyLine& line : lines) {
        const int x = area.left() + (area.width() - LineWidth(line, font)) / 2;
        PaintRubyLine(p, QPointF(x, top), font, line, true, color);
        top += lineH;
    }
    return true;
}

// A word-wrapped label of an own text: its lines broken at phrase ends to the label's width, and
// where each line's base text starts, in the label's coordinates. Empty when the label is not one
// or shows no furigana now; QLabel then paints it as always.
struct WrappedText {
    QList<RubyLine> lines;
    QList<QPoint> origins;
};

WrappedText wrappedText(const QLabel* label) {
    WrappedText out;
    if (!label->wordWrap() || !annotated(label) || label->frameShape() != QFrame::NoFrame ||
        label->textFormat() == Qt::RichText ||
        (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text())))
        return out;
    const auto ruby = FindOwnText(label->text());
    if (!ruby)
        return out;
    const RubyLine units = RubyUnits(*ruby);
    if (!HasRuby(units))
        return out;
    const QFont font = label->font();
    const QFontMetrics fm(font);
    const int m = label->margin();
    const QRect area = label->contentsRect().adjusted(m, m, -m, -m);
    out.lines = BreakRubyLines(units, font, area.width());
    int height = 0;
    for (const RubyLine& l : out.lines)
        height += fm.height() + (HasRuby(l) ? RubyHeight(font) : 0);
    const Qt::Alignment align = QStyle::visualAlignment(label->layoutDirection(), label->alignment());
    int top = area.top();
    if (align & Qt::AlignBottom)
        top = area.bottom() + 1 - height;
    else if (align & Qt::AlignVCenter)
        top = area.top() + (area.height() - height) / 2;
    for (const RubyLine& l : out.lines) {
        top += HasRuby(l) ? RubyHeight(font) : 0;
        const int w = LineWidth(l, font);
        int x = area.left();
        if (align & Qt::AlignRight)
            x = area.right() + 1 - w;
        else if (align & Qt::AlignHCenter)
            x = area.left() + (area.width() - w) / 2;
        out.origins << QPoint(x, top);
        top += fm.height();
    }
    return out;
}

bool paintWrappedLabel(QLabel* label) {
    const WrappedText text = wrappedText(label);
    if (text.lines.isEmpty())
        return false;
    QPainter p(label); // the background is already filled
    p.setRenderHint(QPainter::TextAntialiasing);
    const QColor color = textColor(label, label->foregroundRole());
    p.setPen(color);
    for (int i = 0; i < text.lines.size(); ++i)
        PaintRubyLine(p, text.origins[i], label->font(), text.lines[i], true, color);
    return true;
}

class FuriganaFilter : public QObject {
  public:
    QHash<QWidget*, QPointer<FuriganaOverlay>> overlays;

    static bool overlaid(QWidget* w) {
        return qobject_cast<QLabel*>(w) || qobject_cast<QGroupBox*>(w) ||
               qobject_cast<QRadioButton*>(w) || qobject_cast<QCheckBox*>(w);
    }

    FuriganaOverlay* overlayFor(QWidget* w, bool create) {
        auto it = overlays.find(w);
        if (it != overlays.end() && *it)
            return *it;
        if (!create || !w->parentWidget())
            return nullptr;
        auto* o = new FuriganaOverlay(w);
        overlays.insert(w, o);
        connect(w, &QObject::destroyed, this, [this, w] { overlays.remove(w); });
        return o;
    }

    static QString stateKey(QWidget* w) {
        const auto base = baseTextOf(w);
        const QPoint at = w->mapTo(w->window(), QPoint());
        return base
                   ? base->text + QLatin1Char('\x1f') + QString::number(at.x()) + QLatin1Char(',') +
                         QString::number(at.y()) + QLatin1Char(',') + QString::number(w->width()) +
                         QLatin1Char(',') + QString::number(w->height())
                   : QString();
    }

    void sync(QWidget* w) {
        const auto base = baseTextOf(w);
        const bool wanted = base && annotated(w) && FindOwnText(base->text).has_value();
        FuriganaOverlay* o = overlayFor(w, wanted);
        if (!o)
            return;
        o->key = stateKey(w);
        o->sync();
    }

    void syncInside(QWidget* w) {
        if (overlays.isEmpty() || w->objectName() == QLatin1String("FuriganaOverlay"))
            return;
        const auto keys = overlays.keys();
        for (QWidget* t : keys)
            if (t == w || w->isAncestorOf(t))
                sync(t);
    }

    // A tooltip with furigana shows as our own; any other as Qt's.
    static bool showToolTip(QWidget* w, QHelpEvent* e) {
        if (!annotated(w) || w->toolTip().isEmpty())
            return false;
        const QList<RubyLine> lines = FuriganaLines(w->toolTip());
        if (std::none_of(lines.begin(), lines.end(), HasRuby))
            return false;
        RubyToolTip::showFor(w, e->globalPos(), lines);
        return true;
    }

    bool eventFilter(QObject* obj, QEvent* e) override {
        if (e->type() == QEvent::ToolTip && obj->isWidgetType())
            return showToolTip(static_cast<QWidget*>(obj), static_cast<QHelpEvent*>(e));
        switch (e->type()) {
        case QEvent::Paint:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::FontChange:
        case QEvent::PaletteChange:
        case QEvent::ShowToParent:
        case QEvent::HideToParent:
        case QEvent::ParentChange:
            break;
        default:
            return false;
        }
        if (!obj->isWidgetType())
            return false;
        auto* w = static_cast<QWidget*>(obj);
        if (e->type() == QEvent::ShowToParent || e->type() == QEvent::HideToParent ||
            e->type() == QEvent::ParentChange) {
            // Shown, hidden or moved to another parent, also before its window is on screen
            // (no Show or Hide then): every text inside follows.
            syncInside(w);
            return false;
        }
        if (auto* b = qobject_cast<QPushButton*>(w)) {
            if (e->type() == QEvent::Paint)
                return paintButton(b);
            return false;
        }
        if (!overlaid(w))
            return false;
        if (e->type() == QEvent::Paint)
            if (auto* label = qobject_cast<QLabel*>(w); label && paintWrappedLabel(label))
                return true;
        if (e->type() == QEvent::Paint) {
            // A changed text shows first as a repaint; lay the furigana out again after it.
            FuriganaOverlay* o = overlayFor(w, false);
            if (o ? o->key != stateKey(w)
                  : FindOwnText(baseTextOf(w) ? baseTextOf(w)->text : QString()).has_value()) {
                QPointer<QWidget> guard(w);
                QTimer::singleShot(0, this, [this, guard] {
                    if (guard)
                        sync(guard);
                });
            }
            return false;
        }
        sync(w);
        return false;
    }
};

FuriganaFilter* filter = nullptr;

} // namespace

void InstallFurigana(QApplication& app) {
    if (filter)
        return;
    filter = new FuriganaFilter;
    filter->setParent(&app);
    app.installEventFilter(filter);
}

void RefreshFurigana() {
    if (!filter)
        return;
    const auto keys = filter->overlays.keys();
    for (QWidget* w : keys)
        filter->sync(w);
    for (QWidget* w : QApplication::allWidgets())
        if (qobject_cast<QPushButton*>(w))
            w->update();
}

void NoFurigana(QWidget* widget) {
    widget->setProperty(NoFuriganaProperty, true);
    if (filter)
        filter->sync(widget);
}

bool IsNoFurigana(const QWidget* widget) {
    return widget->property(NoFuriganaProperty).toBool();
}

QList<QRect> FuriganaInk(const QWidget* widget) {
    if (!filter)
        return {};
    if (auto* label = qobject_cast<const QLabel*>(widget)) {
        const WrappedText text = wrappedText(label);
        QList<QRect> out;
        for (int i = 0; i < text.lines.size(); ++i)
            for (const QRectF& r : RubyInk(text.origins[i], label->font(), text.lines[i]))
                out << QRect(label->mapTo(label->window(), r.toAlignedRect().topLeft()),
                             r.toAlignedRect().size());
        if (!text.lines.isEmpty())
            return out;
    }
    FuriganaOverlay* o = filter->overlayFor(const_cast<QWidget*>(widget), false);
    return o ? o->ink() : QList<QRect>{};
}

QString FuriganaShown(const QWidget* widget) {
    if (auto* b = qobject_cast<const QPushButton*>(widget)) {
        if (!annotated(b))
            return {};
        return RubyShown(FuriganaLines(b->text()));
    }
    if (auto* label = qobject_cast<const QLabel*>(widget))
        if (const WrappedText text = wrappedText(label); !text.lines.isEmpty())
            return label->isVisible() ? RubyShown(text.lines) : QString();
    if (!filter)
        return {};
    FuriganaOverlay* o = filter->overlayFor(const_cast<QWidget*>(widget), false);
    return o ? o->shown() : QString();
}
