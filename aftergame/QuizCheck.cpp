// SPDX-License-Identifier: GPL-3.0-or-later
#include "aftergame/QuizCheck.h"

#include "platform/Cp932.h"

bool ParseKakusuu(const QString& text, int* value)
{
    bool ok = false;
    const QString t = text.trimmed();
    // Only half-width digits with an optional sign, as the field's mask allows.
    for (int i = 0; i < t.size(); ++i) {
        const QChar c = t[i];
        const bool sign = i == 0 && (c == QLatin1Char('+') || c == QLatin1Char('-'));
        if (!sign && (c < QLatin1Char('0') || c > QLatin1Char('9')))
            return false;
    }
    const int v = t.toInt(&ok);
    if (ok && value)
        *value = v;
    return ok;
}

bool ReadingMatches(const QString& typed, const QByteArray& expected)
{
    bool ok = false;
    const QByteArray bytes = Cp932::fromUnicode(typed, &ok);
    if (!ok)
        return false;
    return TrimSjis(bytes) == TrimSjis(expected);
}

QuizVerdict CheckQuizAnswers(const QStringList& readings, const QList<QByteArray>& expected,
                             int kakusuu, int expectedKakusuu)
{
    QuizVerdict v;
    for (int i = 0; i < expected.size(); ++i) {
        const bool wrong = i >= readings.size() || !ReadingMatches(readings[i], expected[i]);
        v.wrongReading << wrong;
        if (wrong)
            v.right = false;
    }
    if (kakusuu != expectedKakusuu) {
        v.wrongKakusuu = true;
        v.right = false;
    }
    return v;
}
