#include "core/handicap.h"
#include "window/game_window.h"

namespace xantu {

void GameWindow::LEVEL1_Click() {
    screen.背景桝(-2, 0);
    screen.背景桝(-1, 0);
    screen.背景桝(0, 0);
    レベル_設定(1);
}
void GameWindow::LEVEL2_Click() {
    screen.背景桝(-2, 0);
    screen.背景桝(-1, 0);
    screen.背景桝(0, 0);
    レベル_設定(2);
}
void GameWindow::LEVEL3_Click() {
    screen.背景桝(-2, 0);
    screen.背景桝(-1, 0);
    screen.背景桝(0, 0);
    レベル_設定(3);
}

void GameWindow::LEVEL4_Click() {
    screen.背景桝(-2, 0);
    screen.背景桝(-1, 0);
    screen.背景桝(0, 0);
    レベル_設定(4);
}

void GameWindow::selectStrength(search::Strength s) {
    for (int i = 0; i < search::kStrengthCount; ++i)
        plat.menus.setChecked("STRENGTH" + std::to_string(i + 1), static_cast<search::Strength>(i) == s);
    if (s == strength_) return;
    strength_ = s;
    書込_環境設定ファイル();
}

void GameWindow::レベル_設定(int IN_LEVEL) {
    const Opponent before = g.opponent;
    plat.menus.setChecked("LEVEL1", false);
    plat.menus.setChecked("LEVEL2", false);
    plat.menus.setChecked("LEVEL3", false);
    plat.menus.setChecked("LEVEL4", false);
    if (IN_LEVEL >= 1 && IN_LEVEL <= kStrongLevel) {
        plat.menus.setChecked("LEVEL" + std::to_string(IN_LEVEL), true);
        g.opponent = Opponent::builtIn(IN_LEVEL);
    }
    if (g.vsComputer == 1) 描画_対局相手();
    // The level chosen is kept for the next start.
    if (g.opponent != before) 書込_環境設定ファイル();
    保存_対局();
}

void GameWindow::対局相手_設定(const Opponent& who) {
    if (!who.isEngine()) {
        レベル_設定(who.level);
        return;
    }
    const Opponent before = g.opponent;
    g.opponent = Opponent::registered(who.engine, before.level);
    markLevelMenu();
    if (g.vsComputer == 1) 描画_対局相手();
    if (g.opponent != before) 書込_環境設定ファイル();
    保存_対局();
}

void GameWindow::markLevelMenu() {
    // An engine is no level of the menu: none is checked then.
    for (int level = 1; level <= kStrongLevel; ++level)
        plat.menus.setChecked("LEVEL" + std::to_string(level), g.opponent.isLevel(level));
}

void GameWindow::描画_対局相手() {
    if (g.opponent.isEngine()) {
        screen.背景桝(-2, 0);
        screen.背景桝(-1, 0);
        screen.背景桝(0, 0);
        return;
    }
    screen.描画_レベル(g.opponent.level);
}

void GameWindow::描画_メッセージ(int IN_メッセージ番号) {
    std::string reason;
    switch (IN_メッセージ番号) {
    case 1: reason = 文言(Msg::RefusedInRecordMode); break;
    case 2: reason = 文言(Msg::RefusedMidGame); break;
    case 3: reason = 文言(Msg::RefusedAfterReverse); break;
    default: break;
    }
    message(文言(Msg::HandicapRefused, {{"reason", reason}}), 文言(Msg::TitleHandicap));
}

void GameWindow::LBEL_UP_Click() { applyHandicapStep(+1); }
void GameWindow::LEBEL_DOWN_Click() { applyHandicapStep(-1); }

// One step up (+1, easier for the human) or down (-1) the handicap ladder.
void GameWindow::applyHandicapStep(int delta) {
    // Refused while a record is viewed, after the first move, and on a turned board.
    hideRecordPanel(1);
    int refusal = 0;
    if (g.recordMode == 1)
        refusal = 1;
    else if (moves.recordLength > 0)
        refusal = 2;
    else if (g.flipped == 1)
        refusal = 3;
    if (refusal != 0) {
        play(forbiddenSound);
        描画_メッセージ(refusal);
        return;
    }
    // The handicap starts the move list afresh.
    moves.lastEntry = 0;
    // Within the ladder: the new rank shown, one piece taken off or put back.
    const int level = g.handicapLevel + delta;
    if (level >= -kHandicapSteps && level <= kHandicapSteps) {
        g.handicapLevel = level;
        screen.描画_ハンデレベル(level);
        HandicapStep step;
        bool restore;
        if (delta > 0) {
            restore = level <= 0;
            step = restore ? kLowerHandicap[1 - level] : kUpperHandicap[level];
        } else {
            restore = level >= 0;
            step = restore ? kUpperHandicap[level + 1] : kLowerHandicap[-level];
        }
        pos.board[step.x][step.y] = restore ? step.code : kEmpty;
        screen.描画_絵(pos.board[step.x][step.y], step.x, step.y);
        screen.描画_桝輪郭(outlineColour, step.x, step.y);
        play(pieceSound);
    }
    g.handicapSet = 1;
    保存_対局();
}

}  // namespace xantu
