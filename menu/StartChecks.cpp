// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu/StartChecks.h"

#include "data/RecordsDir.h"
#include "platform/MessageBoxes.h"

bool ConfirmUnlockableStart(QWidget* parent, const QString& recordsDir) {
    const QString text =
        QStringLiteral("記録のフォルダ「%1」をロックできません（ロックのないネットワークの"
                       "フォルダなど）。\n"
                       "ほかのコンピュータで同じ記録のもじまるが動いていても、たしかめられません。"
                       "二つが同時に書きこむと、記録がこわれます。\n\n"
                       "「はい」: 記録を書きこまないで始めます（この回の記録はのこりません）。\n"
                       "「いいえ」: ほかで動いていないことを保護者がたしかめて、"
                       "このまま始めます。\n"
                       "「キャンセル」: 始めないで終わります。")
            .arg(recordsDir);
    switch (AskYesNoCancel(parent, text)) {
    case MsgAnswer::Yes:
        SetRecordsReadOnly(true);
        return true;
    case MsgAnswer::No:
        return true;
    case MsgAnswer::Cancel:
        break;
    }
    return false;
}

bool ConfirmNoRecordsFolder(QWidget* parent, const QString& recordsDir) {
    const QString where =
        recordsDir.isEmpty()
            ? QStringLiteral("記録のフォルダを作る場所がありません（HOME も XDG_DATA_HOME も"
                             "フォルダを指していません）。")
            : QStringLiteral("記録のフォルダ「%1」を作れません（同じ名前のファイルがあるか、"
                             "書きこめない場所です）。")
                  .arg(recordsDir);
    const QString text = where + QStringLiteral("\n\n記録を書きこまないで始めますか？ "
                                                "この回の記録はのこりません。");
    if (AskYesNo(parent, text) != MsgAnswer::Yes)
        return false;
    SetRecordsReadOnly(true);
    return true;
}
