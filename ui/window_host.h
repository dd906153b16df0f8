// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// The engine's host on the main window: the clock, the keys, the one timer
// that steps the game, the options read from the controls, the board's
// picture, the music and the end of a game. The window owns one and paints
// what it keeps.

#include <QElapsedTimer>
#include <QImage>
#include <QRegion>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "engine/game.h"
#include "render/board_renderer.h"
#include "ui/frame_check.h"
#include "ui/wake_log.h"

class QWidget;

namespace Ui {
class form1;
}

namespace gyrock::ui {

class Keyboard;

// What the window does at the end of a game.
struct GameEndings {
    std::function<void(Victory)> showVictory;  // the congratulation window
    std::function<void()> afterLostGame;       // once GAME OVER shows
};

class WindowHost : public GameHost {
public:
    // window shows form and runs game. A typed pause key goes to onCharacter.
    WindowHost(QWidget& window, Ui::form1& form, Game& game, std::function<void(int)> onCharacter,
               GameEndings endings);
    ~WindowHost() override;

    // Sets the timer for the game's next due step; called after anything
    // that may move it (a new game, a resume, the pause key).
    void schedule();
    // While a box is up the game waits where it is, as under a modal box.
    void setHeld(bool held);
    // The window is closing: the game never steps again.
    void stop();
    // Paints region of the window from what the renderer keeps.
    void paint(const QRegion& region);
    // The board as the window shows it, over a transparent client area.
    QImage drawingLayer() const;
    // Compares every frame with a full redraw from now on (as GYROCK_CHECK_FRAMES=1 does).
    void checkFrames();
    const FrameCheck* frameCheck() const { return frameCheck_.get(); }
    // Repaints that many pixels less on every side than a frame changed: a
    // deliberately wrong repaint, for showing that the check catches one.
    void shrinkRepaintsForTesting(int pixels) { repaintShrink_ = pixels; }

    Tick tickCount() override;
    bool keyHeld(Arrow key) override;
    bool boardTurning() override;
    bool musicOn() override;
    bool newGameButtonVisible() override;
    void setRestartEnabled(bool enabled) override;
    void setGameOverShown(bool shown) override;
    void setGameModeFrameShown(bool shown) override;
    void setPausedShown(bool shown) override;
    void setCounter(Counter which, std::int32_t value) override;
    std::int32_t openMusic() override;
    void playMusicLooped(std::int32_t handle) override;
    void freeMusic(std::int32_t handle) override;
    void drawBoard() override;
    void drawPreview() override;
    void markClearedCell(int column, int row) override;
    void clearWindowDrawing() override;
    void showEndGame(Victory victory) override;
    void finishGame() override;
    void turnedBack() override;

private:
    void matchDensity();
    void showFrame(QRect changed);
    void stepGame();

    QWidget& window_;
    Ui::form1& ui_;
    Game& game_;
    GameEndings endings_;
    std::string musicPath_;
    render::Pictures pictures_;
    render::BoardRenderer renderer_;
    std::unique_ptr<FrameCheck> frameCheck_;
    int repaintShrink_ = 0;
    QElapsedTimer clock_;
    QTimer stepTimer_;
    WakeLog wakeLog_;
    Keyboard* keyboard_ = nullptr;
    bool held_ = false;
    bool stopped_ = false;
};

}  // namespace gyrock::ui
