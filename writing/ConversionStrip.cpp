// SPDX-License-Identifier: GPL-3.0-or-later
#include "writing/ConversionStrip.h"

#include "platform/Fonts.h"
#include "platform/HandCursor.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>

namespace {
const QString PlainLook =
    QStringLiteral("QLabel { color: black; background: transparent; padding: 0 2px; }");
const QString MarkedLook =
    QStringLiteral("QLabel { color: white; background: #2060e0; padding: 0 2px; }");
} // namespace

ConversionStrip::ConversionStrip(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("conversionStrip"));
    setStyleSheet(
        QStringLiteral("#conversionStrip { background: white; border: 2px solid #404040; }"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(5, 1, 5, 1);
    row->setSpacing(2);
    const QFont font = PixelFont(20, true);
    reading_ = new QLabel(this);
    reading_->setFont(font);
    reading_->setTextFormat(Qt::RichText);
    reading_->setStyleSheet(PlainLook);
    row->addWidget(reading_);
    for (int i = 0; i < Page; ++i) {
        auto* l = new QLabel(this);
        l->setFont(font);
        l->setTextFormat(Qt::PlainText);
        GiveHandCursor(l);
        l->installEventFilter(this);
        row->addWidget(l);
        candidates_ << l;
    }
    count_ = new QLabel(this);
    count_->setFont(PixelFont(14, true));
    count_->setStyleSheet(PlainLook);
    row->addWidget(count_);
    // Clicks choose, but never take the focus from the answer field.
    for (QWidget* w : findChildren<QWidget*>())
        w->setFocusPolicy(Qt::NoFocus);
    setFocusPolicy(Qt::NoFocus);
}

void ConversionStrip::setContent(const QString& reading, const QStringList& candidates, int index) {
    const bool converting = index >= 0;
    QString head = QStringLiteral("<u>%1</u>").arg(reading.toHtmlEscaped());
    if (converting)
        head += QStringLiteral("&nbsp;→");
    reading_->setText(head);
    const int n = static_cast<int>(candidates.size());
    first_ = converting ? index / Page * Page : 0;
    for (int i = 0; i < Page; ++i) {
        QLabel* l = candidates_[i];
        const int c = first_ + i;
        if (!converting || c >= n) {
            l->hide();
            continue;
        }
        l->setText(candidates[c]);
        l->setStyleSheet(c == index ? MarkedLook : PlainLook);
        l->show();
    }
    count_->setText(QStringLiteral("%1/%2").arg(index + 1).arg(n));
    count_->setVisible(converting && n > 1);
    adjustSize();
}

QString ConversionStrip::text() const {
    QString out = reading_->text();
    for (const QLabel* l : candidates_)
        if (!l->isHidden())
            out += QLatin1Char(' ') + l->text();
    if (!count_->isHidden())
        out += QLatin1Char(' ') + count_->text();
    return out;
}

QLabel* ConversionStrip::candidateLabel(int i) const {
    const int at = i - first_;
    if (at < 0 || at >= Page || candidates_[at]->isHidden())
        return nullptr;
    return candidates_[at];
}

bool ConversionStrip::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        const int at = static_cast<int>(candidates_.indexOf(qobject_cast<QLabel*>(watched)));
        if (at >= 0) {
            emit chosen(first_ + at);
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}
