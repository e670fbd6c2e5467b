#include <cassert>

#include "window/game_window.h"

namespace xantu {

void GameWindow::調査_移動結果(int IN_CNT, int& O_移動先X, int& O_移動先Y, int& O_移動駒種類) const {
    if (IN_CNT < 1 || IN_CNT >= static_cast<int>(moves.entries.size())) return;
    const MoveListEntry& before = moves.entries[static_cast<std::size_t>(IN_CNT - 1)];
    const MoveListEntry& after = moves.entries[static_cast<std::size_t>(IN_CNT)];
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (after.board[x][y] != before.board[x][y] && after.board[x][y] != kEmpty) {
                O_移動先X = x;
                O_移動先Y = y;
                O_移動駒種類 = after.board[x][y];
                return;
            }
}

int GameWindow::調査_持駒数(int IN_手番) const {
    const int* hand = IN_手番 == g.manSide ? pos.ownHand : (IN_手番 == g.comSide ? pos.enemyHand : nullptr);
    if (hand == nullptr) return 0;
    int total = 0;
    for (int k = 1; k <= kHandKinds; ++k)
        if (hand[k] > 0) total += hand[k];
    return total;
}

// Shows the clocks, the hands and the board of a Position restored from the list.
void GameWindow::showRestoredPosition() {
    描画_両時計();
    screen.描画_自持盤();
    screen.描画_敵持盤();
    screen.描画_盤();
}

void GameWindow::REPLAY_Click() {
    hideRecordPanel(1);
    // Stepping pauses the clock.
    g.paused = 1;
    // Nothing to take back at the start of the list.
    const int n = moves.recordLength;
    if (n < 1) {
        play(forbiddenSound);
        message(Msg::CannotStep, Msg::TitleBack);
        return;
    }
    // Stepping back from the live end of the game: keep the Position after
    // the last move as entry n, so that 進 can return to it.
    const bool fromLiveEnd = n == moves.lastEntry + 1 && g.recordMode == 0;
    if (fromLiveEnd) {
        const double manNow = clk.manSeconds, comNow = clk.comSeconds;
        手順保存(moves, pos, manNow, manNow, comNow, comNow);
    }
    // Drop any selection, stop the clock, clear guidance and the computer's notation.
    g.selectPhase = 0;
    plat.clock.setTimerEnabled(false);
    screen.描画_将棋盤桝();
    screen.消去_移動結果(g.comSide);
    // The Position before move n.
    局面復元(moves, n - 1, pos);
    assert(pos.ok(SetBound::Waived));
    // Its clocks, then the screen.
    const MoveListEntry& e = moves.entry(n - 1);
    clk.comSeconds = e.comSecondsBefore;
    clk.manSeconds = e.manSecondsBefore;
    showRestoredPosition();
    // Entry n is always written here (see above), so its piece tells
    // which side made move n.
    int x = 0, y = 0, piece = 0;
    調査_移動結果(n, x, y, piece);
    play(pieceSound);
    screen.消去_移動結果(piece > 0 ? g.comSide : g.manSide);
    // One move fewer, and the other side to move.
    moves.recordLength = n - 1;
    --g.moveNumber;
    g.sideToMove = -g.sideToMove;
    screen.描画_手数(g.moveNumber, colourWhite);
    保存_対局();
}

void GameWindow::AFTER_Click() {
    hideRecordPanel(1);
    // Only in a game or a viewed record.
    if (g.sideToMove == 0) {
        play(forbiddenSound);
        message(Msg::StartGameFirst, Msg::TitleStart);
        return;
    }
    // Stepping pauses the clock.
    g.paused = 1;
    // Nothing beyond the last move saved.
    if (moves.recordLength >= moves.lastEntry) {
        if (g.recordMode == 1) {
            message(Msg::RecordEnds, Msg::TitleForward);
        } else {
            play(forbiddenSound);
            message(Msg::CannotStep, Msg::TitleForward);
        }
        return;
    }
    // Clear the computer's notation, any selection and guidance; stop the clock.
    screen.消去_移動結果(g.comSide);
    g.selectPhase = 0;
    plat.clock.setTimerEnabled(false);
    screen.描画_将棋盤桝();
    // One move more.
    const int n = ++moves.recordLength;
    ++g.moveNumber;
    screen.描画_手数(g.moveNumber, colourWhite);
    // The Position after move n.
    局面復元(moves, n, pos);
    assert(pos.ok(SetBound::Waived));
    // The totals that belong to the Position shown: entry n holds it
    // with the totals it was reached with (its "after" totals are those of
    // the next move, which is not shown).
    const MoveListEntry& e = moves.entry(n);
    clk.comSeconds = e.comSecondsBefore;
    clk.manSeconds = e.manSecondsBefore;
    showRestoredPosition();
    // The notation of move n beside the side that made it.
    int x = 0, y = 0, piece = 0;
    調査_移動結果(n, x, y, piece);
    play(pieceSound);
    screen.描画_移動結果(piece > 0 ? g.comSide : g.manSide, x, y, piece, colourWhite);
    // The other side to move.
    g.sideToMove = -g.sideToMove;
    screen.描画_手数(g.moveNumber, colourWhite);
    保存_対局();
}

void GameWindow::CANCEL_Click() {
    if (!askToAbandon(true)) return;
    初期設定();
    play(pieceSound);
    保存_対局();
}

void GameWindow::REVERSE_Click() {
    // Refused while a record is viewed.
    if (g.recordMode == 1) {
        play(forbiddenSound);
        message(Msg::RefusedInRecordMode, Msg::TitleReverse);
        return;
    }
    // Turning the board gives up the move list: asked first when there is one.
    if ((moves.recordLength > 0 || moves.lastEntry > 0) &&
        message(Msg::AskReverse, Msg::TitleReverse, MsgButtons::YesNo) != kMsgYes)
        return;
    g.flipped = 1;
    g.selectPhase = 0;
    // Turn the Position about.
    pos = turnedAbout(pos);
    assert(pos.ok(SetBound::Waived));
    // The notations describe moves of the unturned board: they go. Then
    // the whole screen again, with the move counter.
    screen.forgetNotations();
    画面_再描画();
    screen.描画_手数(g.moveNumber, colourWhite);
    // A handicap now belongs to the other side.
    if (g.handicapSet == 1) {
        g.handicapLevel = -g.handicapLevel;
        screen.描画_ハンデレベル(g.handicapLevel);
    }
    // The sides swap and the move list starts afresh.
    play(pieceSound);
    g.sideToMove = -g.sideToMove;
    moves.recordLength = 0;
    moves.lastEntry = 0;
    保存_対局();
}

}  // namespace xantu
