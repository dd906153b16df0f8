// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// The engine's one window to the outside world. Everything that is not a
// rule of play (time, keys, options, the picture, sound, the end-of-game
// sequence) goes through here, so a fake can run whole games in tests.

#include <cstdint>
#include <string>

namespace gyrock {

using Tick = std::uint32_t;  // milliseconds; differences wrap harmlessly

enum class Arrow { Left, Right, Up, Down };
enum class Counter { Level, Score, Lines };

class GameHost {
public:
    virtual ~GameHost() = default;

    // Clock and keys.
    virtual Tick tickCount() = 0;
    // True while the key is held, as far as the events processed so far tell.
    virtual bool keyHeld(Arrow key) = 0;
    // Runs every pending window event; may wait up to hintMs for the next one
    // when nothing is pending (0: do not wait at all).
    virtual void yield(Tick hintMs) = 0;
    // Set once the window is closing: every loop and wait returns at its next test.
    virtual bool closing() = 0;

    // Options, read from the controls on every use.
    virtual bool boardTurning() = 0;  // "Gyrock" mode selected
    virtual bool musicOn() = 0;
    virtual bool newGameButtonVisible() = 0;  // false exactly while a game is in progress

    // Window effects.
    virtual void setRestartEnabled(bool enabled) = 0;
    virtual void setGameOverShown(bool shown) = 0;
    virtual void setGameModeFrameShown(bool shown) = 0;
    virtual void setPausedShown(bool shown) = 0;
    virtual void setCounterText(Counter which, const std::string& text) = 0;

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

    // End of a game. showEndGame returns once the congratulation window has closed.
    virtual void showEndGame(const std::string& text) = 0;
    virtual void finishGame() = 0;
};

}  // namespace gyrock
