// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "app/single_instance.h"

#include <unistd.h>

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <cstdio>

namespace gyrock::app {
namespace {

QString nativeName(const std::filesystem::path& path) { return QFile::decodeName(path.c_str()); }

// The same folder reached by another spelling is still the same folder.
QString serverNameFor(const std::filesystem::path& folder) {
    std::error_code ec;
    const std::filesystem::path canonical = std::filesystem::weakly_canonical(folder, ec);
    const QByteArray key = QFile::encodeName(nativeName(ec ? folder : canonical));
    const QByteArray hash =
        QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(24);
    return QStringLiteral("gyrock-%1-%2").arg(::getuid()).arg(QString::fromLatin1(hash));
}

}  // namespace

SingleInstance::SingleInstance(const std::filesystem::path& dataFolder)
    : serverName_(serverNameFor(dataFolder)),
      lock_(std::make_unique<QLockFile>(nativeName(dataFolder / ".gyrock.lock"))) {
    // Held as long as the copy runs, however long a game lasts: only a
    // lock whose owner no longer runs is stale.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0)) return;
    first_ = lock_->error() != QLockFile::LockFailedError;
    if (first_) {
        std::fprintf(stderr, "gyrock: cannot lock %s; not guarded against a second copy\n",
                     qUtf8Printable(nativeName(dataFolder)));
    }
}

SingleInstance::~SingleInstance() = default;

void SingleInstance::release() {
    server_.reset();
    lock_.reset();
}

bool SingleInstance::bringFirstToFront(int timeoutMs) {
    // The running copy may still be starting: try again until the deadline.
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(serverName_);
        if (socket.waitForConnected(
                static_cast<int>(std::max<qint64>(deadline.remainingTime(), 1)))) {
            socket.write("front\n");
            socket.waitForBytesWritten(
                static_cast<int>(std::max<qint64>(deadline.remainingTime(), 1)));
            socket.disconnectFromServer();
            return true;
        }
        QThread::msleep(50);
    }
    return false;
}

void SingleInstance::whenAsked(QObject* context, std::function<void()> show) {
    if (!first_) return;
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // We hold the lock: a socket of that name is a killed copy's leftover.
    QLocalServer::removeServer(serverName_);
    if (!server_->listen(serverName_)) {
        std::fprintf(stderr, "gyrock: a second copy cannot reach this one: %s\n",
                     qUtf8Printable(server_->errorString()));
        return;
    }
    QObject::connect(server_.get(), &QLocalServer::newConnection, context,
                     [this, show = std::move(show)] {
                         while (QLocalSocket* socket = server_->nextPendingConnection()) {
                             QObject::connect(socket, &QLocalSocket::disconnected, socket,
                                              &QObject::deleteLater);
                             socket->disconnectFromServer();
                             show();
                         }
                     });
}

}  // namespace gyrock::app
