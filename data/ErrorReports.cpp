#include "data/ErrorReports.h"

#include "platform/MessageBoxes.h"

QString FileErrorText(const QString& fileName)
{
    return fileName + QStringLiteral("でエラーがおこりました。 ");
}

QString MediaErrorText(const QString& mediaName)
{
    return mediaName + QStringLiteral(" でエラーがおこりました。 ");
}

void FileErrorReport(QWidget* parent, const QString& fileName)
{
    ShowMessage(parent, FileErrorText(fileName));
}

void MediaErrorReport(QWidget* parent, const QString& mediaName)
{
    ShowMessage(parent, MediaErrorText(mediaName));
}
