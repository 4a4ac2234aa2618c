// SPDX-License-Identifier: GPL-3.0-or-later
// The look of the program's message boxes: the program's font at a size a child reads easily,
// furigana on the program's texts, lines broken between phrases, big buttons.
#pragma once

#include <QDialog>
#include <QList>

class QAbstractButton;
class QHBoxLayout;
class RubyTextView;

class MessageDialog : public QDialog {
  public:
    enum Kind { Information, Question };
    MessageDialog(Kind kind, const QString& title, const QString& text, QWidget* parent);
    QAbstractButton* addButton(const QString& text); // left to right, the first has the focus
    QAbstractButton* clickedButton() const { return clicked_; }
    RubyTextView* textView() const { return text_; }

  private:
    RubyTextView* text_ = nullptr;
    QHBoxLayout* buttons_ = nullptr;
    QList<QAbstractButton*> added_;
    QAbstractButton* clicked_ = nullptr;
};
