// The clocks of a timed game: each side's main time counts down, then its
// byoyomi; the side to move is highlighted, the last seconds are red and
// tick, and a player whose time is gone loses. The time left is worked out
// from the move list (each entry holds both totals before and after its
// move), so stepping back, stepping forward and a resumed game all show the
// clocks of the Position on the board without keeping anything else.
#include <cmath>

#include "clock/elapsed_time.h"
#include "window/game_window.h"

namespace xantu {

namespace {

constexpr int kTickFlag = 3;
constexpr const char* kTickFile = "秒読み.wav";

}  // namespace

const TimeControl& GameWindow::時計_持ち時間(int side) const {
    return side == g.manSide ? clk.control.man : clk.control.com;
}

double GameWindow::調査_残り持ち時間(int side) const {
    const TimeControl& t = 時計_持ち時間(side);
    double left = t.mainSeconds();
    const int n = moves.recordLength;
    for (int k = 0; k < n && k < static_cast<int>(moves.entries.size()); ++k) {
        // Moves alternate: move k was made by the side to move now when an
        // even number of moves lie between it and the Position shown.
        const int mover = (n - k) % 2 == 0 ? g.sideToMove : -g.sideToMove;
        if (mover != side) continue;
        // The move's time is in one of the two pairs: a human's move of a
        // game of two people is saved in the lower side's pair whoever made it.
        const MoveListEntry& e = moves.entries[static_cast<std::size_t>(k)];
        const double used = (e.manSecondsAfter - e.manSecondsBefore) + (e.comSecondsAfter - e.comSecondsBefore);
        left = 調査_着手後の持ち時間(t, left, used);
    }
    return left;
}

bool GameWindow::時計_進行中() const {
    return clk.control.timed() && g.winnerSide == 0 && g.sideToMove != 0 && g.recordMode == 0 && g.paused == 0 &&
           plat.clock.timerEnabled();
}

ClockReading GameWindow::時計_読み(int side) const {
    // A side that has lost on time keeps the turn that ran out, as long as
    // the end stands on the board: its clock shows the time gone, not what
    // it had when the turn began.
    const bool ranOut = gameEnd == GameEnd::TimeUp && side == -g.winnerSide && g.paused == 0;
    const double running = side == g.sideToMove && (時計_進行中() || ranOut) ? clk.turnSeconds : 0;
    return 調査_残り時間(時計_持ち時間(side), 調査_残り持ち時間(side), running);
}

void GameWindow::描画_時計(int side) {
    if (side != g.manSide && side != g.comSide) return;
    if (!時計_持ち時間(side).timed()) {
        const double running = side == g.sideToMove && 時計_進行中() ? clk.turnSeconds : 0;
        screen.描画_所有時間(side, (side == g.manSide ? clk.manSeconds : clk.comSeconds) + running);
        return;
    }
    const ClockReading r = 時計_読み(side);
    // Whole seconds, rounded up: "0" shows only once the time is gone.
    const double whole = std::ceil(r.shown() - 1e-9);
    const std::string text =
        r.inByoyomi ? 文言(Msg::ClockByoyomi, {{"seconds", static_cast<long>(whole)}}) : 調査_時間秒追加結果(whole);
    const bool toMove = side == g.sideToMove && g.winnerSide == 0;
    const int colour = r.warning && toMove ? colourLightRed : toMove ? colourYellow : colourWhite;
    screen.描画_残り時間(side, text, colour);
}

void GameWindow::描画_両時計() {
    描画_時計(g.comSide);
    描画_時計(g.manSide);
}

void GameWindow::時計_開始() { 時計_開始(opt.timeControls); }

void GameWindow::時計_開始(const TimeControls& control) {
    clk.control = control;
    clk.shownLeft = -1;
    if (clk.control.timed() && tickSound == 0) tickSound = Module1.soundLoad(kTickFile, kTickFlag);
}

bool GameWindow::時計を動かす() const { return plat.menus.checked("KEIKA") || clk.control.timed(); }

void GameWindow::時計_監視() {
    const int side = g.sideToMove;
    if (side != g.manSide && side != g.comSide) return;
    const ClockReading r = 時計_読み(side);
    // The computer's own turn is judged when its move comes back (its
    // search never runs past the time it has).
    if (r.timedOut && !computerBusy()) {
        時間切れ(side);
        return;
    }
    // A side without a clock in a game where the other has one counts up.
    const long shown = !時計_持ち時間(side).timed()
                           ? static_cast<long>(std::floor(clk.turnSeconds))
                           : static_cast<long>(std::ceil(r.shown() - 1e-9)) + (r.inByoyomi ? 1000000 : 0);
    if (shown == clk.shownLeft) return;
    clk.shownLeft = shown;
    描画_時計(side);
    if (r.warning && !r.timedOut) play(tickSound);
    plat.canvas.refresh();
}

bool GameWindow::時計_時間切れ(int side, double turnSeconds) const {
    return clk.control.timed() && 調査_残り時間(時計_持ち時間(side), 調査_残り持ち時間(side), turnSeconds).timedOut;
}

void GameWindow::時間切れ(int loser) {
    clk.shownLeft = -1;
    endGame(-loser, GameEnd::TimeUp);
}

void GameWindow::JIKAN_Click() {
    hideRecordPanel(1);
    TimeControls chosen = opt.timeControls;
    if (!plat.dialogs.chooseTimeControls(chosen)) return;
    opt.timeControls = {調整_持ち時間(chosen.man), 調整_持ち時間(chosen.com)};
    書込_環境設定ファイル();
}

}  // namespace xantu
