// The window made again whole at a new size: every drawing call kept, the
// pictures and text at that scale, the theme's tiles around the area. Run
// with QT_QPA_PLATFORM=offscreen where there is no display.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <fstream>
#include <string>

#include "app_setup.h"
#include "canvas_widget.h"
#include "dialog_answerer.h"
#include "main_window.h"
#include "window/game_window.h"

namespace {

using namespace xantu;

// The program's window after a few moves of a two-player game, so that the
// board, both hands, the notation and the clocks all have something drawn.
struct Game {
    DialogAnswerer answerer;  // clicks OK on the game's message boxes
    MainWindow window{QCoreApplication::applicationDirPath()};
    GameWindow game{window.platform()};
    Game() {
        window.attach(game);
        window.dispatch([](GameWindow& g) { g.Form_Load(); });
        game.menuCommand("START");
        const int moves[][4] = {{3, 7, 3, 3}, {7, 3, 7, 7}, {8, 8, 2, 2}};  // cells: from, to
        for (const auto& m : moves) {
            game.Form_MouseDown(1, 0, cellX(m[0]) + 200, cellY(m[1]) + 300);
            game.Form_MouseDown(1, 0, cellX(m[2]) + 200, cellY(m[3]) + 300);
        }
    }
};

void repaintAt(benchmark::State& state, QSize size) {
    Game g;
    CanvasWidget& canvas = *g.window.canvas();
    canvas.setMinimumSize(1, 1);
    canvas.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    canvas.resize(size);
    canvas.redrawAll();
    for (auto _ : state) {
        canvas.redrawAll();
        benchmark::DoNotOptimize(canvas.image().constBits());
    }
    state.counters["drawCalls"] = double(canvas.drawCallsKept());
}

void BM_FullRepaint_613x533(benchmark::State& state) { repaintAt(state, QSize(613, 533)); }
void BM_FullRepaint_3840x2160(benchmark::State& state) { repaintAt(state, QSize(3840, 2160)); }
// For comparison: one plain copy of a whole 3840 × 2160 image on this machine.
void BM_ImageCopy_3840x2160(benchmark::State& state) {
    QImage from(3840, 2160, QImage::Format_RGB32), to(3840, 2160, QImage::Format_RGB32);
    from.fill(Qt::darkGreen);
    for (auto _ : state) {
        QPainter p(&to);
        p.drawImage(0, 0, from);
        p.end();
        benchmark::DoNotOptimize(to.constBits());
    }
}
// One step of the move list (a key) and the tick that shows it, while 棋譜解析
// keeps both cores busy with an 80-move game: the time the window takes to
// answer input then (argument 1; 0: the same without the analysis). "worst_ms"
// is the slowest answer seen.
void BM_StepWhileAnalysing(benchmark::State& state) {
    Game g;
    std::ifstream in(std::string(XANTU_SOURCE_DIR) + "/tests/data/long_game.kif", std::ios::binary);
    const std::string kif((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    g.window.platform().clipboard.setText(kif);
    g.game.menuCommand("PASTE");
    g.game.menuCommand("KIFU_LIST");
    if (state.range(0) != 0) g.game.menuCommand("KAISEKI_START");
    double worst = 0;
    int step = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        g.window.dispatch([&](GameWindow& w) { w.keyCommand(step++ % 20 < 10 ? GameKey::Forward : GameKey::Back); });
        g.window.dispatch([](GameWindow& w) { w.studyTick(); });
        g.window.canvas()->repaint();
        worst = std::max(worst,
                         std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    state.counters["worst_ms"] = worst;
    state.counters["analysed"] = double(g.game.analysed.size());
}
BENCHMARK(BM_StepWhileAnalysing)->Unit(benchmark::kMillisecond)->Iterations(300)->Arg(0)->Arg(1);
BENCHMARK(BM_ImageCopy_3840x2160)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullRepaint_613x533)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullRepaint_3840x2160)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) qputenv("SDL_AUDIODRIVER", "dummy");
    QApplication app(argc, argv);
    xantu::setUpApplication(app);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
