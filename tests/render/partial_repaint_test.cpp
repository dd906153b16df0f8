// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers

// Whole games played on a simulated clock, every frame shown the way the
// window shows it (only the part the renderer says changed is copied to a
// stand-in screen) and held against a full redraw.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <vector>

#include "engine/pieces.h"
#include "render/tile_copy.h"
#include "render_fixture.h"
#include "tests/support/scripted_clock.h"

namespace gyrock::render::testing {
namespace {

// A screen that only learns what the repaints tell it.
struct Screen {
    QImage pixels;
    int shrink = 0;  // repaints this much short on every side: a deliberate fault

    void exposeAll(const BoardRenderer& renderer) { pixels = renderer.square().copy(); }
    void repaint(const BoardRenderer& renderer, QRect logical) {
        if (logical.isEmpty()) return;
        logical.adjust(shrink, shrink, -shrink, -shrink);
        // The renderer widens what it asks for until its device edges are whole.
        const qreal r = renderer.square().devicePixelRatio();
        const QRect device(logical.topLeft() * r, logical.size() * r);
        copyArea(pixels, renderer.square(), device, device.topLeft());
    }
};

long long differing(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return static_cast<long long>(b.width()) * b.height();
    return differingPixels(a, b, a.rect());
}

// The window as far as the board goes, on a clock that jumps to the next
// thing due; scripted events change keys, options and density mid-game.
class PlayingHost : public NullHost, public gyrock::testing::ScriptedClock {
  public:
    explicit PlayingHost(const Pictures& pictures) : renderer(pictures) {
        screen.exposeAll(renderer);
    }

    Game* game = nullptr;
    BoardRenderer renderer;
    Screen screen;
    bool turning = true, monochrome = false, antialias = false;
    int frames = 0, unchanged = 0, wrongFrames = 0, finishes = 0;
    long long wrongPixels = 0;

    Tick tickCount() override { return static_cast<Tick>(now); }
    bool keyHeld(Arrow key) override { return held[static_cast<int>(key)]; }
    bool boardTurning() override { return turning; }
    // Ends the game once enough is known.
    int stopAfterWrongFrames = 0;
    bool newGameButtonVisible() override { return frameShown; }
    void setGameModeFrameShown(bool shown) override { frameShown = shown; }

    void drawBoard() override {
        if (game->gamewon) return;
        renderer.composeBoard(*game, monochrome);
        shown(renderer.showBoard(game->angle, antialias));
    }
    void markClearedCell(int column, int row) override {
        renderer.markCell(column, row);
        shown(renderer.showBoard(game->angle, antialias));
    }
    void clearWindowDrawing() override { shown(renderer.clearBoard()); }
    void finishGame() override {
        ++finishes;
        game->turnBack();
    }
    void turnedBack() override { frameShown = true; }

    // A move to a screen of another density repaints the whole window.
    void moveToDensity(qreal ratio) {
        renderer.setDevicePixelRatio(ratio);
        screen.exposeAll(renderer);
    }

