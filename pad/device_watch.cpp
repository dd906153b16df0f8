// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "pad/device_watch.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <array>
#include <climits>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace gyrock::pad {
namespace {

// BTN_JOYSTICK (0x120, a generic joystick's trigger) up to the end of the
// gamepad range (BTN_SOUTH is 0x130): every pad SDL knows reports one.
constexpr unsigned kFirstPadButton = 0x120;
constexpr unsigned kEndPadButtons = 0x140;
// The kernel prints its capability bits as its own longs, most significant first.
constexpr unsigned kBitsPerWord = sizeof(unsigned long) * CHAR_BIT;

bool hasPadButtons(const std::filesystem::path& keyCapabilities) {
    std::ifstream file(keyCapabilities);
    const std::vector<std::string> words{std::istream_iterator<std::string>(file), {}};
    for (unsigned bit = kFirstPadButton; bit < kEndPadButtons; ++bit) {
        const std::size_t fromEnd = bit / kBitsPerWord;
        if (fromEnd >= words.size()) return false;
        const unsigned long word =
            std::strtoul(words[words.size() - 1 - fromEnd].c_str(), nullptr, 16);
        if ((word >> (bit % kBitsPerWord)) & 1UL) return true;
    }
    return false;
}

}  // namespace

DeviceWatch::DeviceWatch(const std::filesystem::path& deviceFolder) {
    fd_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd_ < 0) return;
    if (inotify_add_watch(fd_, deviceFolder.c_str(), IN_CREATE | IN_MOVED_TO | IN_ATTRIB) < 0) {
        close(fd_);
        fd_ = -1;
    }
}

DeviceWatch::~DeviceWatch() {
    if (fd_ >= 0) close(fd_);
}

void DeviceWatch::drain() {
    alignas(inotify_event) std::array<char, 4096> events;
    while (fd_ >= 0 && read(fd_, events.data(), events.size()) > 0) {
    }
}

bool mayBeAPad(const std::filesystem::path& inputClassFolder) {
    std::error_code absent;
    for (const auto& device : std::filesystem::directory_iterator(inputClassFolder, absent)) {
        const std::string name = device.path().filename().string();
        // Each device is listed as inputN and again by its nodes (eventN, jsN).
        if (name.starts_with("input") && hasPadButtons(device.path() / "capabilities" / "key")) {
            return true;
        }
    }
    return false;
}

}  // namespace gyrock::pad
