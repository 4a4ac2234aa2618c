// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/ScheduleStore.h"

#include <QHash>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

namespace {
struct Key {
    int no = 0;
    QString name;
    int kanji = 0;
    bool operator==(const Key&) const = default;
};
size_t qHash(const Key& k, size_t seed = 0) {
    return qHashMulti(seed, k.no, k.name, k.kanji);
}

QString dayText(QDate d) {
    return d.toString(Qt::ISODate);
}

bool hasTable(QSqlQuery& q, const QString& name) {
    q.prepare(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?"));
    q.bindValue(0, name);
    return q.exec() && q.next();
}

// The tables, made anew (empty, nothing folded) when either is missing.
bool ensureTables(QSqlDatabase db) {
    QSqlQuery q(db);
    if (hasTable(q, QStringLiteral("schedule")) && hasTable(q, QStringLiteral("schedule_folded")))
        return true;
    return q.exec(QStringLiteral("DROP TABLE IF EXISTS schedule")) &&
           q.exec(QStringLiteral("DROP TABLE IF EXISTS schedule_folded")) &&
           q.exec(QStringLiteral("CREATE TABLE schedule (player_no INTEGER NOT NULL, "
                                 "player_name TEXT NOT NULL, kanji INTEGER NOT NULL, "
                                 "level INTEGER NOT NULL, due TEXT NOT NULL, last TEXT NOT NULL, "
                                 "PRIMARY KEY (player_no, player_name, kanji))")) &&
           q.exec(QStringLiteral("CREATE TABLE schedule_folded (id INTEGER NOT NULL)")) &&
           q.exec(QStringLiteral("INSERT INTO schedule_folded (id) VALUES (0)")) &&
           q.exec(QStringLiteral("PRAGMA user_version = %1").arg(ScheduleStore::SchemaVersion));
}

bool entryOf(const QSqlQuery& q, int first, ScheduleEntry* e) {
    bool ok = false;
    e->level = q.value(first).toInt(&ok);
    e->due = QDate::fromString(q.value(first + 1).toString(), Qt::ISODate);
    e->last = QDate::fromString(q.value(first + 2).toString(), Qt::ISODate);
    return ok && e->level >= 0 && e->level <= int(ReviewWaits.size()) && e->due.isValid() &&
           e->last.isValid();
}

// Folds the answers after the last folded one into the rows they touch.
bool foldNew(QSqlDatabase db) {
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT id FROM schedule_folded")) || !q.next())
        return false;
    const qint64 folded = q.value(0).toLongLong();
    if (!q.exec(QStringLiteral("SELECT max(id) FROM answers")) || !q.next())
        return false;
    const qint64 newest = q.value(0).toLongLong();
    if (newest <= folded)
        return true;

    QHash<Key, ScheduleEntry> touched;
    QSqlQuery row(db);
    row.setForwardOnly(true);
    row.prepare(QStringLiteral("SELECT level, due, last FROM schedule "
                               "WHERE player_no = ? AND player_name = ? AND kanji = ?"));
    q.prepare(QStringLiteral("SELECT player_no, player_name, kanji, asked, correct, answered_at "
                             "FROM answers WHERE id > ? AND id <= ? AND asked IN (?, ?) "
                             "ORDER BY id"));
    q.bindValue(0, folded);
    q.bindValue(1, newest);
    q.bindValue(2, int(KanjiAsked::Reading));
    q.bindValue(3, int(KanjiAsked::FromMemory));
    if (!q.exec())
        return false;
    while (q.next()) {
        const Key key{q.value(0).toInt(), q.value(1).toString(), q.value(2).toInt()};
        auto it = touched.find(key);
        if (it == touched.end()) {
            ScheduleEntry stored;
            row.bindValue(0, key.no);
            row.bindValue(1, key.name);
            row.bindValue(2, key.kanji);
            if (!row.exec())
                return false;
            if (row.next() && !entryOf(row, 0, &stored))
                stored = {}; // an unreadable row starts again from this answer
            row.finish();
            it = touched.insert(key, stored);
        }
        *it = NextSchedule(*it, q.value(4).toInt() != 0,
                           LocalDayOfStored(q.value(5).toString()));
    }
    q.finish();
    q.prepare(QStringLiteral("INSERT OR REPLACE INTO schedule "
                             "(player_no, player_name, kanji, level, due, last) "
                             "VALUES (?, ?, ?, ?, ?, ?)"));
    for (auto it = touched.cbegin(); it != touched.cend(); ++it) {
        if (!it->due.isValid())
            continue; // only answers without a readable day
        q.bindValue(0, it.key().no);
        q.bindValue(1, it.key().name);
        q.bindValue(2, it.key().kanji);
        q.bindValue(3, it->level);
        q.bindValue(4, dayText(it->due));
        q.bindValue(5, dayText(it->last));
        if (!q.exec())
            return false;
    }
    q.prepare(QStringLiteral("UPDATE schedule_folded SET id = ?"));
    q.bindValue(0, newest);
    return q.exec();
}

template <typename Work>
bool inTransaction(QSqlDatabase db, const Work& work) {
    if (!db.transaction())
        return false;
    if (work() && db.commit())
        return true;
    db.rollback();
    return false;
}
} // namespace

namespace ScheduleStore {

bool update(QSqlDatabase db) {
    return inTransaction(db, [&] { return ensureTables(db) && foldNew(db); });
}

bool rebuild(QSqlDatabase db) {
    return inTransaction(db, [&] {
        QSqlQuery q(db);
        return ensureTables(db) && q.exec(QStringLiteral("DELETE FROM schedule")) &&
               q.exec(QStringLiteral("UPDATE schedule_folded SET id = 0")) && foldNew(db);
    });
}

KanjiSchedule read(QSqlDatabase db, int playerNo, const QString& playerName, bool* damaged) {
    KanjiSchedule out;
    *damaged = false;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT kanji, level, due, last FROM schedule "
                             "WHERE player_no = ? AND player_name = ?"));
    q.bindValue(0, playerNo);
    q.bindValue(1, playerName);
    if (!q.exec())
        return out;
    while (q.next()) {
        ScheduleEntry e;
        if (!entryOf(q, 1, &e)) {
            *damaged = true;
            continue;
        }
        out.insert(q.value(0).toInt(), e);
    }
    return out;
}

} // namespace ScheduleStore
