#include <cmath>

#include "computer/mate_search.h"
#include "core/hand_rows.h"
#include "core/move_check.h"
#include "core/move_rules.h"
#include "window/game_window.h"

namespace xantu {

namespace {
bool onBoard(int col, int row) { return col >= 1 && col <= 9 && row >= 1 && row <= 9; }
}  // namespace

// The checks every click passes first. Returns false when the click ends here.
bool GameWindow::clickPreChecks(int& col, int& row, double X, double Y) {
    // Every click first hides the record panel.
    hideRecordPanel(2);
    // A viewed record is stepped with 進, not played: Yes keeps it, No leaves it.
    if (g.recordMode == 1) {
        if (message(Msg::StepThroughRecord, Msg::TitleRecord, MsgButtons::YesNo) == kMsgNo) {
            play(forbiddenSound);
            初期設定();
            保存_対局();
        }
        return false;
    }
    // A game that is over takes no more moves.
    if (g.winnerSide != 0) {
        message(Msg::StartNewGame, Msg::TitleOver);
        return false;
    }
    // The cell under the click.
    col = static_cast<int>(std::floor((X - boardLeft) / squareWidth));
    row = static_cast<int>(std::floor((Y - boardTop) / squareHeight));
    // No game yet.
    if (g.sideToMove == 0) {
        play(forbiddenSound);
        message(Msg::StartGameFirst, Msg::TitleStart);
        return false;
    }
    if (g.vsComputer == 0) {
        // Two people: after stepping, the clock runs again and the side to move is named.
        if (g.paused == 1) {
            g.paused = 0;
            announceHumanTurn(文言(g.sideToMove == kSente ? Msg::TurnSente : Msg::TurnGote), 文言(Msg::TitleGame),
                              false);
        }
    } else if (g.sideToMove == g.comSide) {
        // The computer is to move (after stepping back): it moves first.
        g.paused = 0;
        message(Msg::ComToMove, Msg::TitleResumeCom);
        com_ban();
        // A king captured by that move ends the game, and an exit asked for
        // during it ends the program: either way the click is not a move.
        if (g.winnerSide != 0 || exitRequested_) return false;
    } else if (g.paused == 1) {
        // MAN is to move after stepping: the clock runs again.
        g.paused = 0;
        announceHumanTurn(文言(Msg::TurnMan), 文言(Msg::TitleGame), false);
    }
    return true;
}

void GameWindow::描画_移動可能桝色(int 移動元X, int 移動元Y, int 描画色, int 移動駒) {
    screen.描画_将棋盤桝();
    if (opt.guidance != 1) return;
    for (int tx = 1; tx <= 9; ++tx)
        for (int ty = 1; ty <= 9; ++ty)
            if (移動チェック(pos, pawnFiles, 移動元X, 移動元Y, tx, ty, 移動駒) == 1) screen.描画_桝輪郭(描画色, tx, ty);
}

void GameWindow::駒移動(int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動駒) {
    // Capture (the Position change itself is done with the rest below).
    const int t = pos.board[移動先X][移動先Y];
    駒移動_局面(pos, g, 移動元X, 移動元Y, 移動先X, 移動先Y, 移動駒);
    if (t <= -kPawn) screen.描画_敵持盤();
    if (t >= kPawn) screen.描画_自持盤();
    // The origin.
    screen.描画_絵(kEmpty, 移動元X, 移動元Y);
    screen.描画_桝輪郭(outlineColour, 移動元X, 移動元Y);
    // The hand a drop came from.
    if (移動元X == kUpperHandCol) screen.描画_敵持盤();
    if (移動元X == kLowerHandCol) screen.描画_自持盤();
    // The destination.
    screen.描画_絵(移動駒, 移動先X, 移動先Y);
    screen.描画_桝輪郭(outlineColour, 移動先X, 移動先Y);
}

void GameWindow::Form_MouseDown(int Button, int Shift, double X, double Y) {
    // A click made while the computer is busy is thrown away, never kept for later.
    if (computerBusy()) return;
    if (chooser.open)
        promotionChooserClick(X, Y);
    else if (moveListMouseDown(X, Y) || studyMouseDown(X, Y))
        return;
    else
        mouseDown(Button, Shift, X, Y);
    描画_手番();
    afterEvent();
}

void GameWindow::mouseDown(int Button, int /*Shift*/, double X, double Y) {
    int col = 0, row = 0;
    if (!clickPreChecks(col, row, X, Y)) return;
    if (!onBoard(col, row))
        selectFromHand(col, row);
    else if (g.selectPhase == 0)
        selectOnBoard(col, row);
    else
        dropOn(col, row, Button);
}

// A click off the board: a hand cell that holds its kind selects that piece
// (also one of the opponent's, to show where it could go); any other cell
// only clears the highlight of a selection.
void GameWindow::selectFromHand(int col, int row) {
    if (g.selPiece >= kPawn || g.selPiece <= -kPawn) {
        描画_移動可能桝色(g.selFromX, g.selFromY, outlineColour, g.selPiece);
        screen.描画_桝輪郭(outlineColour, g.selFromX, g.selFromY);
    }
    // The piece takes its owner's sign; it is outlined in the selection
    // colour when its side is to move.
    int k = 0, code = 0;
    bool ownersTurn = false;
    if (col == kLowerHandCol && row >= lowerHandRow(1) && row <= lowerHandRow(kHandKinds)) {
        k = lowerHandKind(row);
        if (pos.ownHand[k] <= 0) return;
        code = -kHandKindCode[k];
        ownersTurn = g.sideToMove == g.manSide;
    } else if (col == kUpperHandCol && row >= upperHandRow(kHandKinds) && row <= upperHandRow(1)) {
        k = upperHandKind(row);
        if (pos.enemyHand[k] <= 0) return;
        code = kHandKindCode[k];
        ownersTurn = g.sideToMove == g.comSide;
    }
    if (k == 0) return;
    調査_2歩フラグ設定(pos, pawnFiles);
    g.selectPhase = 1;
    g.selFromX = col;
    g.selFromY = row;
    g.selPiece = code;
    screen.描画_桝輪郭(ownersTurn ? colourSelect : opt.guideColour, col, row);
    描画_移動可能桝色(g.selFromX, g.selFromY, opt.guideColour, g.selPiece);
}

// The first click on the board: selects one's own piece, or only shows
// where another piece could go.
void GameWindow::selectOnBoard(int col, int row) {
    if (pos.board[col][row] == kEmpty) return;
    g.selFromX = col;
    g.selFromY = row;
    g.selPiece = pos.board[col][row];
    描画_移動可能桝色(col, row, opt.guideColour, g.selPiece);
    if ((g.sideToMove == g.manSide && g.selPiece <= -kPawn) || (g.sideToMove == g.comSide && g.selPiece >= kPawn)) {
        screen.描画_桝輪郭(colourSelect, col, row);
        g.selectPhase = 1;
    } else {
        screen.描画_桝輪郭(opt.guideColour, col, row);
    }
}

// The second click: the destination of the selected piece. Checks the move
// and settles its promotion, then commits it.
void GameWindow::dropOn(int col, int row, int Button) {
    const bool manToMove = g.sideToMove == g.manSide;
    const bool comToMove = g.sideToMove == g.comSide;
    g.selToX = col;
    g.selToY = row;
    // A piece of the opponent's hand cannot be dropped.
    if ((manToMove && g.selFromX == kUpperHandCol) || (comToMove && g.selFromX == kLowerHandCol)) {
        描画_移動可能桝色(g.selFromX, g.selFromY, outlineColour, g.selPiece);
        screen.描画_桝輪郭(outlineColour, g.selFromX, g.selFromY);
        g.selectPhase = 0;
        return;
    }
    // One's own piece: select it instead.
    const int there = pos.board[col][row];
    if ((manToMove && there <= -kPawn) || (comToMove && there >= kPawn)) {
        screen.描画_桝輪郭(outlineColour, g.selFromX, g.selFromY);
        g.selFromX = col;
        g.selFromY = row;
        g.selPiece = there;
        描画_移動可能桝色(col, row, opt.guideColour, g.selPiece);
        screen.描画_桝輪郭(colourSelect, col, row);
        return;
    }
    // The rules.
    if (移動チェック(pos, pawnFiles, g.selFromX, g.selFromY, g.selToX, g.selToY, g.selPiece) == 0) {
        play(forbiddenSound);
        g.selectPhase = 0;
        screen.描画_将棋盤桝();
        return;
    }
    int promoted = 0;
    const bool mayPromote = 調査_駒成(g.selFromX, g.selFromY, g.selToX, g.selToY, g.selPiece, promoted) == 1;
    const bool mustPromote = 移動後チェック(g.selToY, g.selPiece) == 0;
    const bool asks = plat.menus.checked("NARI_KAKUNIN");
    if (Button == 2 || (asks && mustPromote)) {
        // The right button promotes where the rules allow; a promotion the
        // rules force is made at once while the chooser is in use.
        commitMove(mayPromote);
        return;
    }
    if (mustPromote) {
        // Without the chooser, a lance or knight that would be stranded
        // needs the right button.
        play(forbiddenSound);
        message(Msg::UseRightButton, Msg::TitlePromote);
        return;
    }
    if (mayPromote && asks) {
        openPromotionChooser(promoted);
        return;
    }
    commitMove(false);
}

// Makes the move chosen by the selection and the destination: records it,
// draws it and hands the turn over.
void GameWindow::commitMove(bool promote) {
    // Record the Position before the move, unless the time ran out before
    // the tick that would have said so.
    const double turnSeconds = refreshTurnSeconds();
    if (時計_時間切れ(g.sideToMove, turnSeconds)) {
        時間切れ(g.sideToMove);
        return;
    }
    手順保存(moves, pos, clk.manSeconds, clk.manSeconds + turnSeconds, clk.comSeconds, clk.comSeconds);
    // The move counter.
    ++g.moveNumber;
    screen.描画_手数(g.moveNumber, colourWhite);
    int promoted = 0;
    if (promote && 調査_駒成(g.selFromX, g.selFromY, g.selToX, g.selToY, g.selPiece, promoted) == 1)
        g.selPiece = promoted;
    // The game record keeps the move with the same clock values.
    const bool drop = g.selFromX == kLowerHandCol || g.selFromX == kUpperHandCol;
    記録_指し手(drop ? Move::drop(sideOf(g.selPiece), handKindOf(g.selPiece), g.selToX, g.selToY)
                     : Move::boardMove(g.selFromX, g.selFromY, g.selToX, g.selToY, g.selPiece,
                                       g.selPiece != pos.board[g.selFromX][g.selFromY]),
                MoveClock{clk.manSeconds, clk.manSeconds + turnSeconds, clk.comSeconds, clk.comSeconds});
    // The entry remembers the piece that moved.
    moves.entry(moves.recordLength).movedPiece = g.selPiece;
    // The selection and guidance outlines go.
    g.selectPhase = 0;
    screen.描画_桝輪郭(outlineColour, g.selFromX, g.selFromY);
    screen.描画_桝輪郭(outlineColour, g.selToX, g.selToY);
    描画_移動可能桝色(g.selFromX, g.selFromY, outlineColour, g.selPiece);
    // The origin the move names: a drop from the upper hand names its hand
    // kind, not the screen row that was clicked (which selFromY keeps).
    const int originY = g.selFromX == kUpperHandCol ? upperHandKind(g.selFromY) : g.selFromY;
    // The move, drawn, with its sound.
    const int captured = pos.board[g.selToX][g.selToY];
    駒移動(g.selFromX, originY, g.selToX, g.selToY, g.selPiece);
    play(pieceSound);
    ++moves.recordLength;
    // The notation beside the side that moved.
    screen.描画_移動結果(g.selPiece >= kPawn ? g.comSide : g.manSide, g.selToX, g.selToY, g.selPiece, listColour);
    // The turn passes on.
    handOverAfterHumanMove(captured);
}

void GameWindow::handOverAfterHumanMove(int captured) {
    // The turn's seconds as read when the move was saved: the total grows by
    // exactly what the move-list entry holds as the time after the move.
    const double turnSeconds = clk.turnSeconds;
    // The move shows in the list and the overlay before the reply is sought.
    描画_学習表示(false);
    描画_手番();
    if (g.vsComputer == 1) {
        plat.clock.setTimerEnabled(false);
        clk.manSeconds += turnSeconds;
        勢力調査(pos, inf);
        const bool comMated = 詰めかCOM(pos, inf) == 1;
        if (comMated || captured == kKing) {
            endGame(g.manSide, captured == kKing ? GameEnd::KingTaken : GameEnd::Mated);
            return;
        }
        g.sideToMove = g.comSide;
        描画_手番();
        保存_対局();
        com_ban();
        return;
    }
    // The time goes to the clock of the side that moved: the bottom one's
    // (manSide) or the top one's.
    if (g.sideToMove == g.manSide)
        clk.manSeconds += turnSeconds;
    else
        clk.comSeconds += turnSeconds;
    g.sideToMove = -g.sideToMove;
    clk.turnStartTime = plat.clock.now();
    // A captured king has decided the game: winnerSide is the order value of
    // the side that took it (the lower side plays as manSide, which is 後手
    // after a game against the computer was resumed by two humans).
    if (g.winnerSide != 0)
        endGame(g.winnerSide, GameEnd::KingTaken);
    else
        保存_対局();
}

}  // namespace xantu
