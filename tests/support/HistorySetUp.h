// SPDX-License-Identifier: GPL-3.0-or-later
// What the kanji history's tests and the notebook's tests set up alike: players in the table
// whose answers the history keeps, and a small disk of their own that fills up or turns
// read-only for real.
#pragma once

#include <QString>
#include <QTemporaryDir>

// Player `index` of Player_Tbl with a name and a school year; Player_Count covers it.
void AddHistoryPlayer(int index, const char* name, int gakunen);

// A small tmpfs (root only; `mounted` is false for anyone else, and the test then skips).
struct SmallDisk {
    QTemporaryDir where;
    bool mounted = false;
    explicit SmallDisk(const char* size);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;
    // Through mount(8): it sets the file system and its mount point alike.
    bool remount(bool readOnly);
    QString path() const { return where.path(); }
};

// Fills the folder's file system with one file until the kernel refuses more.
void FillUp(const QString& dir);
