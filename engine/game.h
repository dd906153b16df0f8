// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// The one game: its state under the names the rules use, and the procedures
// that play it. The window owns exactly one Game; tests make fresh ones.

#include <cstdint>
#include <optional>

#include "board.h"
#include "host.h"
#include "random.h"

namespace gyrock {

// The typed characters that pause and resume a game.
inline bool isPauseKey(int keyascii) { return keyascii == 'P' || keyascii == 'p'; }

class Game {
  public:
    explicit Game(GameHost& host) : host_(host) {}
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // NEW GAME: resets the state and starts play; returns at once.
    void newGame();
    // Enters play, as every resume does: the three ticks start afresh, so
    // nothing moves or falls at once.
    void play();
    // Does what is due now: a pass of play, a step of the clearing effect or
    // of the turn back. The host calls it when untilDue() has run out.
    void step();
    // Milliseconds until step() next has something to do, counting only ticks
    // that can change something; nothing while the game is stopped. Ticks
    // that would find nothing to do keep their places, so a key pressed later
    // is sampled on the same ticks as if every one had run.
    std::optional<Tick> untilDue();
    // An arrow was pressed or released (the host tells at once).
    void keysChanged();
    // The pause key: the typed character, forwarded by the window.
    void keyPress(int keyascii);

    void firstPiece();
    void nextPiece();
    void rotatePiece();
    // Scans for full rows and starts their clearing effect; the rest of the
    // clearing follows once the effect's steps have run.
    void clearLines();
    void turnBoard();
    // Starts the turn back upright after a lost game: 2 degrees a step, 25 ms
    // apart, at least one step; the host hears turnedBack() at the end.
    void turnBack();
    // True while a game is being played or its effects run.
    bool running() const { return phase_ != Phase::Idle; }

    // The state. Widths follow the data they hold; all zero before the first game.
    Board board;
    PieceMatrix piece;
    PieceMatrix nextpiece;
    std::int16_t piecex{};
    std::int16_t piecey{};
    std::int16_t level{};
    std::int32_t score{};
    std::int32_t lines{};
    std::int32_t angle{};
    std::int32_t targetangle{};
    std::int32_t turncount{};
    std::int32_t falldelay{};
    Tick lastfall{};
    Tick lastmove{};
    Tick lastdraw{};
    bool keyleft = false;
    bool keyright = false;
    bool keyup = false;
    bool keydown = false;
    bool paused = false;
    bool gameover = false;
    bool gamewon = false;
    std::int32_t musicstream{};
    Random random;

  private:
    enum class Phase { Idle, Play, Clearing, TurningBack };

    bool stopped() const;
    void pass();
    void moveTick();
    void fallTick();  // returns with gameover set when the piece is blocked too high
    void lockPiece();
    void handOver();
    void renderTick();
    void draw();
    void markNextCell();
    void finishClearLines();
    void turnBackStep();
    void skipIdleTicks(Tick now);
    bool boardResting() const;
    bool pictureChanged() const;
    bool moveKeysHeld() const { return keyleft || keyright || keyup; }
    void writeCounters();
    void writeScore();
    void winGame();

    Phase phase_ = Phase::Idle;
    // The phase a clearing effect returns to: play, or none when it was
    // started on its own.
    Phase afterClearing_ = Phase::Idle;
    int fullrows_[kWellBottom - kWellTop + 1]{};
    int fullrowCount_ = 0;
    int effectStep_ = 0;
    Tick waitStart_{};
    Tick waitMs_{};
    // Whether an arrow that moves or turns was known held since the last move
    // tick: while none was, the skipped move ticks were idle.
    bool moveKeysKnownHeld_ = false;
    // What the last drawn frame showed; an unchanged frame needs no render tick.
    struct Drawn {
        Board board;
        PieceMatrix piece;
        std::int16_t x{}, y{};
        std::int32_t angle{};
        bool operator==(const Drawn&) const = default;
    };
    std::optional<Drawn> drawn_;

    GameHost& host_;
};

}  // namespace gyrock
