// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers

// The board as the window shows it: whole games played on a simulated clock,
// every frame shown the way the window shows it (only the part the renderer
// says changed is copied to a stand-in screen) and held against a full
// redraw; single frames; the upright picture the board is turned from.

#include <gtest/gtest.h>

#include <QPainter>
#include <QTransform>
#include <functional>
#include <span>
#include <vector>

#include "engine/pieces.h"
#include "render/tile_copy.h"
#include "render_fixture.h"
#include "tests/support/scripted_clock.h"

namespace gyrock::render::testing {
namespace {

struct Round {
    const char* name;
    bool turning, monochrome, antialias;
    qreal ratio;
};

// The window as far as the board goes, on a clock that jumps to the next
// thing due; scripted events change keys, options and density mid-game.
class PlayingHost : public gyrock::testing::FakeHost {
  public:
    BoardRenderer renderer{pictures()};
    Game game{*this};
    Round round{};
    QImage screen;   // learns only what the repaints tell it
    int shrink = 0;  // repaints this much short on every side: a deliberate fault
    int frames = 0, unchanged = 0, wrongFrames = 0;

    bool boardTurning() override { return round.turning; }
    void drawBoard() override {
        if (game.gamewon) return;
        renderer.composeBoard(game, round.monochrome);
        shown(renderer.showBoard(game.angle, round.antialias));
    }
    void markClearedCell(int column, int row) override {
        renderer.markCell(column, row);
        shown(renderer.showBoard(game.angle, round.antialias));
    }
    void clearWindowDrawing() override { shown(renderer.clearBoard()); }
    void finishGame() override { game.turnBack(); }

    // A move to a screen of another density repaints the whole window.
    void moveToDensity(qreal ratio) {
        renderer.setDevicePixelRatio(ratio);
        screen = renderer.square().copy();
    }

