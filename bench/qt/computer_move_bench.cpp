// What a timed game charges the computer beyond its own search, in the real
// window: from the start of its turn to the start of the search (the
// "思考中" drawing, the player made, the worker started) and from the
// search's answer to the moment the clock is read for the move (the wait's
// last slice, its painting and ticks, the worker joined, the answer
// checked). The window plans LEVEL4 with kStrongClockMarginMs less than the
// clock allows to cover exactly this. Run it with QT_QPA_PLATFORM=xcb on a
// display (Xvfb) as well as offscreen, and beside a build for a loaded
// machine. The argument is the window's width: 613 (100 %) or 3840.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <algorithm>

#include "canvas_widget.h"
#include "dialog_answerer.h"
#include "main_window.h"
#include "search/level4_player.h"
#include "window/game_window.h"

namespace {

using namespace xantu;

// The search's own think time: long enough for both search threads to keep
// the cores busy as on a real turn.
constexpr int kSearchMs = 300;

void BM_ComputerMoveOverhead(benchmark::State& state) {
    QTemporaryDir folder;
    DialogAnswerer answerer;  // clicks OK on 王手 and the like
    MainWindow window{QCoreApplication::applicationDirPath()};
    GameWindow game{window.platform()};
    window.attach(game);
    game.settingsPath = folder.filePath("settings.ini").toStdString();
    window.dispatch([](GameWindow& g) { g.Form_Load(); });
    window.show();
    const int width = static_cast<int>(state.range(0));
    window.resize(QSize(width, width * 533 / 613 + window.height() - window.canvas()->height()));
    QCoreApplication::processEvents();
    game.opt.timeControls = {{TimeKind::Byoyomi, 1, 10}, {TimeKind::Byoyomi, 1, 10}};
    window.dispatch([](GameWindow& g) { g.menuCommand("LEVEL4"); });
    window.dispatch([](GameWindow& g) { g.menuCommand("SENTE"); });

    // The real strong search, timed by the window's own clock on its thread.
    search::Level4Player player(16, search::kFullStrength, kStrongThreads);
    double turnStart = 0, searchStart = 0, answer = 0;
    game.strongThink = [&](const Position& p, const std::atomic<bool>& stop) {
        turnStart = game.clk.turnStartTime;
        searchStart = game.plat.clock.now();
        Limits limits;
        limits.movetimeMs = kSearchMs;
        const Thought t = player.think(p, Side::Upper, limits, stop);
        answer = game.plat.clock.now();
        return t;
    };
    double worst = 0, worstBefore = 0, worstAfter = 0, total = 0, first = -1;
    for (auto _ : state) {
        const double before = game.clk.comSeconds;
        window.dispatch([](GameWindow& g) { g.Form_MouseDown(1, 0, cellX(7) + 200, cellY(7) + 300); });
        window.dispatch([](GameWindow& g) { g.Form_MouseDown(1, 0, cellX(7) + 200, cellY(6) + 300); });
        const double charged = 1000 * (game.clk.comSeconds - before);
        const double searched = 1000 * (answer - searchStart);
        const double overhead = charged - searched;
        const double beforeSearch = 1000 * (searchStart - turnStart);
        if (first < 0) {
            // The first turn also makes the window's own player (its table).
            first = overhead;
        } else {
            worst = std::max(worst, overhead);
            worstBefore = std::max(worstBefore, beforeSearch);
            worstAfter = std::max(worstAfter, overhead - beforeSearch);
            total += overhead;
        }
        window.dispatch([](GameWindow& g) { g.keyCommand(GameKey::TakeBack); });
    }
    state.counters["first_ms"] = first;
    state.counters["worst_ms"] = worst;
    state.counters["mean_ms"] = total / std::max<double>(1, double(state.iterations()) - 1);
    state.counters["worst_before_ms"] = worstBefore;
    state.counters["worst_after_ms"] = worstAfter;
    state.counters["canvas_w"] = window.canvas()->width();
    state.counters["canvas_h"] = window.canvas()->height();
}
BENCHMARK(BM_ComputerMoveOverhead)->Unit(benchmark::kMillisecond)->Iterations(25)->Arg(613)->Arg(3840);

}  // namespace
