// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RunningCopy.h"

#include <QCoreApplication>
#include <QFile>
#include <QSocketNotifier>
#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
std::function<void()> onKnock;

// False when the folder's path is too long for a socket address.
bool addressOf(const QString& recordsDir, sockaddr_un* addr) {
    const QByteArray path = QFile::encodeName(recordsDir + QStringLiteral("/Mojimaru_G.sock"));
    std::memset(addr, 0, sizeof *addr);
    addr->sun_family = AF_UNIX;
    if (path.size() >= qsizetype(sizeof addr->sun_path))
        return false;
    std::memcpy(addr->sun_path, path.constData(), size_t(path.size()));
    return true;
}
} // namespace

bool ListenForSecondStarts(const QString& recordsDir, std::function<void()> forward) {
    sockaddr_un addr;
    if (!addressOf(recordsDir, &addr))
        return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return false;
    // We hold the records lock: a socket file left there belongs to a copy that ended.
    ::unlink(addr.sun_path);
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) != 0 ||
        ::listen(fd, 4) != 0) {
        ::close(fd);
        return false;
    }
    onKnock = std::move(forward);
    auto* notifier =
        new QSocketNotifier(fd, QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [fd] {
        int client;
        while ((client = ::accept4(fd, nullptr, nullptr, SOCK_CLOEXEC)) >= 0) {
            ::close(client);
            if (onKnock)
                onKnock();
        }
    });
    return true;
}

bool KnockOnRunningCopy(const QString& recordsDir) {
    sockaddr_un addr;
    if (!addressOf(recordsDir, &addr))
        return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool reached = ::connect(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) == 0;
    ::close(fd);
    return reached;
}