    void shown(QRect logical) {
        ++frames;
        unchanged += logical.isEmpty();
        logical.adjust(shrink, shrink, -shrink, -shrink);
        // The renderer widens what it asks for until its device edges are whole.
        const qreal r = renderer.square().devicePixelRatio();
        const QRect device(logical.topLeft() * r, logical.size() * r);
        copyArea(screen, renderer.square(), device, device.topLeft());
        wrongFrames += differingPixels(screen, renderer.fullRedraw(), screen.rect()) > 0;
    }
};

// Plays one game to its end, quickly: Down held most of the time, the other
// keys in turns, two full rows slipped in now and then so that locks clear
// lines with their effect, new turn targets drawn early, and the options,
// the density and an expose mid-game. The last game is won instead of lost.
void play(PlayingHost& host, const Round& round, bool win) {
    host.round = round;
    host.moveToDensity(round.ratio);
    using enum Arrow;
    const std::vector<Arrow> keys[] = {{Down}, {Left, Down}, {Up}, {Right, Down}, {}, {Down, Up}};
    for (int i = 0; i < 100; ++i) {
        host.after(100 + i * 300, [&host, pressed = keys[i % 6]] {
            host.held.fill(false);
            for (Arrow key : pressed) host.held[static_cast<int>(key)] = true;
        });
    }
    for (int i = 0; i < 10; ++i) {
        host.after(1200 + i * 1500, [&game = host.game, win] {
            if (game.piecey + game.piece.n >= 27) return;  // not under the falling piece
            for (int x = kWellLeft; x <= kWellRight; ++x)
                game.board(x, 28) = game.board(x, 29) = 1 + x % 7;
            if (win) game.lines = 433;
        });
        host.after(50 + i * 2000, [&host] { host.game.turncount = 1; });
    }
    for (int at : {1700, 3500}) host.after(at, [&host] { host.round.antialias ^= true; });
    host.after(2300, [&host] { host.round.monochrome ^= true; });
    host.after(2900, [&host, round] { host.moveToDensity(round.ratio == 1 ? 2 : 1); });
    host.after(4100, [&host] { host.screen = host.renderer.square().copy(); });
    host.game.newGame();
    host.run(host.game);
}

const Round kRounds[] = {
    {"turning, plain", true, false, false, 1},
    {"upright, antialiased", false, false, true, 1},
    {"turning, antialiased, monochrome, ratio 1.5", true, true, true, 1.5},
};

TEST(PartialRepaint, WholeGamesShowExactlyWhatAFullRedrawShows) {
    PlayingHost host;
    for (const Round& round : kRounds) {
        play(host, round, false);
        EXPECT_TRUE(host.game.gameover) << round.name << ": the game should end lost";
    }
    play(host, kRounds[0], true);
    EXPECT_TRUE(host.game.gamewon);
    EXPECT_GT(host.frames, 800);
    EXPECT_EQ(host.wrongFrames, 0);
    // Frames that show what is already there cost no repaint. The game asks
    // for few of them (only on ticks that might change something).
    EXPECT_GT(host.unchanged, host.frames / 40);
}

TEST(PartialRepaint, ARepaintShortOfWhatChangedIsCaught) {
    PlayingHost host;
    host.shrink = 3;
    host.stopWhen = [&host] { return host.wrongFrames >= 10; };
    play(host, kRounds[0], false);
    EXPECT_EQ(host.wrongFrames, 10);
}

// ---- single frames ----------------------------------------------------------

// Pixels of the square that differ from how it should look: the background,
// and on it the upright picture turned by degrees about the square's centre
// (none when null).
long long wrongPixels(const BoardRenderer& renderer, const QImage& upright, int degrees) {
    const qreal r = renderer.square().devicePixelRatio();
    QImage expected = renderer.background().copy(QRect(QPoint(0, 0), renderer.square().size()));
    expected.setDevicePixelRatio(1);
    const QImage turned = upright.transformed(QTransform().rotate(degrees));
    const QPoint centre(qRound(TurnedSquare::kSide / 2 * r), qRound(TurnedSquare::kSide / 2 * r));
    QPainter(&expected).drawImage(centre - QPoint(turned.width() / 2, turned.height() / 2), turned);
    return differingPixels(renderer.square(), expected, expected.rect());
}

// Frame after frame: at right angles the board lands turned pixel for pixel
// over the background (upright on x 128..351, y 48..431), whatever was shown
// before. A frame repaints only around what it changed, nothing when it
// shows what is already there; at rest a changed cell repaints its own
// square and two device pixels around it (one for the smooth edge, one for
// rounding), in whole logical pixels. At twice the density the board is
// composed from the detailed pictures on twice the pixels; taken off, the
// background shows again.
TEST_F(RenderTest, EachFrameShowsTheBoardAndRepaintsOnlyAroundWhatItChanged) {
    BoardRenderer renderer(pictures());
    PictureScaler scaler(pictures());
    bool monochrome = false;
    game.piece = makeShape(6);
    game.piecex = 8;
    game.piecey = 15;
    struct Step {
        const char* what;
        std::function<void()> change;
        std::int32_t angle;
        bool antialias;
        int maxArea;  // logical pixels
    };
    const int kAll = 480 * 480;
    const Step steps[] = {
        {"the first frame", [] {}, 30, true, kAll},
        {"the same frame again", [] {}, 30, true, 0},
        {"an equivalent angle", [] {}, 30 - 360, true, 0},
        {"the piece a column right", [&] { game.piecex = 9; }, 30, true, 90 * 90},
        {"a locked cell far below", [&] { game.board(5, 29) = 4; }, 30, true, 40 * 40},
        {"that cell in monochrome", [&] { monochrome = true; }, 30, true, 40 * 40},
        {"upright", [&] { monochrome = false; }, 0, true, kAll},
        {"a cell cleared at rest", [&] { game.board(5, 29) = 0; }, 0, true, 20 * 20},
        {"upright, plain", [] {}, 0, false, kAll},
        {"a quarter turn", [] {}, 90, false, kAll},
        {"a half turn", [] {}, 180, false, kAll},
        {"three quarters", [] {}, 270, false, kAll},
        {"twice the density", [&] { renderer.setDevicePixelRatio(2); }, 270, false, kAll},
        {"a half turn, twice the density", [] {}, 180, false, kAll},
        {"an odd angle, twice the density", [] {}, 37, false, kAll},
        {"upright, twice the density", [] {}, 0, true, kAll},
        {"a cell filled at rest, twice the density", [&] { game.board(5, 29) = 4; }, 0, true,
         18 * 18},
    };
    for (const Step& step : steps) {
        step.change();
        renderer.composeBoard(game, monochrome);
        const QRect r = renderer.showBoard(step.angle, step.antialias);
        EXPECT_LE(r.width() * r.height(), step.maxArea) << step.what;
        picture.setPictures(scaler.at(renderer.square().devicePixelRatio()));
        picture.compose(frameCells(game, monochrome));
        if (step.angle % 90 == 0) {
            EXPECT_EQ(wrongPixels(renderer, shown(picture), step.angle), 0) << step.what;
        }
    }
    EXPECT_TRUE(cell(shown(picture), 5, 29, 32) == DetailedPictures::load(pictures()).tiles[4]);
    renderer.clearBoard();
    EXPECT_EQ(wrongPixels(renderer, QImage(), 0), 0);
}

// ---- the upright picture -----------------------------------------------------

constexpr int kL = 0, kI = 2;  // shape numbers

using UprightPictureTest = RenderTest;

// Each drawn cell shows the tile of its value, in monochrome the brown one
// (walls stay grey, the falling piece keeps its colour); an empty cell shows
// the backdrop, and so does a value no tile has unless the board is brown.
// No shape has 8, but a tile does.
TEST_F(UprightPictureTest, EachCellShowsItsTileOrTheBackdrop) {
    game.piece = makeShape(kL);  // colour 1: (1,0) (1,1) (1,2) (2,2)
    game.piecex = 10;
    game.piecey = 20;
    struct Cell {
        int column, row, value;  // value put on the board
        int colour, monochrome;  // the tile shown, -1 the backdrop
    };
    const Cell cells[] = {
        {3, 7, kWall, 9, 9}, {16, 30, kWall, 9, 9}, {9, 30, kWall, 9, 9}, {5, 29, 4, 4, 0},
        {6, 29, 8, 8, 0},    {7, 29, 1, 1, 0},      {11, 20, 0, 1, 1},    {12, 22, 0, 1, 1},
        {10, 20, 0, -1, -1}, {9, 12, 0, -1, -1},    {5, 20, 12, -1, 0},   {6, 20, -3, -1, 0},
    };
    for (const Cell& c : cells) game.board(c.column, c.row) = c.value;
    for (bool monochrome : {false, true}) {
        picture.compose(frameCells(game, monochrome));
        for (const Cell& c : cells) {
            const int tile = monochrome ? c.monochrome : c.colour;
            const QImage expected =
                tile < 0 ? cell(pictures().backdrop, c.column, c.row) : pictures().tiles[tile];
            EXPECT_TRUE(cell(shown(picture), c.column, c.row) == expected)
                << c.column << "," << c.row << (monochrome ? " monochrome" : "");
        }
    }
}

// Above the top edge, beside the board or below it, a piece is cut off
// quietly; of the new pieces only the long one shows, one cell at the top.
TEST_F(UprightPictureTest, APieceOutOfSightChangesNothing) {
    game.piece = PieceMatrix{};
    const UprightPicture::Cells empty = frameCells(game, false);
    for (int shape = 0; shape < kShapeCount; ++shape) {
        game.piece = makeShape(shape);
        for (QPoint at : {QPoint(kStartX, kStartY), QPoint(-5, 40), QPoint(20, 10), QPoint(1, 6)}) {
            game.piecex = at.x();
            game.piecey = at.y();
            UprightPicture::Cells expected = empty;
            if (shape == kI && at.y() == kStartY) expected[kStartX + 1 - kLeftWall] = kI;
            EXPECT_TRUE(frameCells(game, false) == expected)
                << "shape " << shape << " at " << at.x() << "," << at.y();
        }
    }
}

// The clearing effect blends the grey disc into a cell, light at the rim
// and dark in the middle, over whatever tile is there, walls and floor
// included; no other cell changes, and cells above or beside the drawn
// board have nothing to mark.
TEST_F(UprightPictureTest, AClearedCellShowsTheGreyDiscAndNothingElseChanges) {
    game.board(4, 29) = game.board(5, 29) = 2;
    picture.compose(frameCells(game, false));
    QImage expected = shown(picture);
    // The first three drawn, the others above or beside the drawn board.
    const QPoint marks[] = {{4, 29},  {kLeftWall, 7}, {kRightWall, kFloorRow}, {4, 6}, {2, 29},
                            {17, 20}, {-40, 200}};
    for (QPoint m : marks) picture.mark(m.x(), m.y());
    for (QPoint m : std::span(marks, 3)) {
        const QImage marked = cell(shown(picture), m.x(), m.y());
        EXPECT_GT(qGray(marked.pixel(0, 8)), 150) << m.x() << "," << m.y();
        EXPECT_LT(qGray(marked.pixel(8, 8)), qGray(marked.pixel(0, 8)) - 60) << m.x();
        QPainter(&expected).drawImage((m.x() - kLeftWall) * kTileSize, (m.y() - 7) * kTileSize,
                                      marked);
    }
    EXPECT_TRUE(shown(picture) == expected);
}

}  // namespace
}  // namespace gyrock::render::testing
