// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu/Registration.h"

#include "data/RecordsChanges.h"
#include "data/Tables.h"
#include "platform/Cp932.h"

NameCheck CheckNewName(const QString& text, QByteArray* sjis) {
    // Only half-width blanks and control characters are trimmed; a full-width blank stays.
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && text.at(from).unicode() <= 0x20)
        ++from;
    while (to > from && text.at(to - 1).unicode() <= 0x20)
        --to;
    const QString trimmed = text.mid(from, to - from);
    if (trimmed.isEmpty())
        return NameCheck::Empty;
    // A pasted control character (tab, escape, 0x01) would be stored and shown as a box.
    for (const QChar c : trimmed)
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            return NameCheck::BadChar;
    bool ok = false;
    const QByteArray bytes = Cp932::fromUnicode(trimmed, &ok);
    if (!ok)
        return NameCheck::BadChar;
    if (bytes.size() > NameBytes)
        return NameCheck::TooLong;
    for (int i = 1; i <= Player_Count; ++i) {
        if (TrimSjis(Player_Tbl[i].Name.sjis()) == bytes)
            return NameCheck::Taken;
    }
    if (sjis)
        *sjis = bytes;
    return NameCheck::Ok;
}

QString NameCheckMessage(NameCheck check) {
    switch (check) {
    case NameCheck::Ok:
        return {};
    case NameCheck::Empty:
        return MsgNameEmpty;
    case NameCheck::BadChar:
        return MsgNameBadChar;
    case NameCheck::TooLong:
        return MsgNameTooLong;
    case NameCheck::Taken:
        return MsgNameTaken;
    }
    return {};
}

int ParseGakunen(const QString& text) {
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return ok && n >= 1 && n <= 4 ? n : 0;
}

bool RegisterPlayer(const QByteArray& sjisName, int gakunen) {
    if (Player_Count >= MaxPlayers || sjisName.size() > NameBytes)
        return false;
    ++Player_Count;
    TPlayerRec& p = Player_Tbl[Player_Count];
    p.No = Player_Count;
    p.Name.setSjis(sjisName);
    p.Gakunen = static_cast<std::int16_t>(gakunen);
    p.Reserved = 0;
    RecordsChanged();
    return true;
}

bool CanOpenRegistration(int playerCount) {
    return playerCount >= 1 && playerCount < MaxPlayers;
}
