// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// The engine's one window to the outside world. Everything that is not a
// rule of play (time, keys, options, the picture, sound, the end-of-game
// sequence) goes through here, so a fake can run whole games in tests.
// Nothing here waits: the host calls Game::step() when Game::untilDue() says.

#include <cstdint>

namespace gyrock {

using Tick = std::uint32_t;  // milliseconds; differences wrap harmlessly

enum class Arrow { Left, Right, Up, Down };
enum class Counter { Level, Score, Lines };
// Which congratulation a won game earns: the turning board's comes with a bonus.
enum class Victory { Turning, Upright };

class GameHost {
  public:
    virtual ~GameHost() = default;

    // Clock and keys.
    virtual Tick tickCount() = 0;
    // True while the key is held, as far as the events handled so far tell.
    virtual bool keyHeld(Arrow key) = 0;

    // Options, read from the controls on every use.
    virtual bool boardTurning() = 0;  // "Gyrock" mode selected
    virtual bool musicOn() = 0;
    virtual bool newGameButtonVisible() = 0;  // false exactly while a game is in progress

    // Window effects.
    virtual void setRestartEnabled(bool enabled) = 0;
    virtual void setGameOverShown(bool shown) = 0;
    virtual void setGameModeFrameShown(bool shown) = 0;
    virtual void setPausedShown(bool shown) = 0;
    virtual void setCounter(Counter which, std::int32_t value) = 0;

    // Music: a handle of 0 is a failed open; freeing or playing it is harmless.
    virtual std::int32_t openMusic() = 0;
    virtual void playMusicLooped(std::int32_t handle) = 0;
    virtual void freeMusic(std::int32_t handle) = 0;

    // The picture.
    virtual void drawBoard() = 0;
    virtual void drawPreview() = 0;
    // One step of the row-clearing effect: mark cell (column, row) in the board
    // picture and put the picture on the window again at the current angle.
    virtual void markClearedCell(int column, int row) = 0;
    virtual void clearWindowDrawing() = 0;

    // End of a game. Both return at once; the window goes on from there.
    virtual void showEndGame(Victory victory) = 0;
    // A piece came to rest too high: the window's end of a lost game begins
    // (it starts the turn back with Game::turnBack()).
    virtual void finishGame() = 0;
    // The turn back has brought the board upright.
    virtual void turnedBack() = 0;
};

}  // namespace gyrock
