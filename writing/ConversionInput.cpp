// SPDX-License-Identifier: GPL-3.0-or-later
#include "writing/ConversionInput.h"

#include "writing/ConversionStrip.h"
#include "platform/Fonts.h"
#include "writing/HiraganaInput.h"

#include <algorithm>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

namespace {
bool isAsciiLetter(QChar c) { return c.unicode() < 128 && c.isLetter(); }

// Keys that only change what the next key means; they leave an open reading alone.
bool isModifierKey(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
        return true;
    default:
        return false;
    }
}

// Keys the open reading uses itself, so window shortcuts must not take them.
bool isConversionKey(int key)
{
    switch (key) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Backspace:
    case Qt::Key_Up:
    case Qt::Key_Down:
        return true;
    default:
        return false;
    }
}

}  // namespace

ConversionInput::ConversionInput(QLineEdit* edit, Candidates candidates)
    : QObject(edit), edit_(edit), source_(std::move(candidates))
{
    edit->installEventFilter(this);
    // Text set from outside (the candidate picker, emptying the box) ends an open reading.
    connect(edit, &QLineEdit::textChanged, this, [this] {
        if (!updating_ && composing_)
            reset();
    });
}

ConversionInput* ConversionInput::attach(QLineEdit* edit, Candidates candidates)
{
    if (ConversionInput* existing = of(edit)) {
        existing->source_ = std::move(candidates);
        return existing;
    }
    return new ConversionInput(edit, std::move(candidates));
}

ConversionInput* ConversionInput::of(QLineEdit* edit)
{
    return edit->findChild<ConversionInput*>(QString(), Qt::FindDirectChildrenOnly);
}

QString ConversionInput::shown() const
{
    return composing_ ? edit_->text().mid(start_, length_) : QString();
}

void ConversionInput::reset()
{
    composing_ = false;
    index_ = -1;
    candidates_.clear();
    reading_.clear();
    length_ = 0;
    updateStrip();
}

void ConversionInput::show(const QString& open, bool highlight)
{
    QString text = edit_->text();
    text.replace(start_, length_, open);
    updating_ = true;
    edit_->setText(text);
    updating_ = false;
    length_ = static_cast<int>(open.size());
    if (highlight)
        edit_->setSelection(start_, length_);
    else
        edit_->setCursorPosition(start_ + length_);
    edit_->update();
    updateStrip();
}

void ConversionInput::commit()
{
    if (!composing_)
        return;
    if (!converting()) {
        const QString settled = Hiragana::fromRomaji(reading_, true);
        if (settled != reading_) {
            reading_ = settled;
            show(reading_, false);
        }
    }
    const int end = start_ + length_;
    reset();
    edit_->deselect();
    edit_->setCursorPosition(end);
    edit_->update();
}

void ConversionInput::typeLetter(const QString& letter)
{
    if (converting())
        commit();
    if (!composing_) {
        if (edit_->hasSelectedText())
            edit_->del();
        start_ = edit_->cursorPosition();
        length_ = 0;
        reading_.clear();
        composing_ = true;
    }
    reading_ = Hiragana::fromRomaji(reading_ + letter);
    show(reading_, false);
}

void ConversionInput::convertNext(int step)
{
    if (!converting()) {
        const QString settled = Hiragana::fromRomaji(reading_, true);
        if (settled != reading_) {
            reading_ = settled;
            show(reading_, false);
        }
        candidates_ = source_ ? source_(reading_) : QStringList();
        if (candidates_.isEmpty())
            return;  // no kanji reads like this: the reading stays as typed
        index_ = 0;
    } else {
        const int n = static_cast<int>(candidates_.size());
        index_ = ((index_ + step) % n + n) % n;
    }
    show(candidates_[index_], true);
}

void ConversionInput::choose(int index)
{
    if (!converting() || index < 0 || index >= candidates_.size())
        return;
    index_ = index;
    show(candidates_[index_], true);
    commit();
}

ConversionStrip* ConversionInput::strip() const { return strip_; }

void ConversionInput::backToReading()
{
    index_ = -1;
    candidates_.clear();
    show(reading_, false);
}

void ConversionInput::dropReading()
{
    show(QString(), false);
    reset();
}

void ConversionInput::backspace()
{
    reading_.chop(1);
    if (reading_.isEmpty())
        dropReading();
    else
        show(reading_, false);
}

