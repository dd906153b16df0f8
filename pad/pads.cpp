// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "pad/pads.h"

#include <SDL.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <span>
#include <utility>

namespace gyrock::pad {
namespace {

// Past half way the stick presses its direction; it lets go only back inside
// the dead zone, which is wider than a worn stick's drift at rest. Between
// the two it keeps what it had, so a thumb resting at the edge never chatters.
constexpr int kStickPress = 16384;
constexpr int kStickRelease = 10000;

// Every joystick and controller event SDL queues, and nothing of the music's.
constexpr Uint32 kFirstPadEvent = SDL_JOYAXISMOTION;
constexpr Uint32 kLastPadEvent = SDL_FINGERDOWN - 1;

int latched(int previous, Sint16 value) {
    const int direction = value < 0 ? -1 : 1;
    const int size = std::abs(int{value});
    if (size >= kStickPress) return direction;
    return size >= kStickRelease && previous == direction ? direction : 0;
}

bool held(SDL_GameController* controller, SDL_GameControllerButton button) {
    return SDL_GameControllerGetButton(controller, button) != 0;
}

}  // namespace

Pads::Pads(const std::filesystem::path& deviceFolder, const std::filesystem::path& inputClassFolder)
    : watch_(deviceFolder), inputClassFolder_(inputClassFolder) {
    // Plugged in before the program started: udev is long done with it.
    if (mayBeAPad(inputClassFolder_) && startSdl()) {
        openAll();
        if (pads_.empty()) stopSdl();
    }
}

Pads::~Pads() { stopSdl(); }

bool Pads::startSdl() {
    if (sdlStarted_) return true;
    // The program ends on SIGINT and SIGTERM itself, saving first; SDL's own
    // handlers would swallow them.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // Buttons by where they sit, not by the letter on them: south is the
    // bottom button on every make of pad.
    SDL_SetHint(SDL_HINT_GAMECONTROLLER_USE_BUTTON_LABELS, "0");
    // A subsystem of its own, counted apart from the music's SDL_INIT_AUDIO.
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) return false;
    sdlStarted_ = true;
    // Presses queued while the pads were not ours are old news.
    SDL_FlushEvents(kFirstPadEvent, kLastPadEvent);
    return true;
}

void Pads::stopSdl() {
    if (!sdlStarted_) return;
    for (const Pad& pad : pads_) SDL_GameControllerClose(pad.controller);
    pads_.clear();
    SDL_FlushEvents(kFirstPadEvent, kLastPadEvent);
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    sdlStarted_ = false;
    searching_ = false;
}

void Pads::openAll() {
    for (int index = 0; index < SDL_NumJoysticks(); ++index) {
        const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(index);
        const bool known =
            std::any_of(pads_.begin(), pads_.end(), [id](const Pad& pad) { return pad.id == id; });
        if (known || !SDL_IsGameController(index)) continue;
        if (SDL_GameController* controller = SDL_GameControllerOpen(index)) {
            pads_.push_back({controller, id});
            added_ = true;
        }
    }
}

void Pads::deviceFolderChanged(std::uint32_t nowMs) {
    watch_.drain();
    if (!sdlStarted_ && !mayBeAPad(inputClassFolder_)) return;
    if (!startSdl()) return;
    openAll();
    // SDL sees the pad through udev's own notice, once udev has set it up.
    searching_ = true;
    searchFrom_ = nowMs;
}

Reading Pads::poll(std::uint32_t nowMs) {
    Reading reading;
    if (sdlStarted_) {
        SDL_GameControllerUpdate();
        takeEvents(reading);
        closeRemoved(reading);
        for (Pad& pad : pads_) readHeld(pad, reading);
        if (searching_ && nowMs - searchFrom_ >= kSettleMs) searching_ = false;
        if (!listening()) stopSdl();
    }
    reading.padAdded = std::exchange(added_, false);
    reading.connected = connected();
    reading.listening = listening();
    return reading;
}

void Pads::takeEvents(Reading& reading) {
    std::array<SDL_Event, 64> events;
    int count = 0;
    while ((count = SDL_PeepEvents(events.data(), events.size(), SDL_GETEVENT, kFirstPadEvent,
                                   kLastPadEvent)) > 0) {
        for (const SDL_Event& event : std::span(events.data(), count)) {
            if (event.type == SDL_CONTROLLERDEVICEADDED) openAll();
            if (event.type != SDL_CONTROLLERBUTTONDOWN) continue;
            switch (event.cbutton.button) {
                case SDL_CONTROLLER_BUTTON_START:
                    reading.startPressed = true;
                    break;
                case SDL_CONTROLLER_BUTTON_A:
                    reading.southPressed = true;
                    break;
                case SDL_CONTROLLER_BUTTON_B:
                    reading.eastPressed = true;
                    break;
                default:
                    break;
            }
        }
    }
}

void Pads::closeRemoved(Reading& reading) {
    for (auto pad = pads_.begin(); pad != pads_.end();) {
        if (SDL_GameControllerGetAttached(pad->controller)) {
            ++pad;
            continue;
        }
        SDL_GameControllerClose(pad->controller);
        pad = pads_.erase(pad);
        reading.padRemoved = true;
    }
}

void Pads::readHeld(Pad& pad, Reading& reading) {
    SDL_GameController* controller = pad.controller;
    pad.stickX =
        latched(pad.stickX, SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTX));
    pad.stickY =
        latched(pad.stickY, SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTY));
    reading.left |= held(controller, SDL_CONTROLLER_BUTTON_DPAD_LEFT) || pad.stickX < 0;
    reading.right |= held(controller, SDL_CONTROLLER_BUTTON_DPAD_RIGHT) || pad.stickX > 0;
    reading.down |= held(controller, SDL_CONTROLLER_BUTTON_DPAD_DOWN) || pad.stickY > 0;
    // Stick up is up, as on the d-pad; the north and west buttons turn too.
    reading.up |= held(controller, SDL_CONTROLLER_BUTTON_DPAD_UP) || pad.stickY < 0 ||
                  held(controller, SDL_CONTROLLER_BUTTON_Y) ||
                  held(controller, SDL_CONTROLLER_BUTTON_X);
}

}  // namespace gyrock::pad
