// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "ui/game_host.h"

#include <QWidget>
#include <algorithm>

#include "audio/audio.h"
#include "render/board_renderer.h"
#include "render/preview.h"
#include "ui/board_view.h"
#include "ui/check_value.h"
#include "ui/keyboard.h"
#include "ui/pad_input.h"
#include "ui/ui_form1.h"

namespace gyrock::ui {

GameHost::GameHost(QWidget& window, Ui::form1& form, BoardView& view, Game& game,
                   std::string musicFile, std::function<void(int)> onCharacter, GameEndings endings)
    : window_(window),
      ui_(form),
      view_(view),
      game_(game),
      musicFile_(std::move(musicFile)),
      endings_(std::move(endings)) {
    clock_.start();
    stepTimer_.setSingleShot(true);
    stepTimer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&stepTimer_, &QTimer::timeout, &window_, [this] { stepGame(); });
    // A press or release may make a tick due sooner (Down) or wake idle move
    // ticks; the game hears of it before it next steps.
    keyboard_ = new Keyboard(&window_, std::move(onCharacter), [this] {
        game_.keysChanged();
        schedule();
    });
}

GameHost::~GameHost() = default;

Tick GameHost::tickCount() { return static_cast<Tick>(clock_.elapsed()); }

// Held on the keyboard and a pad at once is held once.
bool GameHost::keyHeld(Arrow key) { return keyboard_->held(key) || (pad_ && pad_->held(key)); }

void GameHost::stepGame() {
#ifdef GYROCK_WAKE_LOG
    wakeLog_.woke();
#endif
    if (pad_) pad_->poll();
    game_.step();
    schedule();
}

void GameHost::schedule() {
    const auto due = held_ || stopped_ ? std::nullopt : game_.untilDue();
    if (!due) {
        stepTimer_.stop();
        return;
    }
#ifdef GYROCK_WAKE_LOG
    wakeLog_.sleeping(static_cast<std::int64_t>(*due));
#endif
    stepTimer_.start(static_cast<int>(std::min<Tick>(*due, 1000000)));
}

void GameHost::setHeld(bool held) {
    held_ = held;
    schedule();
}

void GameHost::stop() {
    stopped_ = true;
    stepTimer_.stop();
}

// The controls by their form names: opt_gyrock and opt_stakko the mode
// buttons, opt_mus, opt_aa and opt_color the Music, Antialias and Monochrome
// boxes, Cmdstart NEW GAME, cmdrestart RESTART, gover the GAME OVER label,
// frameng the Game Mode frame, labelp the PAUSED label, nextpic2 the preview.
bool GameHost::boardTurning() { return ui_.opt_gyrock->isChecked(); }
bool GameHost::musicOn() { return ticked(ui_.opt_mus); }
// Visible to the window, so that the answer does not depend on whether the
// window itself happens to be on screen.
bool GameHost::newGameButtonVisible() { return ui_.Cmdstart->isVisibleTo(&window_); }

void GameHost::setRestartEnabled(bool enabled) { ui_.cmdrestart->setEnabled(enabled); }
void GameHost::setGameOverShown(bool shown) { ui_.gover->setVisible(shown); }
void GameHost::setGameModeFrameShown(bool shown) { ui_.frameng->setVisible(shown); }
void GameHost::setPausedShown(bool shown) { ui_.labelp->setVisible(shown); }

void GameHost::setCounter(Counter which, std::int32_t value) {
    // The counters: Label1 the level, Label2 the score, Label4 the lines.
    switch (which) {
        case Counter::Level:
            ui_.Label1->setText(tr("Level : %1").arg(value));
            return;
        case Counter::Score:
            ui_.Label2->setText(tr("Score : %1").arg(value));
            return;
        case Counter::Lines:
            ui_.Label4->setText(tr("Lines : %1").arg(value));
            return;
    }
}

std::int32_t GameHost::openMusic() { return audio::openMusic(musicFile_); }
void GameHost::playMusicLooped(std::int32_t handle) { audio::playLooped(handle); }
void GameHost::freeMusic(std::int32_t handle) {
    audio::freeMusic(handle);
    // No music left: no sound thread either until the next stream.
    audio::releaseIdleOutput();
}

void GameHost::drawBoard() {
    // A won game's board is gone from the window, whatever the pass still does.
    if (game_.gamewon) return;
    view_.drawBoard(game_, ticked(ui_.opt_color), ticked(ui_.opt_aa));
}

void GameHost::markClearedCell(int column, int row) {
    view_.markCell(column, row, game_.angle, ticked(ui_.opt_aa));
}

void GameHost::clearWindowDrawing() { view_.clear(); }

void GameHost::drawPreview() {
    ui_.nextpic2->setGeometry(render::previewGeometry(game_.nextpiece.n));
    ui_.nextpic2->setImage(view_.preview(game_.nextpiece));
}

void GameHost::showEndGame(Victory victory) { endings_.showVictory(victory); }

void GameHost::finishGame() {
    if (musicOn()) freeMusic(game_.musicstream);
    setRestartEnabled(false);
    game_.turnBack();
}

void GameHost::turnedBack() {
    setGameOverShown(true);
    setGameModeFrameShown(true);
    endings_.afterLostGame();
}

}  // namespace gyrock::ui
