// SPDX-License-Identifier: GPL-3.0-or-later
#include "aftergame/practice/PracticeTexts.h"

#include "aftergame/practice/TF_Kaki_Renshuu.h"

QString StepCaption(PracticeStep step) {
    switch (step) {
    case PracticeStep::Miru:
        return QStringLiteral("みる");
    case PracticeStep::Nazoru:
        return QStringLiteral("なぞる");
    case PracticeStep::Utsusu:
        return QStringLiteral("うつす");
    case PracticeStep::Oboete:
        break;
    }
    return QStringLiteral("おぼえてかく");
}

QString StepHint(PracticeStep step) {
    switch (step) {
    case PracticeStep::Miru:
        return QStringLiteral("かきじゅんを よく みよう。");
    case PracticeStep::Nazoru:
        return QStringLiteral("うすい じを なぞろう。");
    case PracticeStep::Utsusu:
        return QStringLiteral("おてほんを みて かこう。");
    case PracticeStep::Oboete:
        break;
    }
    return QStringLiteral("おぼえて かこう。");
}

QString StrokeMessage(PracticeRun::Result result, StrokeVerdict verdict) {
    switch (result) {
    case PracticeRun::Result::Right:
        return QStringLiteral("いいね！");
    case PracticeRun::Result::HelpShown:
        return QStringLiteral("あおい せんを なぞってみよう。");
    case PracticeRun::Result::WrittenIn:
        return QStringLiteral("この せんは かいておいたよ。つぎを かこう。");
    case PracticeRun::Result::Missed:
        break;
    }
    switch (verdict) {
    case StrokeVerdict::Order:
        return QStringLiteral("かくじゅんが ちがうよ。ひかっている ところから かこう。");
    case StrokeVerdict::Direction:
        return QStringLiteral("むきが ぎゃくだよ。ひかっている ところから かこう。");
    case StrokeVerdict::Place:
        return QStringLiteral("かく ばしょが ちがうよ。ひかっている ところから かこう。");
    case StrokeVerdict::Shape:
        return QStringLiteral("かたちが ちがうよ。ひかっている せんを みてね。");
    case StrokeVerdict::Ok:
    case StrokeVerdict::Extra:
        break;
    }
    return QStringLiteral("その せんは いらないよ。ひかっている ところから かこう。");
}

QString KanjiDoneMessage(bool helped) {
    return helped ? QStringLiteral("さいごまで かけたね。こんどは ひとりで かいてみよう。")
                  : QStringLiteral("できた！ じょうずに かけたね。");
}
