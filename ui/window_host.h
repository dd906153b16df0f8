// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// The engine's host on the main window: the clock, the keys, the yield, the
// options read from the controls, the board's picture, the music and the end
// of a game. The window owns one and paints what it keeps.

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

class EndGameWindow;
class Keyboard;

class WindowHost : public GameHost {
public:
    // window shows form and runs game. A typed pause key goes to onCharacter;
    // afterGame runs once a game has ended, lost or won, unless the window is
    // closing.
    WindowHost(QWidget& window, Ui::form1& form, Game& game, std::function<void(int)> onCharacter,
               std::function<void()> afterGame);
    ~WindowHost() override;

    // From here on every loop, wait and modal window returns at its next test.
    void startClosing() { closing_ = true; }
    // Paints region of the window from what the renderer keeps.
    void paint(const QRegion& region);
    // Compares every frame with a full redraw from now on (as GYROCK_CHECK_FRAMES=1 does).
    void checkFrames();
    const FrameCheck* frameCheck() const { return frameCheck_.get(); }
    // Repaints that many pixels less on every side than a frame changed: a
    // deliberately wrong repaint, for showing that the check catches one.
    void shrinkRepaintsForTesting(int pixels) { repaintShrink_ = pixels; }

    Tick tickCount() override;
    bool keyHeld(Arrow key) override;
    void yield(Tick hintMs) override;
    bool closing() override { return closing_; }
    bool boardTurning() override;
    bool musicOn() override;
    bool newGameButtonVisible() override;
    void setRestartEnabled(bool enabled) override;
    void setGameOverShown(bool shown) override;
    void setGameModeFrameShown(bool shown) override;
    void setPausedShown(bool shown) override;
    void setCounterText(Counter which, const std::string& text) override;
    std::int32_t openMusic() override;
    void playMusicLooped(std::int32_t handle) override;
    void freeMusic(std::int32_t handle) override;
    void drawBoard() override;
    void drawPreview() override;
    void markClearedCell(int column, int row) override;
    void clearWindowDrawing() override;
    void showEndGame(const std::string& text) override;
    void finishGame() override;

private:
    void matchDensity();
    void showFrame(QRect changed);
    void EndGame_Command1_Click();

    QWidget& window_;
    Ui::form1& ui_;
    Game& game_;
    std::function<void()> afterGame_;
    std::string musicPath_;
    render::Pictures pictures_;
    render::BoardRenderer renderer_;
    std::unique_ptr<FrameCheck> frameCheck_;
    int repaintShrink_ = 0;
    QElapsedTimer clock_;
    QTimer wake_;
    WakeLog wakeLog_;
    Keyboard* keyboard_ = nullptr;
    std::unique_ptr<EndGameWindow> endgame_;
    bool closing_ = false;
};

}  // namespace gyrock::ui
