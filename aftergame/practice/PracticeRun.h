// One kanji written once in one step of the practice: which strokes are down, the misses at the
// stroke being written, and whether the child needed a stroke drawn for them. Plain rules, apart
// from the window, so tests can pin them.
#pragma once

#include <QList>

class PracticeRun {
  public:
    // Two misses at one stroke show it for tracing; the next miss writes it in for the child,
    // so no stroke can hold a child up for ever.
    static constexpr int MissesBeforeHelp = 2;

    enum class Result { Right, Missed, HelpShown, WrittenIn };

    explicit PracticeRun(int strokes = 0);

    // A stroke the checker judged: right (then `stroke` is the model stroke it was) or not.
    Result judged(bool right, int stroke = -1);

    int strokes() const { return int(done_.size()); }
    int writtenCount() const;
    bool finished() const { return strokes() > 0 && writtenCount() == strokes(); }
    bool isWritten(int stroke) const;
    // The model stroke the child is to write next: the first not yet down; -1 when finished.
    int expected() const;
    int missesNow() const { return misses_; }
    // The stroke shown for tracing after the misses, or -1.
    int helpStroke() const { return help_ ? expected() : -1; }
    // Some stroke had to be shown or written in: the kanji was not written without help.
    bool helped() const { return helped_; }

  private:
    QList<bool> done_;
    int misses_ = 0;
    bool help_ = false;
    bool helped_ = false;
};
