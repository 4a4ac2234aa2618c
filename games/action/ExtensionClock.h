// SPDX-License-Identifier: GPL-3.0-or-later
// The clock of games 5 and 7: 1:30 of play, then up to six extensions of 0:30 each, granted
// only while the player's share of the points at stake beats a rising threshold.
#pragma once

#include <QString>
#include <QtGlobal>

class ExtensionClock {
public:
    static constexpr int MaxExtensions = 6;
    static constexpr qint64 FirstMs = 90 * 1000;
    static constexpr qint64 ExtensionMs = 30 * 1000;

    void start(qint64 nowMs);
    qint64 remainingMs(qint64 nowMs) const { return deadlineMs_ - nowMs; }
    int extensions() const { return extensions_; }

    // Whether a time-out with this score and these possible points earns another extension.
    bool earnsExtension(int score, int possiblePoints) const;
    void extend(qint64 nowMs);

    // Test and benchmark set-up.
    void setExtensions(int n) { extensions_ = n; }

private:
    qint64 deadlineMs_ = 0;
    int extensions_ = 0;
};

// The share threshold in hundredths after n extensions (70, 75, 80, 83, 87, 90); 0 after six,
// meaning none.
int ExtensionThresholdPercent(int extensions);

// The verdict of games 5 and 7: a share above `firstPercent` once extended, or above
// `laterPercent` after four extensions. A game never extended fails.
bool ActionGamePassed(int score, int possiblePoints, int extensions, int firstPercent,
                      int laterPercent);

// "のこり1分30秒", "のこり5秒": minutes are left out when they are a multiple of ten.
QString RemainingTimeText(qint64 remainingMs);
