#include <algorithm>

#include "core/handicap.h"
#include "window/game_window.h"

namespace xantu {

void GameWindow::announceHumanTurn(const std::string& text, const std::string& title, bool timerAlways) {
    // The human's time starts when the box is closed, not while it is read.
    plat.clock.setTimerEnabled(false);
    message(text, title);
    clk.turnStartTime = plat.clock.now();
    if (timerAlways || 時計を動かす()) plat.clock.setTimerEnabled(true);
}

void GameWindow::START_Click() {
    // A game under way is given up for a new one only when the player agrees.
    if (gameUnderWay() && g.moveNumber > 0) {
        if (!askToAbandon(false)) return;
        初期設定();
    }
    if (g.winnerSide != 0) {
        初期設定();
        plat.canvas.refresh();
    }
    const bool isNew = g.moveNumber == 0 || g.sideToMove == 0;
    // Clear what a viewed record left below the board, the level label and any guidance.
    描画_棋譜読込み部分消去();
    screen.背景桝(-2, 0);
    screen.背景桝(-1, 0);
    screen.背景桝(0, 0);
    screen.描画_将棋盤桝();
    // A game of two humans, also after a loaded record was stepped through.
    g.vsComputer = 0;
    g.recordMode = 0;
    g.selectPhase = 0;
    // A new game starts a new move list: 進 must not step into the last game's.
    if (isNew) moves.lastEntry = 0;
    // A new game starts with 先手; a game under way names the side to move.
    // The turn's time starts once the box is closed.
    if (isNew) {
        // The bottom player is 先手, unless 新規対局 seated 後手 there.
        g.manSide = startLowerOrder_;
        g.comSide = -startLowerOrder_;
        g.sideToMove = kSente;
        対局情報設定();
        描画_手番();
        announceHumanTurn(文言(Msg::TurnSente), " ", false);
    } else {
        announceHumanTurn(文言(g.sideToMove == kSente ? Msg::TurnSente : Msg::TurnGote), " ", false);
    }
    g.paused = 0;
    保存_対局();
}

void GameWindow::SENTE_Click() {
    // A game under way is given up for a new one only when the player agrees.
    if (gameUnderWay() && g.moveNumber > 0) {
        if (!askToAbandon(false)) return;
        初期設定();
    }
    if (g.winnerSide != 0) 初期設定();
    const bool isNew = g.moveNumber == 0 || g.sideToMove == 0;
    const bool comToMove = !isNew && g.sideToMove == g.comSide;
    // Clear what a viewed record left, show the level, clear any guidance.
    描画_棋譜読込み部分消去();
    描画_対局相手();
    screen.描画_将棋盤桝();
    // A game against the computer from the Position on the board.
    g.selectPhase = 0;
    g.vsComputer = 1;
    g.recordMode = 0;
    if (isNew) moves.lastEntry = 0;
    // The timer runs whatever 経過時間 says; the human's time starts
    // when the box is closed.
    if (isNew) {
        // A new game: MAN is 先手 and moves first.
        g.manSide = kSente;
        g.comSide = kGote;
        g.sideToMove = kSente;
        対局情報設定();
        announceHumanTurn(文言(Msg::TurnMan), " ", true);
        g.paused = 0;
    } else if (!comToMove) {
        // MAN keeps the move and is now 先手.
        g.manSide = kSente;
        g.comSide = kGote;
        g.sideToMove = kSente;
        announceHumanTurn(文言(Msg::TurnMan), 文言(Msg::TitleGame), true);
        g.paused = 0;
    } else {
        // The computer is to move: it moves now, its clock running.
        clk.turnStartTime = plat.clock.now();
        plat.clock.setTimerEnabled(true);
        com_ban();
    }
    保存_対局();
}

void GameWindow::GOTE_Click() {
    // A game under way is given up for a new one only when the player agrees.
    if (gameUnderWay() && g.moveNumber > 0) {
        if (!askToAbandon(false)) return;
        初期設定();
    }
    if (g.winnerSide != 0) 初期設定();
    const bool isNew = g.moveNumber == 0 || g.sideToMove == 0;
    // Clear what a viewed record left, show the level, clear any guidance.
    描画_棋譜読込み部分消去();
    描画_対局相手();
    screen.描画_将棋盤桝();
    // A game against the computer from the Position on the board, the clock running.
    plat.clock.setTimerEnabled(true);
    g.selectPhase = 0;
    g.vsComputer = 1;
    g.recordMode = 0;
    if (isNew) moves.lastEntry = 0;
    if (isNew) {
        // The computer makes the first move.
        g.manSide = kGote;
        g.comSide = kSente;
        g.sideToMove = kSente;
        対局情報設定();
        com_ban();
    } else if (g.sideToMove == g.manSide) {
        // MAN is to move: say so. The human's time starts when the box is closed.
        announceHumanTurn(文言(Msg::TurnMan), 文言(Msg::TitleGame), true);
        g.paused = 0;
    } else {
        // The computer is to move: it moves now.
        com_ban();
    }
    保存_対局();
}

void GameWindow::NEW_GAME_Click() {
    hideRecordPanel(1);
    NewGameRequest request;
    request.initial.vsComputer = !(g.sideToMove != 0 && g.vsComputer == 0);
    request.initial.humanOrder = preferredOrder;
    request.initial.opponent = g.opponent;
    for (const RegisteredEngine& e : engines) request.engineNames.push_back(e.name);
    request.initial.handicap = g.handicapSet == 1 ? g.handicapLevel : 0;
    request.initial.time = opt.timeControls;
    for (int level = -kHandicapSteps; level <= kHandicapSteps; ++level) {
        // The rank's name, and whose pieces its layout lacks.
        const std::string rank = 文言(handicapRank(level));
        if (level == 0)
            request.handicapNames.push_back(文言(Msg::HandicapEven, {{"rank", rank}}));
        else
            request.handicapNames.push_back(文言(level < 0 ? Msg::HandicapLowerLacks : Msg::HandicapUpperLacks,
                                                 {{"rank", rank}, {"count", level < 0 ? -level : level}}));
    }
    const std::optional<NewGameChoice> choice = plat.dialogs.chooseNewGame(request);
    if (!choice) return;
    // A game under way (or a record on the board) is given up only when the
    // player says so.
    if (!askToAbandon(true)) return;

    const int order = choice->humanOrder == kGote ? kGote : kSente;
    preferredOrder = order;
    opt.timeControls = {調整_持ち時間(choice->time.man), 調整_持ち時間(choice->time.com)};
    初期設定();
    Opponent who = choice->opponent;
    who.level = std::clamp(who.level, 1, kStrongLevel);
    // An engine no longer registered: the built-in level instead.
    if (who.isEngine() && findEngine(engines, who.engine) == nullptr) who = Opponent::builtIn(who.level);
    対局相手_設定(who);
    const int handicap = std::clamp(choice->handicap, -kHandicapSteps, kHandicapSteps);
    if (handicap != 0) {
        applyHandicap(pos, handicap);
        g.handicapLevel = handicap;
        g.handicapSet = 1;
        screen.描画_盤();
        screen.描画_ハンデレベル(handicap);
    }
    moves.lastEntry = 0;
    書込_環境設定ファイル();
    if (!choice->vsComputer) {
        startLowerOrder_ = order;
        START_Click();
        startLowerOrder_ = kSente;
    } else if (order == kSente) {
        SENTE_Click();
    } else {
        GOTE_Click();
    }
}

}  // namespace xantu
