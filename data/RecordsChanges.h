// SPDX-License-Identifier: GPL-3.0-or-later
// What the records files hold, and the news that the tables changed. The running program saves
// after every change (the main menu installs the hook); tests and tools that change the tables
// without it write nothing.
#pragma once

#include <functional>

// The tables as they now stand are what the files hold (after a load or a save).
void NoteRecordsOnDisk();
// The files' state is unknown (tables cleared, a load that failed): nothing may be saved over
// them until a load succeeds, or a damaged file would be replaced by empty tables.
void ForgetRecordsOnDisk();
bool RecordsKnownOnDisk();
// Whether the tables differ from what the files hold.
bool RecordsChangedSinceSave();

// The rules call this after every change of the players or records.
void RecordsChanged();
void SetRecordsChangedHook(std::function<void()> hook);
