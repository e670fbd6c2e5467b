#include <cassert>

#include "window/game_window.h"

namespace xantu {

Msg 終局理由(GameEnd reason) {
    assert(reason != GameEnd::None);
    switch (reason) {
    case GameEnd::None:
    case GameEnd::KingTaken: return Msg::EndKingTaken;
    case GameEnd::Mated: return Msg::EndMated;
    case GameEnd::NoMove: return Msg::EndNoMove;
    case GameEnd::Resigned: return Msg::EndResigned;
    case GameEnd::TimeUp: return Msg::EndTimeUp;
    case GameEnd::IllegalMove: return Msg::EndIllegalMove;
    case GameEnd::EngineFailed: return Msg::EndEngineFailed;
    }
    return Msg::EndKingTaken;
}

namespace {
Msg sideName(int order) { return order == kSente ? Msg::SideSente : Msg::SideGote; }
}  // namespace

std::string GameWindow::結果行() const {
    if (g.winnerSide == 0 || gameEnd == GameEnd::None) return {};
    return 文言(Msg::ResultLine, {{"winner", 文言(sideName(g.winnerSide))}, {"reason", 文言(終局理由(gameEnd))}});
}

void GameWindow::endGame(int winner, GameEnd reason, const std::string& why) {
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
        text = 文言(Msg::SideWinsOnTime, {{"winner", 文言(sideName(winner))}});
    else if (g.vsComputer == 1)
        text = 文言(winner == g.manSide ? Msg::YouWin : Msg::ComputerWins);
    else
        text = 文言(Msg::SideWins, {{"winner", 文言(sideName(winner))}});
    if (!why.empty()) text = why + "\r" + text;
    message(text, 文言(Msg::TitleEnd));
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
        message(Msg::NotInGame, Msg::TitleResign);
        return;
    }
    if (message(Msg::AskResign, Msg::TitleResign, MsgButtons::YesNo) != kMsgYes) return;
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
        if (!fromKey) message(Msg::NothingToTakeBack, Msg::TitleTakeBack);
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
