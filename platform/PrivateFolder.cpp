// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PrivateFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <sys/stat.h>

bool MakePrivateFolder(const QString& path) {
    if (path.isEmpty())
        return false;
    const QString clean = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    if (QFileInfo(clean).isDir())
        return true;
    const QString parent = QFileInfo(clean).path();
    if (parent != clean && !MakePrivateFolder(parent))
        return false;
    // Only the owner's bits are asked for, so no umask can widen them.
    if (::mkdir(QFile::encodeName(clean).constData(), S_IRWXU) != 0 && errno != EEXIST)
        return false;
    return QFileInfo(clean).isDir();
}
