// SPDX-License-Identifier: GPL-3.0-or-later
#include "aftergame/practice/PracticeRun.h"

PracticeRun::PracticeRun(const CharStrokes& model) {
    if (model.count() > 0)
        checker_.emplace(model);
}

StrokePath PracticeRun::placed(int stroke) const {
    return checker_ && stroke >= 0 && stroke < strokes() ? checker_->placed(stroke) : StrokePath{};
}

PracticeRun::Outcome PracticeRun::judged(const StrokePath& drawn) {
    Outcome out;
    if (!checker_ || checker_->finished()) {
        out.judgement.verdict = StrokeVerdict::Extra;
        return out;
    }
    out.judgement = checker_->judge(drawn);
    if (out.judgement.verdict == StrokeVerdict::Ok) {
        help_ = false;
        out.result = Result::Right;
        out.stroke = out.judgement.matched;
    } else if (checker_->misses() > MissesBeforeHelp) {
        help_ = false;
        helped_ = true;
        out.result = Result::WrittenIn;
        out.stroke = checker_->give();
    } else if (checker_->misses() == MissesBeforeHelp) {
        help_ = true;
        helped_ = true;
        out.result = Result::HelpShown;
    }
    return out;
}
