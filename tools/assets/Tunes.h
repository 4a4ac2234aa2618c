// SPDX-License-Identifier: GPL-3.0-or-later
// The program's music: themes entered as notes, arranged in several styles and written as
// General MIDI files.
#pragma once

#include <QString>
#include <QStringList>

namespace Tunes {

// Writes Menu1..4.mid and Game11..Game74.mid into dir. Returns the names written; on a failure
// (a theme whose bars do not add up, a file that cannot be written) prints why and returns empty.
QStringList writeAll(const QString& dir);

}  // namespace Tunes
