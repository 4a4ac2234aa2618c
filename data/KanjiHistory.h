// SPDX-License-Identifier: GPL-3.0-or-later
// The kanji history: every answer a child gives about a kanji (the quiz's readings and stroke
// counts, the games' kanji), kept in an SQLite database beside the records. It never stops a
// game: answers are kept in memory and written together when a game ends, when the history is
// read and when the program ends. Another program's lock, a read-only file or a full disk only
// keep them in memory longer (the program says so once); a file SQLite calls damaged is set
// aside under a name of its own and the history starts anew.
#pragma once

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>

class QWidget;
struct ScheduleEntry;

// What the child was asked about the kanji; the last three are the writing practice's steps.
enum class KanjiAsked { Reading = 1, Kakusuu = 2, Kanji = 3, Traced = 4, Copied = 5, FromMemory = 6 };
// The history's game number for the writing practice (the games are 1..7).
constexpr int PracticeGame = 8;

struct HistoryAnswer {
    qint64 id = 0; // rises with every answer: the order they were given in
    int kanji = 0;
    int game = 0;
    KanjiAsked asked = KanjiAsked::Kanji;
    bool right = false;
    QDateTime at;
};

namespace KanjiHistory {
inline const QString FileName = QStringLiteral("KanjiNote.db");

enum class OpenResult { Opened, Created, Rebuilt, Unavailable };
// Opens (or creates) the database in the records folder; later calls return the first result.
OpenResult open();
void close(); // writes what is kept in memory; the next use opens again
// How long one read or write waits for another program's lock before it gives up for now.
void setBusyWait(int ms);
// Writes the answers kept in memory in one transaction; false when they stay in memory.
bool flush();
int pendingCount(); // answers given but not written yet

// One answer of player p (an index into Player_Tbl), kept until the next flush.
void add(int player, int kanji, int game, KanjiAsked asked, bool right);
void addMany(int player, const QList<HistoryAnswer>& answers);
// Every answer of player p, oldest first, without their times (those still in memory last).
QList<HistoryAnswer> answersOf(int player);
// The newest `limit` answers of player p about kanji k, newest first.
QList<HistoryAnswer> recentAnswers(int player, int kanji, int limit);
// Player p's review schedule (see data/ReviewSchedule.h), kept beside the answers.
QHash<int, ScheduleEntry> scheduleOf(int player);
// Player p's answers with their times, from the local day `since` on, oldest first.
QList<HistoryAnswer> answersSince(int player, const QDate& since);
} // namespace KanjiHistory

// Opens the history at start-up (or when the notebook opens, or the menu is back after a game)
// and says, once per run each, when it had to be rebuilt or cannot be written for now.
void OpenKanjiHistory(QWidget* parent);

// The one-line recorders the windows call: for Cur_Player in game Cur_Game.
void RecordKanjiAnswer(int kanji, KanjiAsked asked, bool right);
// One quiz try: each reading (per sentence) and the stroke count.
void RecordQuizTry(int kanji, const QList<bool>& wrongReading, bool wrongKakusuu);
