#include "aftergame/practice/PracticeRun.h"

PracticeRun::PracticeRun(int strokes) : done_(std::max(0, strokes), false) {}

int PracticeRun::writtenCount() const {
    return int(done_.count(true));
}

bool PracticeRun::isWritten(int stroke) const {
    return stroke >= 0 && stroke < done_.size() && done_[stroke];
}

int PracticeRun::expected() const {
    const int i = int(done_.indexOf(false));
    return i;
}

PracticeRun::Result PracticeRun::judged(bool right, int stroke) {
    if (finished())
        return Result::Missed;
    if (right && stroke >= 0 && stroke < done_.size() && !done_[stroke]) {
        done_[stroke] = true;
        misses_ = 0;
        help_ = false;
        return Result::Right;
    }
    ++misses_;
    if (misses_ > MissesBeforeHelp) {
        done_[expected()] = true;
        misses_ = 0;
        help_ = false;
        return Result::WrittenIn;
    }
    if (misses_ == MissesBeforeHelp) {
        help_ = true;
        helped_ = true;
        return Result::HelpShown;
    }
    return Result::Missed;
}
