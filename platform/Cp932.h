// SPDX-License-Identifier: GPL-3.0-or-later
// Shift-JIS (Windows code page 932) conversion through glibc iconv, byte-exact with the data files.
#pragma once

#include <QByteArray>
#include <QString>

namespace Cp932 {
// Encodes text; *ok becomes false (and the result empty) when a character has no CP932 form.
QByteArray fromUnicode(const QString& text, bool* ok = nullptr);
// Decodes bytes; an invalid byte becomes U+FFFD, never a crash.
QString toUnicode(const QByteArray& bytes);
// Whether every character of text can be stored.
bool canEncode(const QString& text);
}  // namespace Cp932

// Trims blanks and control bytes (0x00..0x20) at both ends, as every text comparison does.
QByteArray TrimSjis(const QByteArray& bytes);
