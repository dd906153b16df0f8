// One frame of the board as the game loop draws it: compose the upright board,
// then put it on the window layer turned, plain and antialiased, at normal
// and at double pixel density. Qt's raster engine may spread a large fill over
// worker threads, so the CPU column counts the whole process, not one thread.

#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "engine/game.h"
#include "tests/support/null_host.h"
#include "engine/pieces.h"
#include "render/board_renderer.h"

namespace {

using namespace gyrock;

using NoHost = NullHost;

// A game well under way: walls, the lower half of the well mostly full, a
// falling T.
void fillBoard(Game& game) {
    for (int y = 0; y <= kFloorRow; ++y) game.board(kLeftWall, y) = game.board(kRightWall, y) = kWall;
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

void frame(benchmark::State& state, bool antialias, qreal dpr, bool monochrome) {
    static const render::Pictures pictures = render::Pictures::load();
    NoHost host;
    Game game(host);
    fillBoard(game);
    render::BoardRenderer renderer(pictures);
    QImage layer(QSize(625, 482) * dpr, QImage::Format_ARGB32_Premultiplied);
    layer.setDevicePixelRatio(dpr);
    for (auto _ : state) {
        renderer.composeBoard(game, monochrome);
        renderer.putOnWindow(layer, 37, antialias);
        benchmark::DoNotOptimize(layer.constBits());
        benchmark::ClobberMemory();
    }
}

void BM_FramePlain(benchmark::State& s) { frame(s, false, 1, false); }
void BM_FrameAntialiased(benchmark::State& s) { frame(s, true, 1, false); }
void BM_FramePlainMonochrome(benchmark::State& s) { frame(s, false, 1, true); }
void BM_FramePlainDpr2(benchmark::State& s) { frame(s, false, 2, false); }
void BM_FrameAntialiasedDpr2(benchmark::State& s) { frame(s, true, 2, false); }

BENCHMARK(BM_FramePlain)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();
BENCHMARK(BM_FrameAntialiased)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();
BENCHMARK(BM_FramePlainMonochrome)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();
BENCHMARK(BM_FramePlainDpr2)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();
BENCHMARK(BM_FrameAntialiasedDpr2)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();

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
