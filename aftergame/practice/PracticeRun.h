// SPDX-License-Identifier: GPL-3.0-or-later
// One kanji written once in one step of the practice, on top of the stroke checker: the checker
// judges each stroke; the run decides the help. Two misses at one stroke show it for tracing
// (and the kanji no longer counts as written without help); the next miss writes it in for the
// child, so no stroke can hold a child up for ever.
#pragma once

#include "writing/strokes/StrokeChecker.h"

#include <optional>

class PracticeRun {
  public:
    static constexpr int MissesBeforeHelp = 2;

    enum class Result { Right, Missed, HelpShown, WrittenIn };
    struct Outcome {
        Result result = Result::Missed;
        StrokeJudgement judgement;
        int stroke = -1; // the model stroke now down (right or written in), else -1
    };

    PracticeRun() = default; // a character without stroke data: nothing to write
    explicit PracticeRun(const CharStrokes& model);

    // One stroke the child drew, in the model's 109 box (y down).
    Outcome judged(const StrokePath& drawn);

    bool hasModel() const { return checker_.has_value(); }
    int strokes() const { return checker_ ? checker_->model().count() : 0; }
    int writtenCount() const { return checker_ ? int(checker_->done().size()) : 0; }
    bool finished() const { return checker_ && checker_->finished(); }
    bool isWritten(int stroke) const { return checker_ && checker_->done().contains(stroke); }
    // The model strokes down, in the order they were written.
    QList<int> written() const { return checker_ ? checker_->done() : QList<int>{}; }
    // The model stroke due next; -1 when finished.
    int expected() const { return checker_ ? checker_->expected() : -1; }
    // The stroke shown for tracing after the misses, or -1.
    int helpStroke() const { return help_ ? expected() : -1; }
    // Some stroke had to be shown or written in: the kanji was not written without help.
    bool helped() const { return helped_; }
    // A model stroke laid where the child is writing (size, place and slant so far).
    StrokePath placed(int stroke) const;

  private:
    std::optional<StrokeChecker> checker_;
    bool help_ = false;
    bool helped_ = false;
};
