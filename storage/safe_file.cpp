// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "storage/safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <optional>

namespace gyrock {

namespace fs = std::filesystem;

namespace {

class Fd {
  public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

void syncFolder(const fs::path& folder) {
    Fd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) ::fsync(dir.get());
}

bool copyBytes(const fs::path& from, const fs::path& to) {
    Fd in(::open(from.c_str(), O_RDONLY | O_CLOEXEC));
    if (in.get() < 0) return false;
    Fd out(::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (out.get() < 0) return false;
    char buffer[16384];
    for (;;) {
        const ssize_t n = ::read(in.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 || !writeAll(out.get(), std::string_view(buffer, static_cast<std::size_t>(n)))) {
            ::unlink(to.c_str());
            return false;
        }
        if (n == 0) break;
    }
    if (::fsync(out.get()) != 0 || !out.close()) {
        ::unlink(to.c_str());
        return false;
    }
    return true;
}

}  // namespace

FileRead readBounded(const fs::path& file, std::size_t limit) {
    FileRead result;
    Fd fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0) {
        result.status = errno == ENOENT ? FileRead::Status::Missing : FileRead::Status::Unreadable;
        return result;
    }
    struct stat info {};
    // A folder, a pipe or a device where the file should be holds nothing
    // we can use, and reading a pipe could block forever.
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        result.status = FileRead::Status::Unreadable;
        return result;
    }
    result.bytes.resize(limit + 1);
    std::size_t got = 0;
    while (got <= limit) {
        const ssize_t n = ::read(fd.get(), result.bytes.data() + got, limit + 1 - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            result.status = FileRead::Status::Unreadable;
            result.bytes.clear();
            return result;
        }
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    result.truncated = got > limit;
    result.bytes.resize(std::min(got, limit));
    result.status = FileRead::Status::Ok;
    return result;
}

namespace {

fs::path temporaryFor(const fs::path& file, long pid) {
    fs::path temp = file;
    temp += ".tmp" + std::to_string(pid);
    return temp;
}

// The process id in name, when name is file's name followed by .tmp and digits.
std::optional<long> temporaryOwner(const std::string& name, const std::string& prefix) {
    if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0)
        return std::nullopt;
    long pid = 0;
    for (std::size_t i = prefix.size(); i < name.size(); ++i) {
        if (name[i] < '0' || name[i] > '9' || pid > 100000000) return std::nullopt;
        pid = pid * 10 + (name[i] - '0');
    }
    return pid;
}

bool stillRunning(long pid) {
    if (pid <= 0 || pid == ::getpid()) return false;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

}  // namespace

int removeLeftoverTemporaries(const fs::path& file) {
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    const std::string prefix = file.filename().string() + ".tmp";
    int removed = 0;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const auto pid = temporaryOwner(it->path().filename().string(), prefix);
        if (!pid || stillRunning(*pid)) continue;
        std::error_code ignored;
        if (it->is_regular_file(ignored) && fs::remove(it->path(), ignored)) ++removed;
    }
    return removed;
}

bool writeAtomically(const fs::path& file, std::string_view bytes) {
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    const fs::path temp = temporaryFor(file, ::getpid());
    Fd fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0666));
    if (fd.get() < 0) return false;
    const bool written = writeAll(fd.get(), bytes) && ::fsync(fd.get()) == 0;
    if (!fd.close() || !written || ::rename(temp.c_str(), file.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    syncFolder(folder);
    return true;
}

fs::path keepBackup(const fs::path& file) {
    for (int n = 1; n <= 999; ++n) {
        fs::path backup = file;
        backup += n == 1 ? std::string(".bak") : ".bak" + std::to_string(n);
        std::error_code ec;
        if (fs::symlink_status(backup, ec).type() != fs::file_type::not_found) continue;
        // A hard link costs nothing even for a huge file, and the atomic
        // rename that follows leaves it holding the original.
        if (::link(file.c_str(), backup.c_str()) == 0 || copyBytes(file, backup)) {
            syncFolder(file.has_parent_path() ? file.parent_path() : fs::path("."));
            return backup;
        }
        return {};
    }
    return {};
}

}  // namespace gyrock
