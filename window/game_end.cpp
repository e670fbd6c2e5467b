#include <cassert>

#include "window/game_window.h"

namespace xantu {

std::string_view 終局理由(GameEnd reason) {
    switch (reason) {
    case GameEnd::None: return "";
    case GameEnd::KingTaken: return "王を取る";
    case GameEnd::Mated: return "詰み";
    case GameEnd::NoMove: return "指し手なし";
    case GameEnd::Resigned: return "投了";
    case GameEnd::TimeUp: return "時間切れ";
    }
    return "";
}

namespace {
const char* sideName(int order) { return order == kSente ? "先手" : "後手"; }
}  // namespace

std::string GameWindow::結果行() const {
    if (g.winnerSide == 0 || gameEnd == GameEnd::None) return {};
    return std::string(sideName(g.winnerSide)) + "の勝ち（" + std::string(終局理由(gameEnd)) + "）";
}

void GameWindow::endGame(int winner, GameEnd reason) {
    assert(winner == kSente || winner == kGote);
    g.winnerSide = winner;
    gameEnd = reason;
    g.selectPhase = 0;
    plat.clock.setTimerEnabled(false);
    // A game that is over is not kept for the next start.
    保存_対局();
    screen.描画_対局結果(結果行());
    描画_手番();
    plat.canvas.refresh();
    std::string text;
    if (reason == GameEnd::TimeUp)
        text = std::string("時間切れで") + sideName(winner) + "の勝ちです";
    else if (g.vsComputer == 1)
        text = winner == g.manSide ? "あなたの勝ちです" : "ｺﾝﾋﾟｭｰﾀの勝ちです";
    else
        text = std::string(sideName(winner)) + "の勝ちです";
    message(text, "終了");
}

void GameWindow::setPosition(const Position& p) {
    pos = p;
    assert(pos.ok(SetBound::Waived));
    screen.描画_自持盤();
    screen.描画_敵持盤();
    screen.描画_盤();
    描画_手番();
    描画_学習表示(false);
}

}  // namespace xantu

namespace xantu {

void GameWindow::TOURYOU_Click() {
    hideRecordPanel(1);
    // Only a game under way can be resigned.
    if (g.sideToMove == 0 || g.winnerSide != 0 || g.recordMode == 1) {
        play(forbiddenSound);
        message("対局中ではありません", "投了");
        return;
    }
    if (message("投了しますか？", "投了", MsgButtons::YesNo) != kMsgYes) return;
    // Against the computer the human resigns; between two people, the side to move.
    const int loser = g.vsComputer == 1 ? g.manSide : g.sideToMove;
    endGame(-loser, GameEnd::Resigned);
}

// The sign of the side that made move k, 0 when none is known.
int GameWindow::moverOf(int k) const {
    const Move* m = 記録の指し手(k);
    if (m == nullptr) return 0;
    return m->side() == Side::Upper ? 1 : -1;
}

void GameWindow::takeBack(bool fromKey) {
    hideRecordPanel(1);
    // Back past the computer's replies to before the human's last move.
    int n = moves.recordLength;
    const bool inGame = g.vsComputer == 1 && g.sideToMove != 0 && g.winnerSide == 0 && g.recordMode == 0;
    if (inGame) {
        while (n > 0 && moverOf(n) > 0) --n;
        if (n > 0 && moverOf(n) < 0)
            --n;
        else
            n = -1;
    }
    if (!inGame || n < 0) {
        // A key never opens a box: it only sounds.
        play(forbiddenSound);
        if (!fromKey) message("待ったできる手がありません", "待った");
        return;
    }
    const int undone = moves.recordLength - n;
    g.selectPhase = 0;
    plat.clock.setTimerEnabled(false);
    // The Position and the clocks before the human's move; the moves after it are gone.
    Position before;
    局面復元(moves, n, before);
    const MoveListEntry& e = moves.entry(n);
    clk.manSeconds = e.manSecondsBefore;
    clk.comSeconds = e.comSecondsBefore;
    moves.recordLength = n;
    moves.lastEntry = n > 0 ? n - 1 : 0;
    g.moveNumber -= undone;
    g.sideToMove = g.manSide;
    g.paused = 0;
    screen.描画_将棋盤桝();
    screen.消去_移動結果(g.comSide);
    screen.消去_移動結果(g.manSide);
    setPosition(before);
    描画_両時計();
    screen.描画_手数(g.moveNumber, colourWhite);
    play(pieceSound);
    // The human's turn again, with the clock running from now.
    clk.turnStartTime = plat.clock.now();
    clk.shownSecond = 0;
    clk.shownLeft = -1;
    if (時計を動かす()) plat.clock.setTimerEnabled(true);
    保存_対局();
}

void GameWindow::MATTA_Click() { takeBack(false); }

}  // namespace xantu
