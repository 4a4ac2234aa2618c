// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/KanjiHistory.h"

#include "data/RecordsDir.h"
#include "data/ScheduleStore.h"
#include "data/Tables.h"
#include "platform/Clock.h"
#include "platform/MessageBoxes.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QVariant>
#include <cstdio>
#include <optional>

namespace {
const QString Connection = QStringLiteral("kanji_history");
const QStringList Columns = {QStringLiteral("id"),          QStringLiteral("player_no"),
                             QStringLiteral("player_name"), QStringLiteral("kanji"),
                             QStringLiteral("game"),        QStringLiteral("asked"),
                             QStringLiteral("correct"),     QStringLiteral("answered_at")};

// An answer given in this run and not written yet, with the player as it was then.
struct Kept {
    std::int16_t no = 0;
    QString name;
    HistoryAnswer answer;
};

// Answers kept in memory come after every stored one, in the order they were given.
constexpr qint64 KeptIds = qint64(1) << 52;

bool connected = false;
std::optional<KanjiHistory::OpenResult> result; // of the last try to open
QList<Kept> kept;
qint64 keptCount = 0;
int busyWaitMs = 1500;
QString asideName; // the damaged file's copy, named in the message
bool tellRebuilt = false, toldRebuilt = false;
bool tellRefused = false, toldRefused = false;
bool quitHooked = false;

QSqlDatabase db() {
    return QSqlDatabase::database(Connection, false);
}

// What SQLite says about a failed statement: only "not a database" and "corrupt" are damage.
// Busy, locked, read-only, full, I/O and the like pass; the file is never touched for them.
// A connection opened while the file could only be read stays read-only: ReadOnly asks for a
// fresh one.
enum class Failure { None, Damaged, Refused, ReadOnly };
Failure failureOf(const QSqlError& e) {
    if (!e.isValid())
        return Failure::None;
    bool ok = false;
    const int code = e.nativeErrorCode().toInt(&ok) & 0xff;
    constexpr int ReadOnly = 8, Corrupt = 11, NotADatabase = 26;
    if (ok && (code == Corrupt || code == NotADatabase))
        return Failure::Damaged;
    if (ok && code == ReadOnly)
        return Failure::ReadOnly;
    return Failure::Refused;
}

Failure createSchema() {
    QSqlQuery q(db());
    if (!q.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS answers ("
                               "id INTEGER PRIMARY KEY, player_no INTEGER NOT NULL, "
                               "player_name TEXT NOT NULL, kanji INTEGER NOT NULL, "
                               "game INTEGER NOT NULL, asked INTEGER NOT NULL, "
                               "correct INTEGER NOT NULL, answered_at TEXT NOT NULL)")) ||
        !q.exec(QStringLiteral("CREATE INDEX IF NOT EXISTS answers_by_player "
                               "ON answers(player_no, player_name, kanji)")))
        return failureOf(q.lastError());
    return Failure::None;
}

// Whether the file holds our table: a newer program's extra columns and tables are fine; a table
// of the same name in another shape is somebody else's and is left alone.
enum class Check { Ours, Empty, OtherShape, Damaged, Refused };
Check checkSchema() {
    QSqlQuery q(db());
    auto failed = [&q] {
        return failureOf(q.lastError()) == Failure::Damaged ? Check::Damaged : Check::Refused;
    };
    if (!q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'")))
        return failed();
    QStringList tables;
    while (q.next())
        tables << q.value(0).toString();
    if (q.lastError().isValid())
        return failed();
    if (!tables.contains(QStringLiteral("answers")))
        return Check::Empty;
    if (!q.exec(QStringLiteral("PRAGMA table_info(answers)")))
        return failed();
    QStringList found;
    while (q.next())
        found << q.value(1).toString();
    for (const QString& c : Columns)
        if (!found.contains(c))
            return Check::OtherShape;
    // The last page holds the newest answers: a cut-off file fails here.
    if (!q.exec(QStringLiteral("SELECT max(id) FROM answers")) || !q.next())
        return failed();
    return Check::Ours;
}

bool connect(const QString& path) {
    QSqlDatabase d = QSqlDatabase::contains(Connection)
                         ? QSqlDatabase::database(Connection, false)
                         : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), Connection);
    d.setDatabaseName(path);
    // SQLite waits and retries this long for another program's lock, then gives up for now.
    d.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyWaitMs));
    connected = d.open();
    return connected;
}

