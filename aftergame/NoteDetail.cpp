// SPDX-License-Identifier: GPL-3.0-or-later
#include "aftergame/NoteDetail.h"

#include "aftergame/SeisekiViews.h"
#include "data/KanjiFiles.h"
#include "data/Tables.h"

#include <QStringList>
#include <QVector>

QList<NoteSentence> NoteSentencesOf(int kanji) {
    QList<NoteSentence> out;
    if (kanji < 1 || kanji > MaxKanji || Mondai_Idx[kanji].Count < 1)
        return out;
    QVector<TMondaiRec> recs;
    if (!ReadAllMondai(kanji, recs))
        return out;
    for (const TMondaiRec& r : recs) {
        NoteSentence s;
        for (int j = 1; j <= 3; ++j) {
            if (j == r.Pos)
                s.reading = r.partString(j);
            else if (j < r.Pos)
                s.before += r.partString(j);
            else
                s.after += r.partString(j);
        }
        out << s;
    }
    return out;
}

QString NoteReadings(const QList<NoteSentence>& sentences) {
    QStringList readings;
    for (const NoteSentence& s : sentences)
        if (!s.reading.isEmpty() && !readings.contains(s.reading))
            readings << s.reading;
    return readings.join(QStringLiteral("、"));
}

QString NoteAnswerLine(const HistoryAnswer& a) {
    QString asked;
    switch (a.asked) {
    case KanjiAsked::Reading:
        asked = QStringLiteral("よみ");
        break;
    case KanjiAsked::Kakusuu:
        asked = QStringLiteral("画数");
        break;
    case KanjiAsked::Kanji:
        asked = QStringLiteral("かんじ");
        break;
    case KanjiAsked::Traced:
        asked = QStringLiteral("なぞる");
        break;
    case KanjiAsked::Copied:
        asked = QStringLiteral("うつす");
        break;
    case KanjiAsked::FromMemory:
        asked = QStringLiteral("おぼえてかく");
        break;
    }
    const QString game = a.game >= 1 && a.game <= 7 ? SeisekiGameName(a.game)
                         : a.game == PracticeGame  ? QStringLiteral("かくれんしゅう")
                                                   : QString();
    return a.at.toString(QStringLiteral("MM/dd HH:mm")) + QLatin1Char(' ') + game +
           QLatin1Char(' ') + asked + QLatin1Char(' ') +
           (a.right ? QStringLiteral("○") : QStringLiteral("×"));
}
