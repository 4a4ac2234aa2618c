// SPDX-License-Identifier: GPL-3.0-or-later
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

QString SaveErrorText(const QString& fileName, const QString& folder)
{
    return QStringLiteral("記録を保存できませんでした。\n"
                          "フォルダ「%1」に「%2」を書きこめません。"
                          "ディスクがいっぱいか、書きこみがゆるされていないフォルダです。")
        .arg(folder, fileName);
}

QString SaveErrorEndQuestion(const QString& fileName, const QString& folder)
{
    return SaveErrorText(fileName, folder) +
           QStringLiteral("\n\n保存しないで終わりますか？ 保存できなかった記録は消えます。");
}
