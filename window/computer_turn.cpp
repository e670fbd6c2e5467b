#include <cassert>

#include "computer/mate_search.h"
#include "computer/search.h"
#include "core/move_rules.h"
#include "window/game_window.h"
#include "core/hand_rows.h"

namespace xantu {

void GameWindow::待ち時間(double IN_秒) {
    // The platform waits while keeping the window painted; a wait never
    // spans more than the seconds asked, midnight or not.
    BusyScope busy(*this);
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
    // 1.
    if (g.winnerSide != 0) return;
    // From here until the turn is handed back, user input is thrown away.
    BusyScope busy(*this);
    // 2.
    clk.turnStartTime = plat.clock.now();
    if (plat.menus.checked("KEIKA")) plat.clock.setTimerEnabled(true);
    // 3-4.
    screen.消去_移動結果(g.comSide);
    screen.描画_数値(-1.5, 8.5, std::string("思考中"), colourBlack, 0, 12);
    screen.描画_数値(-1.6, 8.4, std::string("思考中"), colourWhite, 0, 12);
    screen.描画_桝輪郭(colourGreen, 1, 8);
    plat.canvas.refresh();

    // 5-10. The search; the clock keeps running through the ticks.
    const SearchResult r = comSearch(
        pos, inf, turn, g.comLevel,
        [](void* self) { static_cast<GameWindow*>(self)->Timer1_Timer(); }, this, nullptr);
    assert(pos.ok(SetBound::Waived));
    if (!r.found) {
        // Nothing can move and nothing is in hand: the human has won.
        plat.clock.setTimerEnabled(false);
        screen.消去_移動結果(g.comSide);
        g.winnerSide = g.manSide;
        g.sideToMove = g.manSide;
        message("あなたの勝ちです", "終了");
        return;
    }

    // 11. Record the Position before the move.
    const double turnSeconds = refreshTurnSeconds();
    手順保存(moves, pos, clk.manSeconds, clk.manSeconds, clk.comSeconds, clk.comSeconds + turnSeconds);
    ++g.moveNumber;
    screen.描画_手数(g.moveNumber, colourWhite);
    // 12. Blink the piece where it starts from.
    if (r.fromX == kUpperHandCol)
        描画_駒点滅(r.placed, kUpperHandCol, upperHandRow(r.fromY), 2);
    else
        描画_駒点滅(r.movedPiece, r.fromX, r.fromY, 2);
    // 13.
    駒移動(r.fromX, r.fromY, r.toX, r.toY, r.placed);
    待ち時間(0.5);
    play(pieceSound);
    ++moves.recordLength;
    plat.clock.setTimerEnabled(false);
    // 14. Announce.
    勢力調査(pos, inf);
    if (詰めかMAN(pos, inf) == 1) {
        message("よし！!", "詰め ?");
    } else if (g.winnerSide == g.comSide) {
        screen.消去_移動結果(g.comSide);
        message("ｺﾝﾋﾟｭｰﾀの勝ちです", "終了");
        g.sideToMove = g.manSide;
        return;
    } else if (inf.comInfluence[pos.manKingX][pos.manKingY] > 0) {
        message("   ** 王手 **", "");
    }
    // 15.
    screen.消去_移動結果(g.comSide);
    screen.描画_移動結果(g.comSide, r.toX, r.toY, r.placed, colourWhite);
    screen.描画_桝輪郭(colourWhite, r.toX, r.toY);
    // 16.
    clk.comSeconds += turnSeconds;
    clk.turnStartTime = plat.clock.now();
    g.sideToMove = g.manSide;
    if (plat.menus.checked("KEIKA")) plat.clock.setTimerEnabled(true);
}

}  // namespace xantu
