// SPDX-License-Identifier: GPL-3.0-or-later
// The error reports every window uses.
#pragma once

#include <QString>

class QWidget;

// "<file>でエラーがおこりました。 " for a data or picture file that cannot be read.
void FileErrorReport(QWidget* parent, const QString& fileName);
// "<name> でエラーがおこりました。 " for a sound or music device error.
void MediaErrorReport(QWidget* parent, const QString& mediaName);

QString FileErrorText(const QString& fileName);
QString MediaErrorText(const QString& mediaName);

// The records could not be saved: what, where, and the likely causes, for a parent to act on.
QString SaveErrorText(const QString& fileName, const QString& folder);
// The same when the program was asked to end: end without them (yes) or stay (no).
QString SaveErrorEndQuestion(const QString& fileName, const QString& folder);
