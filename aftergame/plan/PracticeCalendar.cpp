// SPDX-License-Identifier: GPL-3.0-or-later
#include "aftergame/plan/PracticeCalendar.h"

#include "platform/Fonts.h"

#include <QPainter>

namespace {
constexpr int TitleHeight = 30;
constexpr int HeaderHeight = 22;
const QStringList WeekDays = {QStringLiteral("にち"), QStringLiteral("げつ"), QStringLiteral("か"),
                              QStringLiteral("すい"), QStringLiteral("もく"), QStringLiteral("きん"),
                              QStringLiteral("ど")};
} // namespace

PracticeCalendar::PracticeCalendar(QWidget* parent) : QWidget(parent) {}

void PracticeCalendar::setMonth(QDate month, const QSet<QDate>& practised, QDate today) {
    month_ = QDate(month.year(), month.month(), 1);
    practised_ = practised;
    today_ = today;
    update();
}

int PracticeCalendar::markedDays() const {
    int n = 0;
    for (const QDate& d : practised_)
        if (d.year() == month_.year() && d.month() == month_.month())
            ++n;
    return n;
}

QRect PracticeCalendar::cellOf(int day) const {
    if (!month_.isValid() || day < 1 || day > month_.daysInMonth())
        return {};
    const int column0 = month_.dayOfWeek() % 7; // Sunday first
    const int index = column0 + day - 1;
    const int w = width() / 7;
    const int h = (height() - TitleHeight - HeaderHeight) / 6;
    return QRect((index % 7) * w, TitleHeight + HeaderHeight + (index / 7) * h, w, h);
}

void PracticeCalendar::paintEvent(QPaintEvent*) {
    if (!month_.isValid())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::yellow);
    p.setFont(PixelFont(20, true));
    p.drawText(QRect(0, 0, width(), TitleHeight), Qt::AlignCenter,
               QStringLiteral("%1がつ").arg(month_.month()));
    p.setFont(PixelFont(13, true));
    const int w = width() / 7;
    for (int i = 0; i < 7; ++i) {
        p.setPen(i == 0 ? QColor(255, 170, 170) : i == 6 ? QColor(170, 200, 255) : Qt::white);
        p.drawText(QRect(i * w, TitleHeight, w, HeaderHeight), Qt::AlignCenter, WeekDays[i]);
    }
    p.setFont(PixelFont(16, true));
    for (int day = 1; day <= month_.daysInMonth(); ++day) {
        const QRect cell = cellOf(day).adjusted(2, 2, -2, -2);
        const QDate date(month_.year(), month_.month(), day);
        const bool done = practised_.contains(date);
        if (done) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(120, 210, 120));
            p.drawRoundedRect(cell, 6, 6);
        }
        if (date == today_) {
            p.setPen(QPen(Qt::white, 2));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(cell, 6, 6);
        }
        p.setPen(done ? QColor(0, 60, 0) : Qt::white);
        p.drawText(cell, Qt::AlignCenter, QString::number(day));
    }
}