void disconnect() {
    connected = false;
    if (!QSqlDatabase::contains(Connection))
        return;
    db().close();
    QSqlDatabase::removeDatabase(Connection);
}

// Moves a file SQLite calls damaged aside, under a name no earlier copy has, with its journal.
// Nothing is deleted; a file that cannot be moved stays where it is and the history stays off.
bool setAside(const QString& path) {
    disconnect();
    QString aside;
    for (int n = 1;; ++n) {
        aside = path + QStringLiteral(".damaged") + (n > 1 ? QStringLiteral(".%1").arg(n) : QString());
        if (!QFile::exists(aside) && !QFile::exists(aside + QStringLiteral("-journal")))
            break;
    }
    if (!QFile::rename(path, aside))
        return false;
    const QString journal = path + QStringLiteral("-journal");
    if (QFile::exists(journal) && !QFile::rename(journal, aside + QStringLiteral("-journal")))
        return false; // the old journal must never be played into a new file
    asideName = QFileInfo(aside).fileName();
    return true;
}

KanjiHistory::OpenResult rebuild(const QString& path) {
    using R = KanjiHistory::OpenResult;
    if (!setAside(path) || !connect(path) || createSchema() != Failure::None) {
        disconnect();
        return R::Unavailable;
    }
    tellRebuilt = true;
    return R::Rebuilt;
}

KanjiHistory::OpenResult openNow() {
    using R = KanjiHistory::OpenResult;
    const QString path = RecordsFile(KanjiHistory::FileName);
    const bool existed = QFile::exists(path);
    if (!connect(path)) {
        disconnect();
        return R::Unavailable;
    }
    switch (checkSchema()) {
    case Check::Ours:
        return R::Opened;
    case Check::Empty:
        switch (createSchema()) {
        case Failure::None:
            return existed && QFile(path).size() > 0 ? R::Opened : R::Created;
        case Failure::Damaged:
            return rebuild(path);
        case Failure::Refused:
        case Failure::ReadOnly:
            break;
        }
        break;
    case Check::Damaged:
        return rebuild(path);
    case Check::OtherShape:
    case Check::Refused:
        break;
    }
    disconnect();
    return R::Unavailable;
}

// Opens the database when it is not open; false while it cannot be used (tried again later).
bool ensureOpen() {
    if (connected)
        return true;
    // A run that may not write the records (the parent chose so) keeps no history file either.
    if (RecordsReadOnly()) {
        result = KanjiHistory::OpenResult::Unavailable;
        return false;
    }
    result = openNow();
    if (*result == KanjiHistory::OpenResult::Unavailable)
        tellRefused = true;
    else
        ScheduleStore::update(db()); // an older file gets its schedule; tried again when it fails
    return connected;
}

// A statement failed on the open database: damage is set aside (the history starts anew and the
// program says so); anything else closes the connection, so the next use opens it afresh (a file
// opened read-only gets its chance to be written again).
void failed(Failure f) {
    if (f == Failure::Damaged) {
        result = rebuild(RecordsFile(KanjiHistory::FileName));
        if (*result == KanjiHistory::OpenResult::Unavailable)
            tellRefused = true;
        return;
    }
    disconnect();
    tellRefused = true;
}

QString playerName(int player) {
    return Player_Tbl[player].Name.text().trimmed();
}

bool validPlayer(int player) {
    return player >= 1 && player <= MaxPlayers;
}

bool keptFor(const Kept& k, int player) {
    return k.no == Player_Tbl[player].No && k.name == playerName(player);
}

HistoryAnswer rowOf(const QSqlQuery& q) {
    HistoryAnswer a;
    a.id = q.value(0).toLongLong();
    a.kanji = q.value(1).toInt();
    a.game = q.value(2).toInt();
    a.asked = static_cast<KanjiAsked>(q.value(3).toInt());
    a.right = q.value(4).toInt() != 0;
    if (q.record().count() > 5) // the notebook's whole read leaves the times out: parsing is slow
        a.at = QDateTime::fromString(q.value(5).toString(), Qt::ISODate);
    return a;
}

const QString InsertSql = QStringLiteral(
    "INSERT INTO answers (player_no, player_name, kanji, game, asked, correct, answered_at) "
    "VALUES (?, ?, ?, ?, ?, ?, ?)");

