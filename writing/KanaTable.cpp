// SPDX-License-Identifier: GPL-3.0-or-later
#include "writing/KanaTable.h"

#include "platform/Fonts.h"
#include "platform/HandCursor.h"
#include "writing/HiraganaInput.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QToolButton>

const QString KanaTable::DeleteKey = QStringLiteral("けす");

namespace {
// Columns from left to right, five rows each; a blank leaves the place empty. The fifty sounds
// read from the right, as on the chart children know from school.
const char* const Columns[] = {
    "ぁぃぅぇぉ", "ゃゅょっゎ", "ぱぴぷぺぽ", "ばびぶべぼ", "だぢづでど", "ざじずぜぞ",
    "がぎぐげご", "んー   ",    "わ   を",    "らりるれろ", "や ゆ よ",    "まみむめも",
    "はひふへほ", "なにぬねの", "たちつてと", "さしすせそ", "かきくけこ", "あいうえお",
};
constexpr int ColumnCount = static_cast<int>(sizeof Columns / sizeof Columns[0]);
// Small gaps set the small, voiced and plain blocks apart.
int gapBefore(int column) { return (column >= 2 ? 4 : 0) + (column >= 7 ? 4 : 0); }
}  // namespace

KanaTable::KanaTable(QWidget* parent, int keySize) : QWidget(parent)
{
    const QFont font = PixelFont(keySize * 3 / 4, true);
    auto makeKey = [&](const QString& text, int x, int y, int w, int h) {
        auto* b = new QToolButton(this);
        b->setText(text);
        b->setFont(text == DeleteKey ? PixelFont(keySize / 2, true) : font);
        b->setFocusPolicy(Qt::NoFocus);
        b->setGeometry(x, y, w, h);
        GiveHandCursor(b);
        connect(b, &QToolButton::clicked, this, [this, text] { press(text); });
        keys_ << b;
    };
    for (int col = 0; col < ColumnCount; ++col) {
        const QString kana = QString::fromUtf8(Columns[col]);
        for (int row = 0; row < 5 && row < kana.size(); ++row)
            if (kana[row] != QLatin1Char(' '))
                makeKey(QString(kana[row]), col * keySize + gapBefore(col), row * keySize, keySize,
                        keySize);
    }
    // The delete key fills the empty lower part of the "ん" column.
    makeKey(DeleteKey, 7 * keySize + gapBefore(7), 2 * keySize, keySize, 3 * keySize);
    setFixedSize(ColumnCount * keySize + gapBefore(ColumnCount), 5 * keySize);
    connect(qApp, &QApplication::focusChanged, this, &KanaTable::onFocusChanged);
}

void KanaTable::setTargets(const QList<QLineEdit*>& targets)
{
    targets_.clear();
    for (QLineEdit* e : targets) {
        targets_ << e;
        // A click into a field chooses it even where focus changes are not reported.
        e->installEventFilter(this);
    }
    if (!targets.isEmpty() && !targets_.contains(target_))
        target_ = targets.first();
}

void KanaTable::setTarget(QLineEdit* edit) { target_ = edit; }

QToolButton* KanaTable::keyButton(const QString& key) const
{
    for (QToolButton* b : keys_)
        if (b->text() == key)
            return b;
    return nullptr;
}

bool KanaTable::accepts(QWidget* w) const
{
    auto* edit = qobject_cast<QLineEdit*>(w);
    if (!edit || edit->window() != window() || edit->isReadOnly())
        return false;
    return targets_.isEmpty() || targets_.contains(edit);
}

void KanaTable::onFocusChanged(QWidget*, QWidget* now)
{
    if (accepts(now))
        target_ = static_cast<QLineEdit*>(now);
}

bool KanaTable::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::FocusIn) {
        auto* edit = qobject_cast<QLineEdit*>(watched);
        if (edit && accepts(edit))
            target_ = edit;
    }
    return QWidget::eventFilter(watched, event);
}

void KanaTable::press(const QString& key)
{
    QLineEdit* edit = target_;
    if (!edit || !edit->isVisible() || !edit->isEnabled())
        return;
    if (key == DeleteKey) {
        edit->backspace();
    } else {
        HiraganaInput::finish(edit);  // a pending "n" becomes "ん" before the next kana
        edit->insert(key);
    }
    edit->setFocus(Qt::OtherFocusReason);
    emit typed(edit);
}
