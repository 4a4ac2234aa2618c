#include "data/KanjiHistory.h"

#include "data/RecordsDir.h"
#include "data/Tables.h"
#include "platform/Clock.h"
#include "platform/MessageBoxes.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QVariant>
#include <optional>

namespace {
const QString Connection = QStringLiteral("kanji_history");
const QStringList Columns = {QStringLiteral("id"),          QStringLiteral("player_no"),
                             QStringLiteral("player_name"), QStringLiteral("kanji"),
                             QStringLiteral("game"),        QStringLiteral("asked"),
                             QStringLiteral("correct"),     QStringLiteral("answered_at")};

std::optional<KanjiHistory::OpenResult> opened;
bool noticePending = false;
bool noticeShown = false;

QSqlDatabase db() {
    return QSqlDatabase::database(Connection, false);
}

bool exec(QSqlQuery& q, const QString& sql) {
    return q.exec(sql);
}

bool createSchema() {
    QSqlQuery q(db());
    return exec(q, QStringLiteral("CREATE TABLE IF NOT EXISTS answers ("
                                  "id INTEGER PRIMARY KEY, player_no INTEGER NOT NULL, "
                                  "player_name TEXT NOT NULL, kanji INTEGER NOT NULL, "
                                  "game INTEGER NOT NULL, asked INTEGER NOT NULL, "
                                  "correct INTEGER NOT NULL, answered_at TEXT NOT NULL)")) &&
           exec(q, QStringLiteral("CREATE INDEX IF NOT EXISTS answers_by_player "
                                  "ON answers(player_no, player_name, kanji)"));
}

// Whether the file holds our table (true for a new, empty database too, once created).
enum class Check { Ours, Empty, Damaged };
Check checkSchema() {
    QSqlQuery q(db());
    if (!exec(q, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'")))
        return Check::Damaged;
    QStringList tables;
    while (q.next())
        tables << q.value(0).toString();
    if (tables.isEmpty())
        return Check::Empty;
    if (!tables.contains(QStringLiteral("answers")))
        return Check::Damaged;
    QStringList found;
    if (!exec(q, QStringLiteral("PRAGMA table_info(answers)")))
        return Check::Damaged;
    while (q.next())
        found << q.value(1).toString();
    if (found != Columns)
        return Check::Damaged;
    // The last page holds the newest answers: a cut-off file fails here.
    if (!exec(q, QStringLiteral("SELECT max(id) FROM answers")) || !q.next())
        return Check::Damaged;
    return Check::Ours;
}

bool connect(const QString& path) {
    QSqlDatabase d = QSqlDatabase::contains(Connection)
                         ? QSqlDatabase::database(Connection, false)
                         : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), Connection);
    d.setDatabaseName(path);
    if (!d.open())
        return false;
    QSqlQuery q(d);
    exec(q, QStringLiteral("PRAGMA synchronous = NORMAL"));
    return true;
}

void disconnect() {
    if (!QSqlDatabase::contains(Connection))
        return;
    db().close();
    QSqlDatabase::removeDatabase(Connection);
}

// Moves an unreadable file aside (kept for whoever wants to look at it) and starts anew.
bool rebuild(const QString& path) {
    disconnect();
    const QString aside = path + QStringLiteral(".damaged");
    QFile::remove(aside);
    if (!QFile::rename(path, aside))
        QFile::remove(path);
    // A journal of the old file must never be played into the new one.
    QFile::remove(path + QStringLiteral("-journal"));
    return connect(path) && createSchema();
}

KanjiHistory::OpenResult openNow() {
    using R = KanjiHistory::OpenResult;
    const QString path = RecordsFile(KanjiHistory::FileName);
    const bool existed = QFile::exists(path);
    if (!connect(path)) {
        if (!existed)
            return R::Unavailable;
        return rebuild(path) ? R::Rebuilt : R::Unavailable;
    }
    switch (checkSchema()) {
    case Check::Ours:
        return R::Opened;
    case Check::Empty:
        if (createSchema())
            return existed && QFile(path).size() > 0 ? R::Opened : R::Created;
        return existed ? (rebuild(path) ? R::Rebuilt : R::Unavailable) : R::Unavailable;
    case Check::Damaged:
        break;
    }
    return rebuild(path) ? R::Rebuilt : R::Unavailable;
}

bool available() {
    return KanjiHistory::open() != KanjiHistory::OpenResult::Unavailable;
}

// A read that fails on an opened database means the file was damaged after it was opened.
void readFailed() {
    if (!opened || *opened == KanjiHistory::OpenResult::Unavailable)
        return;
    const QString path = RecordsFile(KanjiHistory::FileName);
    opened =
        rebuild(path) ? KanjiHistory::OpenResult::Rebuilt : KanjiHistory::OpenResult::Unavailable;
    noticePending = true;
}

QString playerName(int player) {
    return Player_Tbl[player].Name.text().trimmed();
}

bool validPlayer(int player) {
    return player >= 1 && player <= MaxPlayers;
}

HistoryAnswer rowOf(const QSqlQuery& q) {
    HistoryAnswer a;
    a.id = q.value(0).toLongLong();
    a.kanji = q.value(1).toInt();
    a.game = q.value(2).toInt();
    a.asked = static_cast<KanjiAsked>(q.value(3).toInt());
    a.right = q.value(4).toInt() != 0;
    if (q.record().count() > 5)  // the notebook's whole read leaves the times out: parsing is slow
        a.at = QDateTime::fromString(q.value(5).toString(), Qt::ISODate);
    return a;
}

bool insert(QSqlQuery& q, int player, const HistoryAnswer& a) {
    q.bindValue(0, Player_Tbl[player].No);
    q.bindValue(1, playerName(player));
    q.bindValue(2, a.kanji);
    q.bindValue(3, a.game);
    q.bindValue(4, static_cast<int>(a.asked));
    q.bindValue(5, a.right ? 1 : 0);
    q.bindValue(6, a.at.toString(Qt::ISODate));
    return q.exec();
}

const QString InsertSql = QStringLiteral(
    "INSERT INTO answers (player_no, player_name, kanji, game, asked, correct, answered_at) "
    "VALUES (?, ?, ?, ?, ?, ?, ?)");
} // namespace