// Writes every kept answer in one transaction; on any failure none is written and all stay kept.
Failure writeKept() {
    QSqlDatabase d = db();
    if (!d.transaction())
        return failureOf(d.lastError());
    Failure f = Failure::None;
    {
        QSqlQuery q(d);
        if (!q.prepare(InsertSql))
            f = failureOf(q.lastError());
        for (int i = 0; f == Failure::None && i < kept.size(); ++i) {
            const Kept& k = kept[i];
            q.bindValue(0, k.no);
            q.bindValue(1, k.name);
            q.bindValue(2, k.answer.kanji);
            q.bindValue(3, k.answer.game);
            q.bindValue(4, static_cast<int>(k.answer.asked));
            q.bindValue(5, k.answer.right ? 1 : 0);
            q.bindValue(6, k.answer.at.toString(Qt::ISODate));
            if (!q.exec())
                f = failureOf(q.lastError());
        }
    }
    if (f == Failure::None && !d.commit()) {
        // A refused COMMIT leaves the transaction open: it is rolled back below.
        f = failureOf(d.lastError());
        if (f == Failure::None)
            f = Failure::Refused;
    }
    if (f != Failure::None) {
        d.rollback();
        return f;
    }
    kept.clear();
    return Failure::None;
}

// Runs a read; a failure is handled like a failed write (after the query is gone).
template <typename Fill>
void read(const Fill& fill) {
    if (!ensureOpen())
        return;
    Failure f = Failure::None;
    {
        QSqlQuery q(db());
        q.setForwardOnly(true);
        f = fill(q);
    }
    if (f != Failure::None)
        failed(f);
}

void hookQuit() {
    if (quitHooked || !QCoreApplication::instance())
        return;
    quitHooked = true;
    QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, [] {
        if (!KanjiHistory::flush())
            std::fprintf(stderr, "mojimaru: %lld answers could not be written into %s\n",
                         static_cast<long long>(KanjiHistory::pendingCount()),
                         qPrintable(RecordsFile(KanjiHistory::FileName)));
    });
}
} // namespace

namespace KanjiHistory {

OpenResult open() {
    if (!connected || !result)
        ensureOpen();
    return *result;
}

void close() {
    flush();
    disconnect();
    result.reset();
    kept.clear();
    keptCount = 0;
    asideName.clear();
    tellRebuilt = toldRebuilt = tellRefused = toldRefused = false;
}

void setBusyWait(int ms) {
    busyWaitMs = std::max(0, ms);
    disconnect(); // the next use opens with the new wait
}

bool flush() {
    if (kept.isEmpty())
        return true;
    // A damaged file found while writing is set aside and the answers go into the new one; a
    // connection that found the file read-only is opened afresh once, as the file may be
    // writable again.
    bool fresh = !connected;
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (!ensureOpen())
            return false;
        const Failure f = writeKept();
        if (f == Failure::None) {
            ScheduleStore::update(db());
            return true;
        }
        failed(f);
        if (f != Failure::Damaged && (f != Failure::ReadOnly || fresh))
            return false;
        fresh = true;
    }
    return false;
}

int pendingCount() {
    return kept.size();
}

void add(int player, int kanji, int game, KanjiAsked asked, bool right) {
    addMany(player, {HistoryAnswer{0, kanji, game, asked, right, Clock::now()}});
}

// Only kept in memory: a game's tick never waits for the disk. They are written when the game
// ends, when the history is read and when the program ends.
void addMany(int player, const QList<HistoryAnswer>& answers) {
    if (!validPlayer(player))
        return;
    for (HistoryAnswer a : answers) {
        a.id = KeptIds + ++keptCount;
        kept << Kept{Player_Tbl[player].No, playerName(player), a};
    }
}

QList<HistoryAnswer> answersOf(int player) {
    QList<HistoryAnswer> out;
    if (!validPlayer(player))
        return out;
    flush();
    read([&](QSqlQuery& q) {
        q.prepare(QStringLiteral("SELECT id, kanji, game, asked, correct FROM answers "
                                 "WHERE player_no = ? AND player_name = ? ORDER BY id"));
        q.bindValue(0, Player_Tbl[player].No);
        q.bindValue(1, playerName(player));
        if (!q.exec())
            return failureOf(q.lastError());
        while (q.next())
            out << rowOf(q);
        return failureOf(q.lastError());
    });
    for (const Kept& k : kept)
        if (keptFor(k, player))
            out << k.answer;
    return out;
}