bool ConversionInput::keyPress(QKeyEvent* key)
{
    if (edit_->isReadOnly())
        return false;
    const Qt::KeyboardModifiers others =
        key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    const bool plain = others == Qt::NoModifier;
    const QString text = key->text();
    if (plain && text.size() == 1) {
        const QChar c = text[0];
        if (isAsciiLetter(c) || c == QLatin1Char('-') ||
            (composing_ && !converting() && c == QLatin1Char('\''))) {
            typeLetter(text);
            return true;
        }
    }
    if (!composing_)
        return false;
    const bool shift = key->modifiers() & Qt::ShiftModifier;
    switch (key->key()) {
    case Qt::Key_Space:
        if (!plain)
            break;
        convertNext(shift ? -1 : 1);
        return true;
    case Qt::Key_Down:
    case Qt::Key_Up:
        if (!converting())
            break;
        convertNext(key->key() == Qt::Key_Down ? 1 : -1);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        commit();
        return true;
    case Qt::Key_Escape:
        if (converting())
            backToReading();
        else
            dropReading();
        return true;
    case Qt::Key_Backspace:
        if (converting())
            backToReading();
        else
            backspace();
        return true;
    default:
        break;
    }
    if (isModifierKey(key->key()))
        return false;
    // Any other key settles what is shown first and then does what it always does.
    commit();
    return false;
}

void ConversionInput::updateStrip()
{
    QWidget* host = edit_->parentWidget();
    if (!host)
        return;
    fitField();
    if (!composing_ || length_ == 0) {
        if (strip_)
            strip_->hide();
        return;
    }
    if (!strip_) {
        strip_ = new ConversionStrip(host);
        connect(strip_, &ConversionStrip::chosen, this, &ConversionInput::choose);
    }
    strip_->setContent(reading_, candidates_, index_);
    // Just below the field, clear of its caption above; above it when there is no room below.
    const QRect field = edit_->geometry();
    int x = std::min(field.left(), host->width() - strip_->width());
    int y = field.bottom() + 3;
    if (y + strip_->height() > host->height())
        y = field.top() - strip_->height() - 2;
    strip_->move(std::max(0, x), std::max(0, y));
    strip_->show();
    strip_->raise();
}

void ConversionInput::fitField()
{
    // A field one character wide grows to the right while a reading is open, so that the whole
    // reading shows, and takes its own width back once the text is settled.
    QWidget* host = edit_->parentWidget();
    if (settledWidth_ < 0)
        settledWidth_ = edit_->width();
    if (!composing_ || length_ == 0) {
        if (edit_->width() != settledWidth_)
            edit_->resize(settledWidth_, edit_->height());
        return;
    }
    const QFontMetrics fm(edit_->font());
    const int want = fm.horizontalAdvance(edit_->text()) + fm.averageCharWidth() / 2 + 8;
    const int room = host->width() - edit_->x();
    edit_->resize(std::clamp(want, settledWidth_, std::max(settledWidth_, room)), edit_->height());
    edit_->raise();
}

void ConversionInput::paintDecoration()
{
    // The cursor stays at the end of the open part, so its rectangle gives the part's right edge.
    const QRect cursor = edit_->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const QFontMetrics fm(edit_->font());
    const int right = cursor.center().x() + 1;
    const int left = right - fm.horizontalAdvance(shown());
    const int baseline = cursor.top() + fm.ascent();
    const int thick = converting() ? 3 : 2;
    const int y = std::min(baseline + std::max(2, fm.underlinePos()), edit_->height() - 3 - thick);
    QPainter p(edit_);
    p.setClipRect(edit_->rect().adjusted(2, 2, -2, -2));
    const QColor colour = edit_->palette().color(QPalette::Text);
    p.fillRect(QRect(left + 1, y, right - left - 2, thick), colour);
}

bool ConversionInput::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != edit_)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress:
        return keyPress(static_cast<QKeyEvent*>(event));
    case QEvent::ShortcutOverride:
        if (composing_ && isConversionKey(static_cast<QKeyEvent*>(event)->key())) {
            event->accept();
            return true;
        }
        break;
    case QEvent::InputMethod:
        // A system input method writes its own text: ours is settled first, theirs kept as is.
        commit();
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::FocusOut:
        commit();
        break;
    case QEvent::Hide:
        if (strip_)
            strip_->hide();
        break;
    case QEvent::Paint:
        if (composing_ && length_ > 0) {
            static_cast<QObject*>(edit_)->event(event);
            paintDecoration();
            return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
