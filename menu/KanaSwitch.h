// SPDX-License-Identifier: GPL-3.0-or-later
// The small かな/ABC switch beside the name field: with かな typed romaji becomes hiragana, with
// ABC letters stay as typed. Text a system input method commits is taken as it comes either way.
#pragma once

#include <QWidget>

class QButtonGroup;
class QLineEdit;
class QToolButton;

class KanaSwitch : public QWidget {
    Q_OBJECT
  public:
    // Gives `edit` the hiragana input, switched on. height: the field's height.
    KanaSwitch(QLineEdit* edit, int buttonWidth, int height, QWidget* parent);

    bool kana() const;
    void setKana(bool on);

    QToolButton* kanaButton() const { return kana_; }
    QToolButton* abcButton() const { return abc_; }

  signals:
    void changed(bool kana);

  private:
    QLineEdit* edit_;
    QToolButton* kana_;
    QToolButton* abc_;
};
