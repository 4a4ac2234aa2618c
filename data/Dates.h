// SPDX-License-Identifier: GPL-3.0-or-later
// Dates as the records store them: whole days since 30 December 1899.
#pragma once

#include <QDate>
#include <QString>

double DayNumber(const QDate& date);
QDate DateFromDayNumber(double days);
double TodayDayNumber();                // from the program's clock
QString FormatHizuke(double days);      // "yy/mm/dd"
