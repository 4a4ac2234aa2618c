// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/AnswerReadings.h"

#include <algorithm>

QVector<AnswerReading> AnswerReadings(const QVector<KanjiReading>& table, const QList<AskedReading>& asked) {
    QVector<AnswerReading> out;
    for (const KanjiReading& r : table)
        out.append({r.shown(), {}});
    for (int i = 0; i < asked.size(); ++i) {
        int at = ReadingAsked(table, asked[i].reading, asked[i].after);
        if (at < 0) {
            // A reading the table does not list still shows, once.
            at = static_cast<int>(std::find_if(out.begin(), out.end(),
                                               [&](const AnswerReading& a) { return a.shown == asked[i].reading; }) -
                                  out.begin());
            if (at == out.size())
                out.append({asked[i].reading, {}});
        }
        out[at].sentences << i + 1;
    }
    return out;
}

QString AnswerReadingsText(const QVector<AnswerReading>& readings) {
    QStringList items;
    for (const AnswerReading& r : readings) {
        QString item = r.shown;
        for (int n : r.sentences)
            item += n >= 1 && n <= 20 ? QChar(0x2460 + n - 1) : QChar(u'・');
        items << item;
    }
    return items.join(QChar(0x3000));
}
