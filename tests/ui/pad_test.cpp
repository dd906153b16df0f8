// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
// A whole session on a pad, on SDL's virtual game controllers: what each
// press or hold does to the real window and its game. Devices appear in
// folders of the test's own, watched as the window watches /dev/input.

#include <SDL.h>

#include <QLineEdit>

#include "engine/pieces.h"
#include "halloffame/scores_window.h"
#include "window_fixture.h"

namespace gyrock::ui::testing {
namespace {

namespace fs = std::filesystem;

class PadSession : public WindowTest {
  protected:
    // The test's own hold on SDL's controllers keeps its virtual pads alive
    // while the window lets go of SDL.
    void SetUp() override {
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER), 0) << SDL_GetError();
        fs::create_directories(root_ / "dev");
        plug();  // before the program starts
        padFolders_ = {root_ / "dev", root_ / "sys"};
        WindowTest::SetUp();
    }
    // Not TearDown(): opening the window calls that.
    ~PadSession() override {
        if (pad_) unplug();
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    }

    // The kernel's node and key capabilities (an Xbox pad's), then the pad.
    void plug() {
        const fs::path device = root_ / "sys" / ("input" + std::to_string(++devices_));
        fs::create_directories(device / "capabilities");
        std::ofstream(device / "capabilities" / "key") << "7cdb000000000000 0 0 0 0\n";
        std::ofstream(root_ / "dev" / ("event" + std::to_string(devices_)));
        pad_ = SDL_JoystickOpen(SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER,
                                                          SDL_CONTROLLER_AXIS_MAX,
                                                          SDL_CONTROLLER_BUTTON_MAX, 0));
        ASSERT_NE(pad_, nullptr) << SDL_GetError();
    }
    void unplug() {
        const SDL_JoystickID id = SDL_JoystickInstanceID(pad_);
        SDL_JoystickClose(std::exchange(pad_, nullptr));
        for (int index = 0; index < SDL_NumJoysticks(); ++index)
            if (SDL_JoystickGetDeviceInstanceID(index) == id) SDL_JoystickDetachVirtual(index);
    }
    void hold(int button, bool down) { SDL_JoystickSetVirtualButton(pad_, button, down); }
    void stick(int down) { SDL_JoystickSetVirtualAxis(pad_, SDL_CONTROLLER_AXIS_LEFTY, down); }
    void tap(int button) {  // down and up again, however soon the window reads it
        hold(button, true);
        SDL_JoystickUpdate();
        hold(button, false);
    }

    TempFolder root_;
    SDL_Joystick* pad_ = nullptr;
    int devices_ = 0;
};

TEST_F(PadSession, PlaysFromNewGameToTheHallOfFameAndComesAndGoes) {
    constexpr int kStart = SDL_CONTROLLER_BUTTON_START, kSouth = SDL_CONTROLLER_BUTTON_A,
                  kEast = SDL_CONTROLLER_BUTTON_B, kNorth = SDL_CONTROLLER_BUTTON_Y,
                  kLeft = SDL_CONTROLLER_BUTTON_DPAD_LEFT;
    auto paused = [&] { return game().paused && f().labelp->isVisible(); };
    // A game under way that nothing holds.
    auto playing = [&] {
        return !game().paused && !f().labelp->isVisible() && game().running() &&
               !f().frameng->isVisible() && !frontMessageBox();
    };
    ScoresWindow& scores = w().scoresWindow();
    const PieceMatrix shapeL = makeShape(0);
    int mark = 0;
    const std::tuple<const char*, std::function<void()>, std::function<bool()>> rows[] = {
        {"South: NEW GAME", [&] { tap(kSouth); }, playing},
        {"d-pad left held: the piece moves left", [&] { mark = game().piecex, hold(kLeft, true); },
         [&] { return game().piecex < mark; }},
        {"let go, north held: the piece turns",
         [&] { hold(kLeft, false), game().piece = shapeL, hold(kNorth, true); },
         [&] { return !(game().piece == shapeL) && !w().host().keyHeld(Arrow::Left); }},
        {"let go, stick down: falls fast",
         [&] { hold(kNorth, false), mark = game().piecey, stick(32767); },
         [&] { return game().keydown && game().piecey > mark + 1; }},
        {"stick centred", [&] { stick(0); }, [&] { return !w().host().keyHeld(Arrow::Down); }},
        {"Start pauses", [&] { tap(kStart); }, paused},
        {"Start resumes", [&] { tap(kStart); }, playing},
        {"RESTART, East: No, the game goes on",
         [&] { game().score = 123, f().cmdrestart->click(), tap(kEast); },
         [&] { return game().score == 123 && playing(); }},
        {"RESTART, South: Yes, the default", [&] { f().cmdrestart->click(), tap(kSouth); },
         [&] { return frontMessageBox() && frontMessageBox()->text().startsWith("You want"); }},
        {"South: Yes, the board turns in the new game", [&] { tap(kSouth); },
         [&] { return game().score == 0 && f().opt_gyrock->isChecked() && playing(); }},
        {"the pad pulled out mid-game: paused", [&] { unplug(); }, paused},
        {"another plugged in mid-game: found", [&] { plug(); },
         [&] { return SDL_GameControllerFromInstanceID(SDL_JoystickInstanceID(pad_)); }},
        {"its Start resumes", [&] { tap(kStart); }, playing},
        {"a lost game: GAME OVER, RESTART greyed, the board upright, the hall of fame",
         [&] {
             scores.findChild<QLineEdit*>("Text1")->setText("Pad");
             game().score = 5000;
             for (int row = 6; row <= 29; ++row) game().board(9, row) = game().board(10, row) = 1;
         },
         [&] {
             return f().gover->isVisible() && !f().cmdrestart->isEnabled() && game().angle == 0 &&
                    scores.findChild<QWidget*>("Frame1")->isVisible();
         }},
        {"South: the name entry's OK keeps the name", [&] { tap(kSouth); },
         [&] { return scores.nameLabel(0)->text() == QStringLiteral("1. Pad"); }},
        {"South: the table's OK", [&] { tap(kSouth); }, [&] { return !scores.isVisible(); }},
        {"Start while the options grey NEW GAME: nothing",
         [&] { w().openOptions(), tap(kStart), w().pads().poll(); },
         [&] { return f().frameng->isVisible() && !f().Cmdstart->isEnabled(); }},
        {"options closed, Start: NEW GAME", [&] { w().closeOptions(), tap(kStart); }, playing},
    };
    for (const auto& [what, act, shows] : rows) {
        act();
        ASSERT_TRUE(waitFor(shows)) << what;
    }
}

}  // namespace
}  // namespace gyrock::ui::testing