namespace KanjiHistory {

OpenResult open() {
    if (!opened) {
        // A run that may not write the records (the parent chose so) keeps no history either.
        opened = RecordsReadOnly() ? OpenResult::Unavailable : openNow();
        noticePending = !RecordsReadOnly() &&
                        (*opened == OpenResult::Rebuilt || *opened == OpenResult::Unavailable);
    }
    return *opened;
}

void close() {
    disconnect();
    opened.reset();
    noticePending = false;
    noticeShown = false;
}

void add(int player, int kanji, int game, KanjiAsked asked, bool right) {
    addMany(player, {HistoryAnswer{0, kanji, game, asked, right, Clock::now()}});
}

void addMany(int player, const QList<HistoryAnswer>& answers) {
    if (!validPlayer(player) || answers.isEmpty() || !available())
        return;
    QSqlDatabase d = db();
    const bool batch = answers.size() > 1 && d.transaction();
    QSqlQuery q(d);
    q.prepare(InsertSql);
    for (const HistoryAnswer& a : answers)
        if (!insert(q, player, a))
            break; // a full disk or a lost file: the game goes on without the history
    if (batch)
        d.commit();
}

QList<HistoryAnswer> answersOf(int player) {
    QList<HistoryAnswer> out;
    if (!validPlayer(player) || !available())
        return out;
    QSqlQuery q(db());
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT id, kanji, game, asked, correct FROM answers "
                             "WHERE player_no = ? AND player_name = ? ORDER BY id"));
    q.bindValue(0, Player_Tbl[player].No);
    q.bindValue(1, playerName(player));
    if (!q.exec()) {
        readFailed();
        return out;
    }
    while (q.next())
        out << rowOf(q);
    if (q.lastError().isValid())
        readFailed();
    return out;
}

QList<HistoryAnswer> recentAnswers(int player, int kanji, int limit) {
    QList<HistoryAnswer> out;
    if (!validPlayer(player) || !available())
        return out;
    QSqlQuery q(db());
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT id, kanji, game, asked, correct, answered_at FROM answers "
                             "WHERE player_no = ? AND player_name = ? AND kanji = ? "
                             "ORDER BY id DESC LIMIT ?"));
    q.bindValue(0, Player_Tbl[player].No);
    q.bindValue(1, playerName(player));
    q.bindValue(2, kanji);
    q.bindValue(3, limit);
    if (!q.exec()) {
        readFailed();
        return out;
    }
    while (q.next())
        out << rowOf(q);
    return out;
}

} // namespace KanjiHistory

void OpenKanjiHistory(QWidget* parent) {
    const KanjiHistory::OpenResult r = KanjiHistory::open();
    if (!noticePending || noticeShown)
        return;
    noticePending = false;
    noticeShown = true;
    ShowMessage(parent, r == KanjiHistory::OpenResult::Unavailable
                            ? QStringLiteral("かんじノートの記ろくを書きこめません。"
                                             "ゲームはこのままつづけられます。")
                            : QStringLiteral("かんじノートの記ろくがこわれていたので、"
                                             "新しく作りなおしました。"));
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
