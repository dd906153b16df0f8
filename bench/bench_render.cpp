// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
// One frame of the board as the game loop draws it, plain and antialiased, at
// normal and at double pixel density: the whole drawing (Frame...), and a
// render tick as the window makes it, with nothing changed, the board turned
// a step, or the piece moved. The CPU column counts the whole process, so
// any helper threads are paid for too.

#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "engine/game.h"
#include "engine/pieces.h"
#include "render/board_renderer.h"
#include "render/pixels/turn.h"
#include "tests/support/null_host.h"

namespace {

using namespace gyrock;

using NoHost = NullHost;

// A game well under way: walls, the lower half of the well mostly full, a
// falling T.
void fillBoard(Game& game) {
    for (int y = 0; y <= kFloorRow; ++y)
        game.board(kLeftWall, y) = game.board(kRightWall, y) = kWall;
    for (int x = kLeftWall; x <= kRightWall; ++x) game.board(x, kFloorRow) = kWall;
    unsigned seed = 12345;
    for (int y = 17; y <= kWellBottom; ++y) {
        for (int x = kWellLeft; x <= kWellRight; ++x) {
            seed = seed * 1103515245u + 12345u;
            if ((seed >> 16) % 6 != 0) game.board(x, y) = std::int8_t(1 + (seed >> 20) % 7);
        }
    }
    game.piece = makeShape(6);
    game.piecex = 8;
    game.piecey = 11;
}

const render::Pictures& pictures() {
    static const render::Pictures loaded = render::Pictures::load();
    return loaded;
}

// The full drawing of the old way: compose, then turn the whole board into a
// transparent layer of the whole window.
void fullFrame(benchmark::State& state, bool antialias, qreal dpr, bool monochrome) {
    NoHost host;
    Game game(host);
    fillBoard(game);
    render::UprightPicture picture;
    const render::ScaledPictures scaled = render::PictureScaler(pictures()).at(dpr);
    picture.setPictures(scaled);
    const render::pixels::Turn turn{QPointF(240, 240) * dpr, 37,
                                    dpr * render::kTileSize / scaled.cell, antialias};
    QImage layer(QSize(625, 482) * dpr, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        picture.compose(render::frameCells(game, monochrome));
        layer.fill(Qt::transparent);
        render::pixels::turnInto(layer, layer.rect(), picture.framed(), turn);
        benchmark::DoNotOptimize(layer.constBits());
        benchmark::ClobberMemory();
    }
}

enum class Change { None, Angle, Piece };

// One render tick as the window makes it: compose what changed, bring the
// board square up to date, and learn what to repaint.
void tick(benchmark::State& state, Change change, bool antialias, qreal dpr) {
    NoHost host;
    Game game(host);
    fillBoard(game);
    render::BoardRenderer renderer(pictures());
    renderer.setDevicePixelRatio(dpr);
    renderer.composeBoard(game, false);
    renderer.showBoard(36, antialias);
    int step = 0;
    for (auto _ : state) {
        ++step;
        if (change == Change::Piece) game.piecex = static_cast<std::int16_t>(8 + (step & 1));
        const std::int32_t angle = change == Change::Angle ? 36 + 2 * (step & 1) : 36;
        renderer.composeBoard(game, false);
        benchmark::DoNotOptimize(renderer.showBoard(angle, antialias));
        benchmark::ClobberMemory();
    }
}

void BM_FramePlain(benchmark::State& s) { fullFrame(s, false, 1, false); }
void BM_FrameAntialiased(benchmark::State& s) { fullFrame(s, true, 1, false); }
void BM_FramePlainMonochrome(benchmark::State& s) { fullFrame(s, false, 1, true); }
void BM_FramePlainDpr2(benchmark::State& s) { fullFrame(s, false, 2, false); }
void BM_FrameAntialiasedDpr2(benchmark::State& s) { fullFrame(s, true, 2, false); }

void BM_UnchangedFrame(benchmark::State& s) { tick(s, Change::None, true, 1); }
void BM_UnchangedFrameDpr2(benchmark::State& s) { tick(s, Change::None, true, 2); }
void BM_TurnedFramePlain(benchmark::State& s) { tick(s, Change::Angle, false, 1); }
void BM_TurnedFrameAntialiased(benchmark::State& s) { tick(s, Change::Angle, true, 1); }
void BM_TurnedFramePlainDpr2(benchmark::State& s) { tick(s, Change::Angle, false, 2); }
void BM_TurnedFrameAntialiasedDpr2(benchmark::State& s) { tick(s, Change::Angle, true, 2); }
void BM_MovedPiecePlain(benchmark::State& s) { tick(s, Change::Piece, false, 1); }
void BM_MovedPieceAntialiased(benchmark::State& s) { tick(s, Change::Piece, true, 1); }
void BM_MovedPieceAntialiasedDpr2(benchmark::State& s) { tick(s, Change::Piece, true, 2); }

#define GYROCK_BENCH(name) BENCHMARK(name)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime()
GYROCK_BENCH(BM_FramePlain);
GYROCK_BENCH(BM_FrameAntialiased);
GYROCK_BENCH(BM_FramePlainMonochrome);
GYROCK_BENCH(BM_FramePlainDpr2);
GYROCK_BENCH(BM_FrameAntialiasedDpr2);
GYROCK_BENCH(BM_UnchangedFrame);
GYROCK_BENCH(BM_UnchangedFrameDpr2);
GYROCK_BENCH(BM_TurnedFramePlain);
GYROCK_BENCH(BM_TurnedFrameAntialiased);
GYROCK_BENCH(BM_TurnedFramePlainDpr2);
GYROCK_BENCH(BM_TurnedFrameAntialiasedDpr2);
GYROCK_BENCH(BM_MovedPiecePlain);
GYROCK_BENCH(BM_MovedPieceAntialiased);
GYROCK_BENCH(BM_MovedPieceAntialiasedDpr2);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
