// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
// Pads driven through SDL's virtual game controllers, against what the window
// is told. Devices appear in a folder of the test's own, which the pads watch
// as they watch /dev/input.

#include "pad/pads.h"

#include <SDL.h>
#include <gtest/gtest.h>
#include <poll.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <tuple>

#include "tests/support/temp_folder.h"

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
    return std::string(r.left ? "L" : "") + (r.right ? "R" : "") + (r.up ? "U" : "") +
           (r.down ? "D" : "") + (r.startPressed ? " start" : "") +
           (r.southPressed ? " south" : "") + (r.eastPressed ? " east" : "") +
           (r.padAdded ? " added" : "") + (r.padRemoved ? " removed" : "") +
           (r.connected ? " connected" : "") + (r.listening ? " listening" : "");
}

// Restart: the program starts again with whatever is plugged in. Plug: a pad's
// node appears, and udev hands the pad over a moment later.
enum Act { Wait, Appear, Plug, Unplug, Restart, Button, Tap, Stick };

class PadTable : public ::testing::Test {
  protected:
    // The test's own hold on SDL's controllers keeps its virtual pads alive
    // while the pads under test let go of SDL. The root stands for both
    // /dev/input (its dev folder) and /sys/class/input (its inputN folders).
    void SetUp() override {
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER), 0) << SDL_GetError();
        fs::create_directories(root_ / "dev");
        act(Restart, 0, 0, 0);
    }
    void TearDown() override {
        pads_.reset();
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);  // closes and detaches the test's pads too
    }

    // pad: in the order plugged in. input: a button or an axis; milliseconds to
    // wait; the Keys of what appears. value: pressed or not; the axis's position.
    void act(Act act, int pad, int input, int value) {
        SDL_Joystick*& joystick = joysticks_[pad];
        switch (act) {
            case Wait:
                now_ += input;
                return;
            case Restart:
                pads_ = std::make_unique<Pads>(root_ / "dev", root_);
                return;
            case Unplug:  // last in, first out, so a pad's number is its place in SDL's list
                SDL_JoystickClose(joystick);
                ASSERT_EQ(SDL_JoystickDetachVirtual(pad), 0) << SDL_GetError();
                return;
            case Tap:  // pressed and let go again before the next poll
                SDL_JoystickSetVirtualButton(joystick, input, 1);
                SDL_JoystickUpdate();
                [[fallthrough]];
            case Button:
                ASSERT_EQ(SDL_JoystickSetVirtualButton(joystick, input, value), 0);
                return;
            case Stick:
                ASSERT_EQ(SDL_JoystickSetVirtualAxis(joystick, input, value), 0);
                return;
            default:  // a device node appears, and the kernel says what buttons it has
                break;
        }
        const fs::path device = root_ / ("input" + std::to_string(++devices_));
        fs::create_directories(device / "capabilities");
        std::ofstream(device / "capabilities" / "key") << kKeys[act == Plug ? kPadKeys : input];
        std::ofstream(root_ / "dev" / ("event" + std::to_string(devices_)));
        pollfd watch{pads_->deviceWatch(), POLLIN, 0};
        ASSERT_EQ(::poll(&watch, 1, 5000), 1) << "the device watch never woke";
        pads_->deviceFolderChanged(now_);
        if (act == Appear) return;
        joystick = SDL_JoystickOpen(SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER,
                                                              SDL_CONTROLLER_AXIS_MAX,
                                                              SDL_CONTROLLER_BUTTON_MAX, 0));
        ASSERT_NE(joystick, nullptr) << SDL_GetError();
    }

    const TempFolder folder_;  // its own, so copies of the test running at once never meet
    const fs::path root_ = folder_.path();
    std::unique_ptr<Pads> pads_;
    SDL_Joystick* joysticks_[2] = {};
    int devices_ = 0;
    std::uint32_t now_ = 0xffffff00;  // the clock wraps during the table
};

