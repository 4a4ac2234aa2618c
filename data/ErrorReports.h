// The two error reports every window uses.
#pragma once

#include <QString>

class QWidget;

// "<file>でエラーがおこりました。 " for a data or picture file that cannot be read.
void FileErrorReport(QWidget* parent, const QString& fileName);
// "<name> でエラーがおこりました。 " for a sound or music device error.
void MediaErrorReport(QWidget* parent, const QString& mediaName);

QString FileErrorText(const QString& fileName);
QString MediaErrorText(const QString& mediaName);
