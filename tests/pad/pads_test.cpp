// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
// Pads driven through SDL's virtual game controllers, against what the window
// is told. Devices appear in a folder of the test's own, which the pads watch
// as they watch /dev/input.

#include "pad/pads.h"

#include <SDL.h>
#include <gtest/gtest.h>
#include <poll.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <utility>

namespace gyrock::pad {
namespace {

namespace fs = std::filesystem;

// Key capabilities as the kernel prints them: an Xbox pad's, a keyboard's
// (too short to reach the pad buttons), and two with buttons just below and
// just above the joystick and gamepad ranges.
enum Keys { kPadKeys, kKeyboardKeys, kMouseKeys, kTabletKeys };
constexpr const char* kKeys[] = {"7cdb000000000000 0 0 0 0", "ff9f207ac14057ff febeffdfffefffff",
                                 "1f0000 0 0 0 0", "1c03 0 0 0 0 0"};

// Held directions as letters, then what happened.
std::string told(const Reading& r) {
    const std::pair<bool, const char*> parts[] = {{r.left, "L"},
                                                  {r.right, "R"},
                                                  {r.up, "U"},
                                                  {r.down, "D"},
                                                  {r.startPressed, " start"},
                                                  {r.southPressed, " south"},
                                                  {r.eastPressed, " east"},
                                                  {r.padAdded, " added"},
                                                  {r.padRemoved, " removed"},
                                                  {r.connected, " connected"},
                                                  {r.listening, " listening"}};
    std::string text;
    for (auto [on, word] : parts) text += on ? word : "";
    return text;
}

// Restart: the program starts again with whatever is plugged in.
enum class Act { Wait, Appear, Plug, Unplug, Restart, Button, Tap, Stick };

struct Step {
    const char* what;
    Act act;
    int pad;    // in the order plugged in
    int input;  // a button or an axis; milliseconds to wait; the Keys of what appears
    int value;  // pressed or not; the axis's position
    const char* told;
};

class PadTable : public ::testing::Test {
  protected:
    // The test's own hold on SDL's controllers keeps its virtual pads alive
    // while the pads under test let go of SDL.
    void SetUp() override {
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER), 0) << SDL_GetError();
        fs::create_directories(root_ / "dev");
        fs::create_directories(root_ / "sys");
        pads_ = std::make_unique<Pads>(root_ / "dev", root_ / "sys");
    }
    void TearDown() override {
        pads_.reset();
        for (SDL_Joystick* joystick : joysticks_) SDL_JoystickClose(joystick);
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
        fs::remove_all(root_);
    }

    // A device node appears, and the kernel says what buttons it has.
    void deviceAppears(int keys) {
        const fs::path device = root_ / "sys" / ("input" + std::to_string(++devices_));
        fs::create_directories(device / "capabilities");
        std::ofstream(device / "capabilities" / "key") << kKeys[keys] << '\n';
        std::ofstream(root_ / "dev" / ("event" + std::to_string(devices_)));
        pollfd watch{pads_->deviceWatch(), POLLIN, 0};
        ASSERT_EQ(::poll(&watch, 1, 5000), 1) << "the device watch never woke";
        pads_->deviceFolderChanged(now_);
    }

    // udev hands the pad over a moment after its node appeared.
    void plug(int pad) {
        deviceAppears(kPadKeys);
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        joysticks_[pad] = SDL_JoystickOpen(SDL_JoystickAttachVirtualEx(&desc));
        ASSERT_NE(joysticks_[pad], nullptr) << SDL_GetError();
    }

    void unplug(int pad) {
        const SDL_JoystickID id = SDL_JoystickInstanceID(joysticks_[pad]);
        SDL_JoystickClose(std::exchange(joysticks_[pad], nullptr));
        for (int index = 0; index < SDL_NumJoysticks(); ++index) {
            if (SDL_JoystickGetDeviceInstanceID(index) == id) SDL_JoystickDetachVirtual(index);
        }
    }

    void act(const Step& step) {
        SDL_Joystick* joystick = joysticks_[step.pad];
        switch (step.act) {
            case Act::Wait:
                now_ += step.input;
                return;
            case Act::Appear:
                return deviceAppears(step.input);
            case Act::Plug:
                return plug(step.pad);
            case Act::Unplug:
                return unplug(step.pad);
            case Act::Restart:
                pads_ = std::make_unique<Pads>(root_ / "dev", root_ / "sys");
                return;
            case Act::Tap:  // pressed and let go again before the next poll
                SDL_JoystickSetVirtualButton(joystick, step.input, 1);
                SDL_JoystickUpdate();
                [[fallthrough]];
            case Act::Button:
                ASSERT_EQ(SDL_JoystickSetVirtualButton(joystick, step.input, step.value), 0);
                return;
            case Act::Stick:
                ASSERT_EQ(SDL_JoystickSetVirtualAxis(joystick, step.input, step.value), 0);
                return;
        }
    }

    const fs::path root_ = fs::path(::testing::TempDir()) / "gyrock_pads";
    std::unique_ptr<Pads> pads_;
    std::array<SDL_Joystick*, 2> joysticks_{};
    int devices_ = 0;
    std::uint32_t now_ = 0xffffff00;  // the clock wraps during the table
};

