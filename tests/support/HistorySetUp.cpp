// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/HistorySetUp.h"

#include "data/Tables.h"

#include <QFile>
#include <QProcess>
#include <algorithm>
#include <sys/mount.h>
#include <unistd.h>

void AddHistoryPlayer(int index, const char* name, int gakunen) {
    Player_Tbl[index].No = static_cast<std::int16_t>(index);
    Player_Tbl[index].Name.setSjis(QByteArray(name));
    Player_Tbl[index].Gakunen = static_cast<std::int16_t>(gakunen);
    Player_Count = std::max<std::int16_t>(Player_Count, static_cast<std::int16_t>(index));
}

SmallDisk::SmallDisk(const char* size) {
    if (geteuid() != 0)
        return;
    const QByteArray opts = QByteArray("size=") + size;
    mounted = mount("tmpfs", QFile::encodeName(where.path()).constData(), "tmpfs", 0,
                    opts.constData()) == 0;
}

SmallDisk::~SmallDisk() {
    if (mounted)
        umount2(QFile::encodeName(where.path()).constData(), MNT_DETACH);
}

bool SmallDisk::remount(bool readOnly) {
    return QProcess::execute(QStringLiteral("mount"),
                             {QStringLiteral("-o"),
                              readOnly ? QStringLiteral("remount,ro")
                                       : QStringLiteral("remount,rw"),
                              where.path()}) == 0;
}

void FillUp(const QString& dir) {
    QFile filler(dir + QStringLiteral("/filler"));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return;
    const QByteArray block(512, 'x');
    while (filler.write(block) == block.size()) {
    }
}
