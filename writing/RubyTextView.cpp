// SPDX-License-Identifier: GPL-3.0-or-later
#include "writing/RubyTextView.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

RubyTextView::RubyTextView(QWidget* parent) : QWidget(parent) {}

void RubyTextView::setText(const QString& text) {
    if (const auto own = FindOwnText(text))
        setRubyText(*own);
    else
        setRubyText(RubyText{{text, {}}});
}

void RubyTextView::setRubyText(const RubyText& text) {
    text_ = text;
    updateGeometry();
    update();
}

void RubyTextView::setMaxTextWidth(int width) {
    maxWidth_ = width;
    updateGeometry();
    update();
}

QList<RubyLine> RubyTextView::lines() const {
    return BreakRubyLines(RubyUnits(text_), font(), maxWidth_);
}

int RubyTextView::lineHeight() const {
    // Every line keeps room for furigana, so lines stand evenly whatever the reader's year.
    return RubyHeight(font()) + QFontMetrics(font()).height() + 2;
}

QStringList RubyTextView::lineTexts() const {
    QStringList out;
    for (const RubyLine& l : lines()) {
        QString s;
        for (const RubyUnit& u : l)
            s += u.base;
        out << s;
    }
    return out;
}

QStringList RubyTextView::lineFurigana() const {
    QStringList out;
    for (const RubyLine& l : lines()) {
        QStringList s;
        for (const RubyUnit& u : l)
            if (!u.ruby.isEmpty())
                s << u.ruby;
        out << s.join(QLatin1Char(' '));
    }
    return out;
}

QSize RubyTextView::sizeHint() const {
    const QList<RubyLine> ls = lines();
    int w = 0;
    for (const RubyLine& l : ls)
        w = std::max(w, LineWidth(l, font()));
    const int overhang = QFontMetrics(RubyFont(font())).height() / 2;
    return {w + 2 * overhang, static_cast<int>(ls.size()) * lineHeight()};
}

void RubyTextView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(color_);
    const int overhang = QFontMetrics(RubyFont(font())).height() / 2;
    int top = RubyHeight(font());
    for (const RubyLine& l : lines()) {
        int x = overhang;
        if (align_ & Qt::AlignHCenter)
            x = (width() - LineWidth(l, font())) / 2;
        PaintRubyLine(p, QPointF(x, top), font(), l, true,
                      rubyColor_.isValid() ? rubyColor_ : color_);
        top += lineHeight();
    }
}

void RubyTextView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange)
        updateGeometry();
    QWidget::changeEvent(event);
}
