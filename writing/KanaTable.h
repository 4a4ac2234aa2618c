// SPDX-License-Identifier: GPL-3.0-or-later
// An on-screen hiragana table for children who cannot type romaji yet: the fifty sounds with the
// voiced, half-voiced and small kana, a long-vowel mark and a delete key. A key types into the
// text field of the same window that had the focus last; the keys never take the focus.
#pragma once

#include <QLineEdit>
#include <QList>
#include <QPointer>
#include <QWidget>

class QToolButton;

class KanaTable : public QWidget {
    Q_OBJECT
public:
    explicit KanaTable(QWidget* parent = nullptr, int keySize = 19);

    // Restricts typing to these fields (empty: any line edit of the window).
    void setTargets(const QList<QLineEdit*>& targets);
    void setTarget(QLineEdit* edit);
    QLineEdit* target() const { return target_; }

    // What a key does: one kana, or DeleteKey.
    void press(const QString& key);
    QToolButton* keyButton(const QString& key) const;

    static const QString DeleteKey;  // "けす"

signals:
    void typed(QLineEdit* edit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onFocusChanged(QWidget* old, QWidget* now);
    bool accepts(QWidget* w) const;
    QList<QPointer<QLineEdit>> targets_;
    QPointer<QLineEdit> target_;
    QList<QToolButton*> keys_;
};
