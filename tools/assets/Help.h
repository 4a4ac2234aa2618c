// SPDX-License-Identifier: GPL-3.0-or-later
// The help file "Mojimaru.hlp": UTF-8 text. Lines starting with "#" are comments; "@topic <number>
// <title>" starts a topic and the lines up to the next one are its text, where an empty line
// separates paragraphs, "== " starts a heading and "* " a bullet item.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace Help {

QByteArray text();
QStringList writeAll(const QString& dir);

}  // namespace Help
