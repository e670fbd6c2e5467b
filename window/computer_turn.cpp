#include <cassert>

#include "computer/mate_search.h"
#include "computer/one_ply_search.h"
#include "core/hand_rows.h"
#include "core/move_rules.h"
#include "window/game_window.h"

namespace xantu {

void GameWindow::待ち時間(double IN_秒) {
    // The platform waits while keeping the window painted; a wait never
    // spans more than the seconds asked, midnight or not.
    BusyScope busy(*this);
    // A game just started as 後手 turns the coordinates before the first move.
    同期_視点();
    if (IN_秒 > 0) plat.clock.wait(IN_秒);
}

void GameWindow::描画_駒点滅(int 入力_駒, int 入力_X, int 入力_Y, int 入力_点滅回数) {
    for (int i = 0; i < 入力_点滅回数; ++i) {
        screen.描画_絵(kEmpty, 入力_X, 入力_Y);
        screen.描画_桝輪郭(colourGreen, 入力_X, 入力_Y);
        plat.canvas.refresh();
        待ち時間(0.2);
        screen.描画_絵(入力_駒, 入力_X, 入力_Y);
        screen.描画_桝輪郭(colourGreen, 入力_X, 入力_Y);
        plat.canvas.refresh();
        待ち時間(0.2);
    }
}

void GameWindow::com_ban() {
    if (g.winnerSide != 0) return;
    // From here until the turn is handed back, user input is thrown away.
    BusyScope busy(*this);
    // The computer's clock starts.
    clk.turnStartTime = plat.clock.now();
    if (時計を動かす()) plat.clock.setTimerEnabled(true);
    // "思考中" where the computer's move will be written.
    screen.消去_移動結果(g.comSide);
    screen.描画_影付き数値(-1.6, 8.4, 文言(Msg::Thinking), colourWhite, 12);
    screen.描画_桝輪郭(colourGreen, 1, 8);
    plat.canvas.refresh();

    // The search; the clock keeps running through the ticks.
    const Thought r = computerThinks();
    assert(pos.ok(SetBound::Waived));
    // Esc or closing the window during the strong search or an engine's
    // thought: the program ends as soon as this turn is left, without making a move.
    const bool onWorker = g.opponent.isEngine() || g.opponent.isLevel(kStrongLevel);
    if (onWorker && (exitAfterBusy_ || exitRequested_)) return;
    if (r.failure != PlayerFailure::None) {
        エンジン反則(r);
        return;
    }
    if (!r.hasMove) {
        // Nothing can move and nothing is in hand: the human has won.
        plat.clock.setTimerEnabled(false);
        screen.消去_移動結果(g.comSide);
        g.sideToMove = g.manSide;
        endGame(g.manSide, GameEnd::NoMove);
        return;
    }

    // Record the Position before the move.
    const double turnSeconds = refreshTurnSeconds();
    if (時計_時間切れ(g.comSide, turnSeconds)) {
        時間切れ(g.comSide);
        return;
    }
    // The computer's time ends with its answer: showing the move is not
    // counted against it.
    if (clk.control.timed()) plat.clock.setTimerEnabled(false);
    手順保存(moves, pos, clk.manSeconds, clk.manSeconds, clk.comSeconds, clk.comSeconds + turnSeconds);
    const Move& mv = r.move;
    記録_指し手(mv, MoveClock{clk.manSeconds, clk.manSeconds, clk.comSeconds, clk.comSeconds + turnSeconds});
    ++g.moveNumber;
    screen.描画_手数(g.moveNumber, colourWhite);
    // Blink the piece where it starts from.
    if (mv.isDrop())
        描画_駒点滅(mv.placed, kUpperHandCol, upperHandRow(mv.dropKind), 2);
    else
        描画_駒点滅(pos.board[mv.fromX][mv.fromY], mv.fromX, mv.fromY, 2);
    // The move itself, its sound, and the squares shown.
    駒移動(mv.originX(), mv.originY(), mv.toX, mv.toY, mv.placed);
    待ち時間(0.5);
    play(pieceSound);
    ++moves.recordLength;
    // The clocks keep what they showed at the answer until the turn has
    // passed (the check or mate box below stands in between).
    drawTurnMark();
    plat.clock.setTimerEnabled(false);
    描画_学習表示(false);
    // Kept before any box is shown: the move stands even if the program ends there.
    {
        ResumeState after = 再開状態();
        after.game.sideToMove = g.manSide;
        after.clocks.comSeconds += turnSeconds;
        保存_対局(after);
    }
    // Announce mate, a captured king or check.
    勢力調査(pos, inf);
    if (詰めかMAN(pos, inf) == 1) {
        message(Msg::ComputerMates, Msg::TitleMate);
    } else if (g.winnerSide == g.comSide) {
        screen.消去_移動結果(g.comSide);
        g.sideToMove = g.manSide;
        endGame(g.comSide, GameEnd::KingTaken);
        return;
    } else if (inf.comInfluence[pos.manKingX][pos.manKingY] > 0) {
        message(文言(Msg::ComputerChecks), "");
    }
    // The move's notation, and its square outlined.
    screen.消去_移動結果(g.comSide);
    screen.描画_移動結果(g.comSide, mv.toX, mv.toY, mv.placed, colourWhite);
    screen.描画_桝輪郭(colourWhite, mv.toX, mv.toY);
    // The turn goes back to the human, whose clock starts.
    clk.comSeconds += turnSeconds;
    clk.turnStartTime = plat.clock.now();
    g.sideToMove = g.manSide;
    drawTimedClocks();
    if (時計を動かす()) plat.clock.setTimerEnabled(true);
    保存_対局();
}

namespace {

// What an outside engine did, in the player's words.
std::string engineFailureText(const Translator& tr, const std::string& name, const Thought& t) {
    const auto say = [&](Msg m) { return 文言(tr, m, {{"engine", name}, {"move", t.failureDetail}}); };
    switch (t.failure) {
    case PlayerFailure::None: break;
    case PlayerFailure::NoStart:
        return say(t.failureDetail.starts_with("not registered") ? Msg::EngineNotRegistered : Msg::EngineNoStart);
    case PlayerFailure::NoHandshake: return say(Msg::EngineNoHandshake);
    case PlayerFailure::Timeout: return say(Msg::EngineTimeout);
    case PlayerFailure::Crashed: return say(Msg::EngineCrashed);
    case PlayerFailure::LineTooLong: return say(Msg::EngineLineTooLong);
    case PlayerFailure::IllegalMove: return say(Msg::EngineIllegalMove);
    case PlayerFailure::Resigned: return say(Msg::EngineResigned);
    }
    return say(Msg::EngineNoAnswer);
}

}  // namespace

void GameWindow::エンジン反則(const Thought& failed) {
    // The engine's turn ends here: its clock stops with what it used.
    plat.clock.setTimerEnabled(false);
    const double turnSeconds = refreshTurnSeconds();
    screen.消去_移動結果(g.comSide);
    // Out of time meanwhile: that is how the game ends.
    if (時計_時間切れ(g.comSide, turnSeconds)) {
        時間切れ(g.comSide);
        return;
    }
    const GameEnd reason = failed.failure == PlayerFailure::Resigned      ? GameEnd::Resigned
                           : failed.failure == PlayerFailure::IllegalMove ? GameEnd::IllegalMove
                                                                          : GameEnd::EngineFailed;
    endGame(g.manSide, reason, engineFailureText(plat.translator, g.opponent.engine, failed));
}

}  // namespace xantu
