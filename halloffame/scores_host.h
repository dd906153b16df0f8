#pragma once
// What the hall-of-fame window needs from the main window. The window never
// reaches into the main window's controls itself; the main window implements
// this and hands it over.

#include <cstdint>

namespace gyrock {

struct ScoresHost {
    virtual ~ScoresHost() = default;
    // Enables or disables the "Game Mode" frame (NEW GAME and the two modes).
    virtual void setGameModeFrameEnabled(bool) = 0;
    // NEW GAME is showing exactly while no game is in progress.
    virtual bool newGameButtonVisible() = 0;
    // The "Remain paused when submenus close" check box is ticked.
    virtual bool remainPaused() = 0;
    // The score of the game that has just ended.
    virtual std::int32_t currentScore() = 0;
    // Clears paused, hides labelp, enters the game loop.
    virtual void resumeGame() = 0;
    // The window saves at once, so a crash never loses a new entry.
    virtual void hallOfFameChanged() = 0;
};

}  // namespace gyrock