TEST_F(PadTable, PadsActAsOnePlayerAndComeAndGo) {
    constexpr int kX = SDL_CONTROLLER_AXIS_LEFTX, kY = SDL_CONTROLLER_AXIS_LEFTY;
    const std::string on = " connected listening";
    // What happens, to which pad, with what input and value, and what the window is told.
    const std::tuple<const char*, Act, int, int, int, std::string> steps[] = {
        {"a keyboard: pads are not looked for", Appear, 0, kKeyboardKeys, 0, ""},
        {"a mouse: nor here", Appear, 0, kMouseKeys, 0, ""},
        {"a drawing tablet: nor here", Appear, 0, kTabletKeys, 0, ""},
        {"pad buttons but no pad yet: looked for", Appear, 0, kPadKeys, 0, " listening"},
        {"still looked for", Wait, 0, Pads::kSettleMs - 1, 0, " listening"},
        {"none came: given up", Wait, 0, 1, 0, ""},
        {"a pad plugged in", Plug, 0, 0, 0, " added" + on},
        {"a mouse meanwhile: no pad added", Appear, 0, kMouseKeys, 0, on},
        {"the program starts again", Restart, 0, 0, 0, " added" + on},
        {"d-pad up turns", Button, 0, SDL_CONTROLLER_BUTTON_DPAD_UP, 1, "U" + on},
        {"let go", Button, 0, SDL_CONTROLLER_BUTTON_DPAD_UP, 0, on},
        {"stick half way", Stick, 0, kX, -16384, "L" + on},
        {"back to the dead zone's edge: held", Stick, 0, kX, -10000, "L" + on},
        {"inside the dead zone", Stick, 0, kX, -9999, on},
        {"out to just short of half way", Stick, 0, kX, -16383, on},
        {"flicked right", Stick, 0, kX, 32767, "R" + on},
        {"flicked near left: right let go", Stick, 0, kX, -12000, on},
        {"stick down", Stick, 0, kY, 20000, "D" + on},
        {"stick up turns", Stick, 0, kY, -32768, "U" + on},
        {"stick centred", Stick, 0, kY, 0, on},
        {"Start, held from now on", Button, 0, SDL_CONTROLLER_BUTTON_START, 1, " start" + on},
        {"South tapped; Start told once", Tap, 0, SDL_CONTROLLER_BUTTON_A, 0, " south" + on},
        {"a second pad", Plug, 1, 0, 0, " added" + on},
        {"first pad holds left", Button, 0, SDL_CONTROLLER_BUTTON_DPAD_LEFT, 1, "L" + on},
        {"second holds right", Button, 1, SDL_CONTROLLER_BUTTON_DPAD_RIGHT, 1, "LR" + on},
        {"and the d-pad's down", Button, 1, SDL_CONTROLLER_BUTTON_DPAD_DOWN, 1, "LRD" + on},
        {"and north, which turns", Button, 1, SDL_CONTROLLER_BUTTON_Y, 1, "LRUD" + on},
        {"East tapped on the second", Tap, 1, SDL_CONTROLLER_BUTTON_B, 0, "LRUD east" + on},
        {"second pulled out holding them", Unplug, 1, 0, 0, "L removed" + on},
        {"first holds west, which turns", Button, 0, SDL_CONTROLLER_BUTTON_X, 1, "LU" + on},
        {"first pulled out holding them", Unplug, 0, 0, 0, " removed listening"},
        {"the search since the last plug ends", Wait, 0, Pads::kSettleMs, 0, ""},
    };
    for (const auto& [what, action, pad, input, value, said] : steps) {
        act(action, pad, input, value);
        EXPECT_EQ(told(pads_->poll(now_)), said) << what;
    }
}

TEST(PadStart, WithoutInputDevicesNothingIsWatchedNorSaid) {
    ::testing::internal::CaptureStderr();
    Pads pads("/nonexistent/dev/input", "/nonexistent/sys/class/input");
    EXPECT_EQ(pads.deviceWatch(), -1);
    EXPECT_EQ(SDL_WasInit(SDL_INIT_JOYSTICK), 0u) << "SDL's controllers were started for nothing";
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
}

}  // namespace
}  // namespace gyrock::pad
