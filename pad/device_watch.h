// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// Says when a game controller may have been plugged in, without polling.
//
// An inotify watch on the device folder wakes the program only when a node is
// created there or its permissions change (udev grants the player access a
// moment after the kernel makes the node). The kernel's input class folder
// tells at once, before udev has done anything, whether any input device has
// joystick or gamepad buttons, so a keyboard or mouse plugged in never starts
// SDL's controller machinery.

#include <filesystem>

namespace gyrock::pad {

class DeviceWatch {
  public:
    // Without the folder (a container, a build machine) there is simply
    // nothing to watch: fd() is -1 and nothing is said.
    explicit DeviceWatch(const std::filesystem::path& deviceFolder);
    ~DeviceWatch();
    DeviceWatch(const DeviceWatch&) = delete;
    DeviceWatch& operator=(const DeviceWatch&) = delete;

    // Readable when the folder has changed; -1 when there is no watch.
    int fd() const { return fd_; }
    // Reads what the watch has to say so that it stops being readable.
    void drain();

  private:
    int fd_ = -1;
};

// True when an input device under inputClassFolder (/sys/class/input) has a
// button in the kernel's joystick or gamepad ranges.
bool mayBeAPad(const std::filesystem::path& inputClassFolder);

}  // namespace gyrock::pad
