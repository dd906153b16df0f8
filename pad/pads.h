// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// The game controllers, as one player: every pad plugged in is opened, and
// what they hold is merged, so two pads act as one.
//
// Which control does what (SDL names buttons by where they sit, so "south" is
// the bottom face button: A on an Xbox pad, the cross on a PlayStation one,
// B on a Nintendo one):
//   Left, Right, Down   the d-pad or the left stick
//   Up (turn)           the d-pad's up, the left stick pushed up, or the
//                       north or west face button
//   Start, South, East  told as presses since the last poll
// South does not turn: it also starts a game, and a press that started one
// would otherwise turn the first piece when held a moment too long.
//
// No pad costs nothing: SDL's controller subsystem is started only when an
// input device with joystick buttons is there, and let go again when the last
// pad is gone. Hotplug is noticed through deviceWatch(), which only becomes
// readable when the device folder changes; see there.
//
// The window wraps deviceWatch() in a socket notifier that calls
// deviceFolderChanged(), and calls poll() on its game ticks and, between
// games, on a timer of its own (every 50 ms or so) for as long as listening()
// holds. With no pad and no search going on it needs no timer at all.

#include <cstdint>
#include <filesystem>
#include <vector>

#include "pad/device_watch.h"

struct _SDL_GameController;

namespace gyrock::pad {

struct Reading {
    // Held now on any pad.
    bool left = false;
    bool right = false;
    bool up = false;
    bool down = false;
    // Pressed on any pad since the last poll, however briefly.
    bool startPressed = false;
    bool southPressed = false;
    bool eastPressed = false;
    bool padAdded = false;    // a pad was found since the last poll
    bool padRemoved = false;  // a pad was pulled out since the last poll
    bool connected = false;   // at least one pad is open
    // Keep calling poll(): a pad is open, or one may be about to show up
    // after the device folder changed. False means poll() has nothing to do
    // until deviceFolderChanged() is called.
    bool listening = false;
};

class Pads {
  public:
    // Looks for pads already plugged in. The folders are where Linux keeps
    // its input devices; tests give their own.
    explicit Pads(const std::filesystem::path& deviceFolder = "/dev/input",
                  const std::filesystem::path& inputClassFolder = "/sys/class/input");
    ~Pads();
    Pads(const Pads&) = delete;
    Pads& operator=(const Pads&) = delete;

    // A descriptor that becomes readable only when something is plugged in
    // (a node appears in the device folder or udev grants access to one);
    // call deviceFolderChanged() then. -1 when the machine has no such folder.
    int deviceWatch() const { return watch_.fd(); }
    // Starts looking for a new pad when the change may be one. udev finishes
    // setting a device up a moment after its node appears, so the search goes
    // on through the polls of the next kSettleMs.
    void deviceFolderChanged(std::uint32_t nowMs);

    // Reads every pad (SDL is asked for fresh state here and nowhere else)
    // and takes the presses, arrivals and removals since the last poll.
    // nowMs is any millisecond clock; differences may wrap.
    Reading poll(std::uint32_t nowMs);

    bool connected() const { return !pads_.empty(); }
    bool listening() const { return sdlStarted_ && (connected() || searching_); }

    static constexpr std::uint32_t kSettleMs = 2000;

  private:
    struct Pad {
        _SDL_GameController* controller;
        std::int32_t id;
        // The stick's latched direction on each axis (-1, 0, 1): it changes
        // only past the press or release threshold, so it never chatters.
        int stickX = 0;
        int stickY = 0;
    };

    bool startSdl();
    void stopSdl();
    void openAll();
    void takeEvents(Reading& reading);
    void closeRemoved(Reading& reading);
    void readHeld(Pad& pad, Reading& reading);

    DeviceWatch watch_;
    std::filesystem::path inputClassFolder_;
    bool sdlStarted_ = false;
    bool searching_ = false;
    std::uint32_t searchFrom_ = 0;
    bool added_ = false;  // opened outside poll(), told by the next one
    std::vector<Pad> pads_;
};

}  // namespace gyrock::pad
