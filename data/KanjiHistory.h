// The kanji history: every answer a child gives about a kanji (the quiz's readings and stroke
// counts, the games' kanji), kept in an SQLite database beside the records. It never stops a
// game: a database that cannot be read is rebuilt empty, one that cannot be written is left off.
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

class QWidget;

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
void close(); // tests: the next use opens again

// One answer of player p (an index into Player_Tbl); nothing when the history is unavailable.
void add(int player, int kanji, int game, KanjiAsked asked, bool right);
// Many answers in one transaction (benchmarks and tests fill large histories with this).
void addMany(int player, const QList<HistoryAnswer>& answers);
// Every answer of player p, oldest first, without their times.
QList<HistoryAnswer> answersOf(int player);
// The newest `limit` answers of player p about kanji k, newest first.
QList<HistoryAnswer> recentAnswers(int player, int kanji, int limit);
} // namespace KanjiHistory

// Opens the history at start-up (or when the notebook opens) and says, once per run, when it had
// to be rebuilt or cannot be written.
void OpenKanjiHistory(QWidget* parent);

// The one-line recorders the windows call: for Cur_Player in game Cur_Game.
void RecordKanjiAnswer(int kanji, KanjiAsked asked, bool right);
// One quiz try: each reading (per sentence) and the stroke count.
void RecordQuizTry(int kanji, const QList<bool>& wrongReading, bool wrongKakusuu);
