// SPDX-License-Identifier: GPL-3.0-or-later
// One month as a calendar page: the days the child practised marked, today ringed.
#pragma once

#include <QDate>
#include <QSet>
#include <QWidget>

class PracticeCalendar : public QWidget {
  public:
    explicit PracticeCalendar(QWidget* parent = nullptr);
    // Any day of the month to show; the practised days may hold days of other months.
    void setMonth(QDate month, const QSet<QDate>& practised, QDate today);
    QDate month() const { return month_; }
    int markedDays() const; // of this month (tests, and the caption)
    // Where day d of the month stands (tests check clicks and marks land in their cell).
    QRect cellOf(int day) const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QDate month_;
    QSet<QDate> practised_;
    QDate today_;
};
