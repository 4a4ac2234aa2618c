// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of registering a player: which names are refused, with which message, and how the new
// player enters the table.
#pragma once

#include <QByteArray>
#include <QString>

inline const QString MsgNameEmpty = QStringLiteral("名前を入れてください。");
inline const QString MsgNameTaken = QStringLiteral("同じ名前の人がいます。");
inline const QString MsgRegisterFirst = QStringLiteral("名前を登録してください。");
inline const QString MsgChoosePlayer = QStringLiteral("ゲームをする人の名前をえらんでください ");
// A name is stored in 20 bytes: 10 full-width or 20 half-width characters.
inline const QString MsgNameTooLong =
    QStringLiteral("名前が長すぎます。かなやかんじは10文字、えいすうじは20文字までです。");
inline const QString MsgNameBadChar = QStringLiteral("名前に使えない文字があります。");
inline const QString MsgGakunenRange = QStringLiteral("学年は1から4までの数字を入れてください。");
inline const QString MsgPlayersFull = QStringLiteral("これ以上名前を登録できません。");

enum class NameCheck { Ok, Empty, BadChar, TooLong, Taken };

// Checks the text of the name field. On Ok, *sjis holds the name as it will be stored.
NameCheck CheckNewName(const QString& text, QByteArray* sjis = nullptr);
QString NameCheckMessage(NameCheck check); // empty for Ok

// The school-year field: 1..4, or 0 when the text is no school year.
int ParseGakunen(const QString& text);

// Appends player Player_Count + 1 with the given name and school year; false when the table is
// full.
bool RegisterPlayer(const QByteArray& sjisName, int gakunen);

// Whether the button that opens the registration group is shown for n players.
bool CanOpenRegistration(int playerCount);