QList<HistoryAnswer> recentAnswers(int player, int kanji, int limit) {
    QList<HistoryAnswer> out;
    if (!validPlayer(player))
        return out;
    flush();
    for (auto k = kept.crbegin(); k != kept.crend() && out.size() < limit; ++k)
        if (keptFor(*k, player) && k->answer.kanji == kanji)
            out << k->answer;
    if (out.size() >= limit)
        return out;
    read([&](QSqlQuery& q) {
        q.prepare(QStringLiteral("SELECT id, kanji, game, asked, correct, answered_at FROM "
                                 "answers WHERE player_no = ? AND player_name = ? AND kanji = ? "
                                 "ORDER BY id DESC LIMIT ?"));
        q.bindValue(0, Player_Tbl[player].No);
        q.bindValue(1, playerName(player));
        q.bindValue(2, kanji);
        q.bindValue(3, limit - int(out.size()));
        if (!q.exec())
            return failureOf(q.lastError());
        while (q.next())
            out << rowOf(q);
        return failureOf(q.lastError());
    });
    return out;
}

KanjiSchedule scheduleOf(int player) {
    KanjiSchedule out;
    if (!validPlayer(player))
        return out;
    flush();
    if (ensureOpen()) {
        const QSqlDatabase d = db();
        ScheduleStore::update(d);
        bool damaged = false;
        out = ScheduleStore::read(d, Player_Tbl[player].No, playerName(player), &damaged);
        if (damaged && ScheduleStore::rebuild(d))
            out = ScheduleStore::read(d, Player_Tbl[player].No, playerName(player), &damaged);
    }
    // Answers that could not be written yet are newer than every stored one.
    for (const Kept& k : kept)
        if (keptFor(k, player))
            FoldAnswer(out, k.answer.kanji, k.answer.asked, k.answer.right, LocalDay(k.answer.at));
    return out;
}

QList<HistoryAnswer> answersSince(int player, const QDate& since) {
    QList<HistoryAnswer> out;
    if (!validPlayer(player))
        return out;
    flush();
    read([&](QSqlQuery& q) {
        q.prepare(QStringLiteral("SELECT id, kanji, game, asked, correct, answered_at FROM "
                                 "answers WHERE player_no = ? AND player_name = ? AND "
                                 "answered_at >= ? ORDER BY id"));
        q.bindValue(0, Player_Tbl[player].No);
        q.bindValue(1, playerName(player));
        // Stored times begin with their date: one day earlier also finds those with an offset.
        q.bindValue(2, since.addDays(-1).toString(Qt::ISODate));
        if (!q.exec())
            return failureOf(q.lastError());
        while (q.next()) {
            HistoryAnswer a = rowOf(q);
            if (LocalDay(a.at) >= since)
                out << a;
        }
        return failureOf(q.lastError());
    });
    for (const Kept& k : kept)
        if (keptFor(k, player) && LocalDay(k.answer.at) >= since)
            out << k.answer;
    return out;
}

} // namespace KanjiHistory

void OpenKanjiHistory(QWidget* parent) {
    KanjiHistory::open();
    hookQuit();
    if (tellRebuilt && !toldRebuilt) {
        toldRebuilt = true;
        ShowMessage(parent,
                    QStringLiteral("かんじノートの記ろくがこわれていたので、新しく作りなおしました。\n"
                                   "こわれたファイルは「%1」としてのこしてあります。")
                        .arg(asideName));
    }
    if (tellRefused && !toldRefused) {
        toldRefused = true;
        ShowMessage(parent, QStringLiteral("かんじノートの記ろくを今は書きこめません。\n"
                                           "ほかのプログラムが使っているか、ディスクがいっぱいか、"
                                           "書きこめないファイルになっています。\n"
                                           "ゲームはこのままつづけられます。\n"
                                           "答えはおぼえておいて、あとで書きこみます。"));
    }
}

void RecordKanjiAnswer(int kanji, KanjiAsked asked, bool right) {
    KanjiHistory::add(Cur_Player, kanji, Cur_Game, asked, right);
}

void RecordQuizTry(int kanji, const QList<bool>& wrongReading, bool wrongKakusuu) {
    QList<HistoryAnswer> answers;
    const QDateTime now = Clock::now();
    for (bool wrong : wrongReading)
        answers << HistoryAnswer{0, kanji, Cur_Game, KanjiAsked::Reading, !wrong, now};
    answers << HistoryAnswer{0, kanji, Cur_Game, KanjiAsked::Kakusuu, !wrongKakusuu, now};
    KanjiHistory::addMany(Cur_Player, answers);
}
