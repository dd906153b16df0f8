// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// One running copy per data folder: two copies on the same files would each
// write back their own table at the close, and one of them would lose. A
// later copy brings the running one to the front instead.

#include <QLockFile>
#include <QString>
#include <filesystem>
#include <functional>
#include <memory>

class QLocalServer;
class QObject;

namespace gyrock::app {

class SingleInstance {
  public:
    // Takes the folder's lock; a lock left by a copy that was killed is
    // taken over.
    explicit SingleInstance(const std::filesystem::path& dataFolder);
    ~SingleInstance();

    // False when another running copy holds the folder. True also when the
    // folder cannot hold a lock at all: then nothing can be written there.
    bool first() const { return first_; }

    // The later copy: asks the running one to come to the front. False
    // when it did not answer within the time.
    bool bringFirstToFront(int timeoutMs = 5000);

    // The first copy: runs `show` whenever a later one asks.
    void whenAsked(QObject* context, std::function<void()> show);

    // Gives the folder up now (lock file and socket gone), for an end that
    // skips the destructors.
    void release();

  private:
    QString serverName_;
    std::unique_ptr<QLockFile> lock_;
    std::unique_ptr<QLocalServer> server_;
    bool first_ = true;
};

}  // namespace gyrock::app
