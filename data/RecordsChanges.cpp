// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/RecordsChanges.h"

#include "data/SaveFiles.h"

#include <QByteArray>
#include <optional>

namespace {
std::optional<QByteArray> onDisk;
std::function<void()> changedHook;

QByteArray current() {
    return PlayerFileBytes() + GameFileBytes();
}
} // namespace

void NoteRecordsOnDisk() {
    onDisk = current();
}

void ForgetRecordsOnDisk() {
    onDisk.reset();
}

bool RecordsKnownOnDisk() {
    return onDisk.has_value();
}

bool RecordsChangedSinceSave() {
    return onDisk && *onDisk != current();
}

void RecordsChanged() {
    if (changedHook)
        changedHook();
}

void SetRecordsChangedHook(std::function<void()> hook) {
    changedHook = std::move(hook);
}
