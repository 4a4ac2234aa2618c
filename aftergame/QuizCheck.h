// SPDX-License-Identifier: GPL-3.0-or-later
// The after-game quiz's checking rules, kept apart from its window so they can be tested alone.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The stroke-count field as a whole number; false for anything else (an empty field too).
bool ParseKakusuu(const QString& text, int* value);

// Whether a typed reading equals the expected 20 bytes, both trimmed, byte for byte in Shift-JIS.
// Text that Shift-JIS cannot hold never matches.
bool ReadingMatches(const QString& typed, const QByteArray& expected);

struct QuizVerdict {
    bool right = true;
    QList<bool> wrongReading;  // per answer field
    bool wrongKakusuu = false;
};

QuizVerdict CheckQuizAnswers(const QStringList& readings, const QList<QByteArray>& expected,
                             int kakusuu, int expectedKakusuu);

// Three wrong tries fail the quiz.
constexpr int QuizMaxTries = 3;
