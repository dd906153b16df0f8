// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// The engine's host on the main window: the clock, the keys, the one timer
// that steps the game, the options read from the controls, the counters, the
// music and the end of a game. The board's frames go to the board view.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <functional>
#include <string>

#include "engine/game.h"

#ifdef GYROCK_WAKE_LOG
#include "diagnostics/wake_log.h"
#endif

class QWidget;

namespace Ui {
class form1;
}

namespace gyrock::ui {

class BoardView;
class Keyboard;
class PadInput;

// What the window does at the end of a game.
struct GameEndings {
    std::function<void(Victory)> showVictory;  // the congratulation window
    std::function<void()> afterLostGame;       // once GAME OVER shows
};

class GameHost : public gyrock::GameHost {
    Q_DECLARE_TR_FUNCTIONS(GameHost)  // the counters' captions

  public:
    // window shows form and view; a typed pause key goes to onCharacter.
    GameHost(QWidget& window, Ui::form1& form, BoardView& view, Game& game, std::string musicFile,
             std::function<void(int)> onCharacter, GameEndings endings);
    ~GameHost() override;

    // Sets the timer for the game's next due step; called after anything
    // that may move it (a new game, a resume, the pause key).
    void schedule();
    // While a box is up the game waits where it is, as under a modal box.
    void setHeld(bool held);
    // The window is closing: the game never steps again.
    void stop();
    // The pads hold the arrows too, and are read on every step.
    void setPad(PadInput* pad) { pad_ = pad; }

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
    void stepGame();

    QWidget& window_;
    Ui::form1& ui_;
    BoardView& view_;
    Game& game_;
    std::string musicFile_;
    GameEndings endings_;
    QElapsedTimer clock_;
    QTimer stepTimer_;
#ifdef GYROCK_WAKE_LOG
    WakeLog wakeLog_;
#endif
    Keyboard* keyboard_ = nullptr;
    PadInput* pad_ = nullptr;
    bool held_ = false;
    bool stopped_ = false;
};

}  // namespace gyrock::ui
