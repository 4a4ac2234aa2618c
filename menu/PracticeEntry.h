// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu's entry for writing practice: a small moving picture of a brush writing and its
// caption, in the menu's look (white caption turning red under the mouse, the hand cursor). It
// stands beside the game panel and shows and hides with it.
#pragma once

#include <QWidget>

class AnimateControl;
class CaptionLabel;

class PracticeEntry : public QWidget {
    Q_OBJECT
  public:
    // The clip is optional: without its file the caption alone starts the practice.
    PracticeEntry(const QString& clipPath, const QFont& font, QWidget* panel, QWidget* parent);

    AnimateControl* animation() const { return animation_; }
    CaptionLabel* caption() const { return caption_; }
    void setHot(bool hot); // the caption in red while the mouse is over the entry

  signals:
    void clicked();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    AnimateControl* animation_ = nullptr;
    CaptionLabel* caption_ = nullptr;
    QWidget* panel_ = nullptr;
};
