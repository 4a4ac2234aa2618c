// SPDX-License-Identifier: GPL-3.0-or-later
// Hiragana input without a system input method: romaji typed into a field turns into hiragana as
// it is typed (kunrei and Hepburn spellings, "nn", small kana with x/l, double consonants). Text a
// system input method commits is left as it comes.
#pragma once

#include <QObject>
#include <QString>

class QLineEdit;

namespace Hiragana {
// Converts every romaji run of text. Letters that may still become a kana ("k", "ky", a lone
// "n") stay as typed unless final is set; final also turns a trailing "n" into "ん".
QString fromRomaji(const QString& text, bool final = false);
}  // namespace Hiragana

// Converts a line edit's typed romaji on the fly. Lives as long as the field.
class HiraganaInput : public QObject {
    Q_OBJECT
public:
    static HiraganaInput* attach(QLineEdit* edit);
    // Settles what is left (a trailing "n"); the field keeps converting afterwards.
    static void finish(QLineEdit* edit);
    static HiraganaInput* of(QLineEdit* edit);  // null when the field has none

    // Off: letters stay as typed and finish leaves the field alone. Switched on again, what the
    // field holds before the cursor stays as it is; only what is typed from then on converts.
    void setActive(bool on);
    bool isActive() const { return active_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit HiraganaInput(QLineEdit* edit);
    void onEdited();
    QString convertible(const QString& text, QString* kept) const;
    QLineEdit* edit_;
    bool active_ = true;
    bool committing_ = false;  // an input method's commit is being applied
    QString kept_;  // text typed while off or committed by an input method: left as it is
};