TEST_F(PadTable, PadsActAsOnePlayerAndComeAndGo) {
    constexpr int kX = SDL_CONTROLLER_AXIS_LEFTX, kY = SDL_CONTROLLER_AXIS_LEFTY;
    constexpr int kLeft = SDL_CONTROLLER_BUTTON_DPAD_LEFT,
                  kRight = SDL_CONTROLLER_BUTTON_DPAD_RIGHT;
    constexpr int kUp = SDL_CONTROLLER_BUTTON_DPAD_UP, kDown = SDL_CONTROLLER_BUTTON_DPAD_DOWN;
    constexpr int kStart = SDL_CONTROLLER_BUTTON_START, kSouth = SDL_CONTROLLER_BUTTON_A;
    constexpr int kEast = SDL_CONTROLLER_BUTTON_B, kWest = SDL_CONTROLLER_BUTTON_X;
    constexpr int kNorth = SDL_CONTROLLER_BUTTON_Y;
    const char* on = " connected listening";
    const Step steps[] = {
        {"nothing plugged in", Act::Wait, 0, 0, 0, ""},
        {"a keyboard: pads are not looked for", Act::Appear, 0, kKeyboardKeys, 0, ""},
        {"a mouse: nor here", Act::Appear, 0, kMouseKeys, 0, ""},
        {"a drawing tablet: nor here", Act::Appear, 0, kTabletKeys, 0, ""},
        {"pad buttons but no pad yet: looked for", Act::Appear, 0, kPadKeys, 0, " listening"},
        {"still looked for", Act::Wait, 0, Pads::kSettleMs - 1, 0, " listening"},
        {"none came: given up", Act::Wait, 0, 1, 0, ""},
        {"a pad plugged in", Act::Plug, 0, 0, 0, " added connected listening"},
        {"a mouse meanwhile: no pad added", Act::Appear, 0, kMouseKeys, 0, on},
        {"the program starts again", Act::Restart, 0, 0, 0, " added connected listening"},
        {"d-pad left", Act::Button, 0, kLeft, 1, "L connected listening"},
        {"and down", Act::Button, 0, kDown, 1, "LD connected listening"},
        {"left let go", Act::Button, 0, kLeft, 0, "D connected listening"},
        {"down let go", Act::Button, 0, kDown, 0, on},
        {"d-pad up turns", Act::Button, 0, kUp, 1, "U connected listening"},
        {"north turns too", Act::Button, 0, kNorth, 1, "U connected listening"},
        {"up let go, north held", Act::Button, 0, kUp, 0, "U connected listening"},
        {"north let go", Act::Button, 0, kNorth, 0, on},
        {"west turns", Act::Button, 0, kWest, 1, "U connected listening"},
        {"let go", Act::Button, 0, kWest, 0, on},
        {"stick inside the dead zone", Act::Stick, 0, kX, -9999, on},
        {"stick half way", Act::Stick, 0, kX, -16384, "L connected listening"},
        {"back to the dead zone's edge: held", Act::Stick, 0, kX, -10000, "L connected listening"},
        {"inside the dead zone", Act::Stick, 0, kX, -9999, on},
        {"out to just short of half way", Act::Stick, 0, kX, -16383, on},
        {"flicked right", Act::Stick, 0, kX, 32767, "R connected listening"},
        {"flicked near left: right let go", Act::Stick, 0, kX, -12000, on},
        {"stick down", Act::Stick, 0, kY, 20000, "D connected listening"},
        {"stick up turns", Act::Stick, 0, kY, -32768, "U connected listening"},
        {"stick centred", Act::Stick, 0, kY, 0, on},
        {"Start", Act::Button, 0, kStart, 1, " start connected listening"},
        {"Start still held: told once", Act::Wait, 0, 0, 0, on},
        {"Start let go", Act::Button, 0, kStart, 0, on},
        {"South tapped between polls", Act::Tap, 0, kSouth, 0, " south connected listening"},
        {"East tapped between polls", Act::Tap, 0, kEast, 0, " east connected listening"},
        {"a second pad", Act::Plug, 1, 0, 0, " added connected listening"},
        {"first pad holds left", Act::Button, 0, kLeft, 1, "L connected listening"},
        {"second holds left too", Act::Button, 1, kLeft, 1, "L connected listening"},
        {"second lets go: first still holds", Act::Button, 1, kLeft, 0, "L connected listening"},
        {"second holds right", Act::Button, 1, kRight, 1, "LR connected listening"},
        {"Start on the second", Act::Tap, 1, kStart, 0, "LR start connected listening"},
        {"second pulled out", Act::Unplug, 1, 0, 0, "L removed connected listening"},
        {"first pulled out holding left", Act::Unplug, 0, 0, 0, " removed listening"},
        {"the search since the last plug ends", Act::Wait, 0, Pads::kSettleMs, 0, ""},
    };
    for (const Step& step : steps) {
        act(step);
        EXPECT_EQ(told(pads_->poll(now_)), step.told) << step.what;
    }
}

TEST(PadStart, WithoutInputDevicesNothingIsWatchedNorSaid) {
    ::testing::internal::CaptureStderr();
    Pads pads("/nonexistent/dev/input", "/nonexistent/sys/class/input");
    EXPECT_EQ(pads.deviceWatch(), -1);
    EXPECT_EQ(told(pads.poll(0)), "");
    EXPECT_EQ(SDL_WasInit(SDL_INIT_JOYSTICK), 0u) << "SDL's controllers were started for nothing";
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
}

}  // namespace
}  // namespace gyrock::pad