  private:
    void shown(QRect repainted) {
        ++frames;
        if (repainted.isEmpty()) ++unchanged;
        screen.repaint(renderer, repainted);
        const long long wrong = differing(screen.pixels, renderer.fullRedraw());
        wrongFrames += wrong > 0;
        wrongPixels += wrong;
    }
    bool frameShown = true;
};

struct Round {
    const char* name;
    bool turning, monochrome, antialias;
    qreal ratio;
};

// Plays one game to its end, quickly: Down held most of the time, the other
// keys in turns, two full rows slipped in now and then so that locks clear
// lines with their effect, new turn targets drawn early, and the options,
// the density and an expose mid-game. The last game is won instead of lost.
void play(PlayingHost& host, Game& game, const Round& round, bool win) {
    host.turning = round.turning;
    host.monochrome = round.monochrome;
    host.antialias = round.antialias;
    host.moveToDensity(round.ratio);
    const std::uint64_t start = host.now;
    const std::vector<Arrow> keys[] = {{Arrow::Down},
                                       {Arrow::Left, Arrow::Down},
                                       {Arrow::Up},
                                       {Arrow::Right, Arrow::Down},
                                       {},
                                       {Arrow::Down, Arrow::Up}};
    for (int i = 0; i < 100; ++i) {
        host.events.emplace(start + 100 + i * 300, [&host, pressed = keys[i % 6]] {
            host.held.fill(false);
            for (Arrow key : pressed) host.held[static_cast<int>(key)] = true;
        });
    }
    for (int i = 0; i < 10; ++i) {
        host.events.emplace(start + 1200 + i * 1500, [&host, &game, win] {
            if (game.piecey + game.piece.n >= 27) return;  // not under the falling piece
            for (int x = kWellLeft; x <= kWellRight; ++x)
                game.board(x, 28) = game.board(x, 29) = 1 + x % 7;
            if (win) game.lines = 433;
        });
        host.events.emplace(start + 50 + i * 2000, [&game] { game.turncount = 1; });
    }
    host.events.emplace(start + 1700, [&host] { host.antialias = !host.antialias; });
    host.events.emplace(start + 2300, [&host] { host.monochrome = !host.monochrome; });
    host.events.emplace(start + 2900,
                        [&host, round] { host.moveToDensity(round.ratio == 1 ? 2 : 1); });
    host.events.emplace(start + 3500, [&host] { host.antialias = !host.antialias; });
    host.events.emplace(start + 4100, [&host] { host.screen.exposeAll(host.renderer); });
    game.newGame();
    host.stopWhen = [&host] {
        return host.stopAfterWrongFrames > 0 && host.wrongFrames >= host.stopAfterWrongFrames;
    };
    host.run(game);
    host.events.clear();
    host.held.fill(false);
}

const Round kRounds[] = {
    {"turning, plain", true, false, false, 1},
    {"upright, antialiased", false, false, true, 1},
    {"turning, antialiased, monochrome, ratio 1.5", true, true, true, 1.5},
};

TEST(PartialRepaint, WholeGamesShowExactlyWhatAFullRedrawShows) {
    PlayingHost host(pictures());
    Game game(host);
    host.game = &game;
    for (const Round& round : kRounds) {
        const int finishesBefore = host.finishes;
        play(host, game, round, false);
        EXPECT_EQ(host.finishes, finishesBefore + 1) << round.name << ": the game should end lost";
    }
    play(host, game, kRounds[0], true);
    EXPECT_TRUE(game.gamewon);
    // Won, the board is off the square: only the background shows.
    const QImage& square = host.renderer.square();
    EXPECT_EQ(differingPixels(square, host.renderer.background(), square.rect()), 0);

    EXPECT_GT(host.frames, 800);
    EXPECT_EQ(host.wrongFrames, 0) << host.wrongPixels << " pixels differ in all";
    // Frames that show what is already there cost no repaint. The game asks
    // for few of them (only on ticks that might change something).
    EXPECT_GT(host.unchanged, host.frames / 40);
}

TEST(PartialRepaint, ARepaintShortOfWhatChangedIsCaught) {
    PlayingHost host(pictures());
    Game game(host);
    host.game = &game;
    host.screen.shrink = 3;
    host.stopAfterWrongFrames = 10;
    play(host, game, kRounds[0], false);
    EXPECT_EQ(host.wrongFrames, 10);
}

// ---- single frames ----------------------------------------------------------

using ShowBoard = RenderTest;

TEST_F(ShowBoard, RepaintsOnlyWhatTheFrameChanged) {
    BoardRenderer renderer(pictures());
    game.piece = makeShape(6);
    game.piecex = 8;
    game.piecey = 15;
    renderer.composeBoard(game, false);
    renderer.showBoard(30, false);
    struct Step {
        const char* what;
        std::function<void()> change;
        std::int32_t angle;
        bool monochrome;
        int maxArea;  // logical pixels
    };
    const Step steps[] = {
        {"the same frame again", [] {}, 30, false, 0},
        {"an equivalent angle", [] {}, 30 - 360, false, 0},
        {"the piece a column right", [&] { game.piecex = 9; }, 30, false, 90 * 90},
        {"a locked cell far below", [&] { game.board(5, 29) = 4; }, 30, false, 40 * 40},
        {"that cell in monochrome", [] {}, 30, true, 40 * 40},
    };
    for (const Step& step : steps) {
        step.change();
        renderer.composeBoard(game, step.monochrome);
        const QRect r = renderer.showBoard(step.angle, false);
        EXPECT_LE(r.width() * r.height(), step.maxArea) << step.what;
    }
}

}  // namespace
}  // namespace gyrock::render::testing
