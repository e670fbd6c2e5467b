#include "window/game_window.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <filesystem>

#include "core/move_rules.h"
#include "window/menu_table.h"

namespace xantu {

GameWindow::GameWindow(Platform& platform)
    : plat(platform),
      screen(platform, pos, g, opt),
      Module1(platform.sound, platform.dialogs, platform.assetFolders, platform.translator) {}

void GameWindow::soundStartUp() {
    Module1.soundOpen(plat.windowHandle);
    otherSound = Module1.soundLoad("その他.wav", 3);
    forbiddenSound = Module1.soundLoad("禁止.wav", 3);
    pieceSound = Module1.soundLoad("駒打音.wav", 3);
    bgmSound = Module1.soundLoad("BGM.wav", 1);
}

int GameWindow::message(const std::string& text, const std::string& title, MsgButtons buttons) {
    // A key pressed while the computer thought must not answer its box unseen.
    if (computerBusy()) plat.frame.discardUserInput();
    return plat.dialogs.messageBox(text, title, buttons, false);
}

int GameWindow::message(Msg text, Msg title, MsgButtons buttons) { return message(文言(text), 文言(title), buttons); }

void GameWindow::play(std::int32_t handle) {
    if (handle != 0 && !muted) plat.sound.dsPlay(handle);
}

void GameWindow::toggleMute() {
    muted = !muted;
    if (bgmSound == 0 || !plat.menus.checked("BGM")) return;
    if (muted)
        plat.sound.dsStop(bgmSound);
    else
        plat.sound.dsPlayLooping(bgmSound);
}

void GameWindow::keyCommand(GameKey key) {
    if (computerBusy()) return;
    // The promotion chooser waits for its answer: a key leaves the move unmade.
    if (chooser.open && key != GameKey::Mute) {
        closePromotionChooser();
        g.selectPhase = 0;
    }
    // Keys never open a box: where the menu command would refuse with one,
    // the key only sounds.
    switch (key) {
    case GameKey::Back:
        if (moves.recordLength < 1)
            play(forbiddenSound);
        else
            menuCommand("REPLAY");
        break;
    case GameKey::Forward:
        if (g.sideToMove == 0 || moves.recordLength >= moves.lastEntry)
            play(forbiddenSound);
        else
            menuCommand("AFTER");
        break;
    case GameKey::First: 棋譜一覧_Click(0); break;
    case GameKey::Last:
        if (g.sideToMove != 0) 棋譜一覧_Click(std::max(moves.recordLength, moves.lastEntry));
        break;
    case GameKey::TakeBack:
        takeBack(true);
        描画_手番();
        afterEvent();
        break;
    case GameKey::Mute: toggleMute(); break;
    case GameKey::Study: menuCommand("KENTOU"); break;
    case GameKey::Hint: menuCommand("HINT"); break;
    }
}

bool GameWindow::gameUnderWay() const { return g.sideToMove != 0 && g.winnerSide == 0 && g.recordMode == 0; }

bool GameWindow::askToAbandon(bool recordToo) {
    const bool asks = (gameUnderWay() && g.moveNumber > 0) || (recordToo && g.recordMode == 1);
    if (!asks) return true;
    return message(Msg::AskAbandon, Msg::TitleConfirm, MsgButtons::YesNo) == kMsgYes;
}

const Move* GameWindow::記録の指し手(int ply) const {
    if (ply < 1 || ply > 調査_一覧の手数(moves, g)) return nullptr;
    const int node = 手順の節(record, ply);
    return node < 0 ? nullptr : &record.nodes[static_cast<std::size_t>(node)].move;
}

LastMove GameWindow::調査_直前の手() const {
    const Move* m = 記録の指し手(moves.recordLength);
    if (m == nullptr) return {};
    return LastMove{m->fromX, m->fromY, m->toX, m->toY};
}

void GameWindow::描画_手番() {
    drawTurnMark();
    drawTimedClocks();
}

void GameWindow::drawTimedClocks() {
    // In a timed game the clock of the side to move is the highlighted one.
    if (clk.control.timed()) {
        clk.shownLeft = -1;
        描画_両時計();
    }
}

void GameWindow::drawTurnMark() {
    同期_視点();
    screen.描画_手番と直前の手(g.winnerSide == 0 ? g.sideToMove : 0, 調査_直前の手());
}

int GameWindow::調査_下側の手番() const { return xantu::調査_下側の手番(record, moves, g, gameInfo.lowerSideOrder); }

void GameWindow::同期_視点() { screen.設定_視点(調査_下側の手番()); }

void GameWindow::描画_可視(bool a, bool b, bool c) { plat.filePanel.setListsVisible(a, b, c); }

void GameWindow::描画_棋譜_IO(int フラグ) {
    if (フラグ == 0) {
        plat.filePanel.setIoVisible(true);
        return;
    }
    for (int box = 1; box <= 4; ++box) plat.filePanel.setText(box, "");
    plat.filePanel.setIoVisible(false);
}

void GameWindow::hideRecordPanel(int ioMode) {
    描画_可視(false, false, false);
    描画_棋譜_IO(ioMode);
}

// ---- Start-up and shut-down ----------------------------------------------

void GameWindow::Form_Load() {
    // The sound library and the four sounds.
    soundStartUp();
    plat.canvas.setArea(area.width, area.height);
    // Constants and start values.
    g.recordMode = 0;
    g.paused = 0;
    g.opponent = Opponent::builtIn(3);
    plat.menus.setChecked("LEVEL1", false);
    plat.menus.setChecked("LEVEL2", false);
    plat.menus.setChecked("LEVEL3", true);
    plat.menus.setChecked("LEVEL4", false);
    for (int i = 0; i < search::kStrengthCount; ++i)
        plat.menus.setChecked("STRENGTH" + std::to_string(i + 1), static_cast<search::Strength>(i) == strength_);
    g.comSide = kSente;
    g.manSide = kGote;
    moves.lastEntry = 0;
    // The option check marks until the settings file says otherwise.
    チェック設定(kThemePekana);
    plat.menus.setChecked("SIDOU", false);
    plat.menus.setChecked("KEIKA", true);
    plat.menus.setChecked("BGM", false);
    plat.menus.setChecked("KIFU_LIST", false);
    plat.menus.setChecked("KIKI", false);
    plat.menus.setChecked("NARI_KAKUNIN", true);
    plat.menus.setChecked("KAISEKI_05", true);
    // Background colour (the board geometry is constant).
    plat.canvas.setBackColour(colourGreen);
    // Settings.
    読込_環境設定ファイル();
    // The move-list panel, when the settings show it, widens the area.
    applyAreaWidth();
    // The starting Position and the whole screen.
    初期設定();
    描画_手番();
    // Place and size the window.
    if (plat.frame.top() != -60) plat.frame.place(0, 0, area.width, area.height);
    // Where the window stood at the last end, as far as this screen allows.
    if (windowPlace.valid()) plat.frame.restorePlacement(windowPlace);
}

void GameWindow::終了処理() {
    if (terminated_) return;
    terminated_ = true;
    // The searches beside the game end with the window.
    study_.stop();
    hint_.stop();
    if (analysis_) analysis_->cancel();
    // The window's place for the next start.
    if (const WindowPlacement now = plat.frame.placement(); now.valid() && !(now == windowPlace)) {
        windowPlace = now;
        書込_環境設定ファイル();
    }
    保存_対局();
    for (std::int32_t h : {otherSound, forbiddenSound, pieceSound, bgmSound, tickSound})
        if (h != 0) plat.sound.dsFree(h);
    otherSound = forbiddenSound = pieceSound = bgmSound = tickSound = 0;
    Module1.soundClose();
}

void GameWindow::OWARI_Click() {
    終了処理();
    exitRequested_ = true;
}

void GameWindow::Form_Unload() {
    if (computerBusy())
        exitAfterBusy_ = true;
    else if (askToLeave())
        OWARI_Click();
}

void GameWindow::Form_KeyPress(int KeyAscii) {
    if (KeyAscii != 27) return;
    if (computerBusy()) {
        exitAfterBusy_ = true;
    } else if (chooser.open) {
        // Esc answers the promotion chooser: 不成.
        choosePromotion(false);
        描画_手番();
        afterEvent();
    } else if (askToLeave()) {
        OWARI_Click();
    }
}

bool GameWindow::askToLeave() {
    // A game under way is kept for the next start, but leaving it still asks.
    if (!gameUnderWay()) return true;
    return message(Msg::AskLeave, Msg::TitleEnd, MsgButtons::YesNo) == kMsgYes;
}

// ---- Initial setup and full redraw --------------------------------------

void GameWindow::初期設定() {
    saveFailureShown_ = false;  // a new game is told of its own failures
    // No game, no handicap, no moves.
    g.handicapLevel = 0;
    g.handicapSet = 0;
    g.vsComputer = 0;
    g.winnerSide = 0;
    g.sideToMove = 0;
    moves.recordLength = 0;
    g.moveNumber = 0;
    g.flipped = 0;
    plat.clock.setTimerEnabled(false);
    // Clocks and replay state.
    clk.manSeconds = 0;
    clk.comSeconds = 0;
    g.paused = 0;
    g.recordMode = 0;
    clk.shownSecond = 0;
    clk.control = {};
    clk.shownLeft = -1;
    moves.entry(0).movedPiece = kPawn;
    g.selectPhase = 0;
    chooser.open = false;
    gameEnd = GameEnd::None;
    // The starting layout, drawn on a fresh screen.
    初期配置(pos);
    assert(pos.ok(SetBound::Waived));
    // The fresh screen shows no counter, notation or record header.
    screen.forgetShownTexts();
    画面_再描画();
}

void GameWindow::画面_再描画() {
    同期_視点();
    screen.描画_背景(opt.backgroundTheme);
    screen.描画_桝_数値();
    screen.描画_自持盤();
    screen.描画_敵持盤();
    screen.描画_盤();
    描画_両時計();
    if (g.vsComputer == 1) 描画_対局相手();
    if (g.handicapSet == 1) screen.描画_ハンデレベル(g.handicapLevel);
    screen.描画_絵(kPicTitle, 10.8, 0);
    // The background has covered every text: show again what was shown.
    screen.redrawShownTexts();
    描画_学習表示(true);
}

// ---- Menus ----------------------------------------------------------------

void GameWindow::TAIKYOKU_Click() { hideRecordPanel(1); }
void GameWindow::STOP_Click() { hideRecordPanel(1); }
void GameWindow::OPTION_Click() { hideRecordPanel(1); }

void GameWindow::menuOpened(std::string_view name) {
    if (computerBusy()) return;
    // Every menu command and every click first hides the record-file panel.
    if (name == "TAIKYOKU")
        TAIKYOKU_Click();
    else if (name == "STOP")
        STOP_Click();
    else if (name == "OPTION")
        OPTION_Click();
}

void GameWindow::menuCommand(std::string_view name) {
    if (computerBusy()) {
        if (name == "OWARI") exitAfterBusy_ = true;
        return;
    }
    // A command while the promotion chooser waits: the move is not made.
    if (chooser.open) {
        closePromotionChooser();
        g.selectPhase = 0;
    }
    struct Entry {
        std::string_view name;
        void (GameWindow::*handler)();
    };
    static constexpr Entry kHandlers[] = {
        {"NEW_GAME", &GameWindow::NEW_GAME_Click},
        {"START", &GameWindow::START_Click},
        {"SENTE", &GameWindow::SENTE_Click},
        {"GOTE", &GameWindow::GOTE_Click},
        {"OWARI", &GameWindow::OWARI_Click},
        {"LEVEL1", &GameWindow::LEVEL1_Click},
        {"LEVEL2", &GameWindow::LEVEL2_Click},
        {"LEVEL3", &GameWindow::LEVEL3_Click},
        {"LEVEL4", &GameWindow::LEVEL4_Click},
        {"CANCEL", &GameWindow::CANCEL_Click},
        {"REVERSE", &GameWindow::REVERSE_Click},
        {"REPLAY", &GameWindow::REPLAY_Click},
        {"AFTER", &GameWindow::AFTER_Click},
        {"LBEL_UP", &GameWindow::LBEL_UP_Click},
        {"LEBEL_DOWN", &GameWindow::LEBEL_DOWN_Click},
        {"KIFU_READ", &GameWindow::KIFU_READ_Click},
        {"KIFU_WRITE", &GameWindow::KIFU_WRITE_Click},
        {"KIF_WRITE", &GameWindow::KIF_WRITE_Click},
        {"KIF_READ", &GameWindow::KIF_READ_Click},
        {"CSA_WRITE", &GameWindow::CSA_WRITE_Click},
        {"CSA_READ", &GameWindow::CSA_READ_Click},
        {"KIF_COPY", &GameWindow::KIF_COPY_Click},
        {"SFEN_COPY", &GameWindow::SFEN_COPY_Click},
        {"PASTE", &GameWindow::PASTE_Click},
        {"MIDORI", &GameWindow::MIDORI_Click},
        {"TATAMI", &GameWindow::TATAMI_Click},
        {"TAKE", &GameWindow::TAKE_Click},
        {"UCHU", &GameWindow::UCHU_Click},
        {"RENGA", &GameWindow::RENGA_Click},
        {"SIDOU", &GameWindow::SIDOU_Click},
        {"KEIKA", &GameWindow::KEIKA_Click},
        {"BGM", &GameWindow::BGM_Click},
        {"VER", &GameWindow::VER_Click},
        {"KIFU_LIST", &GameWindow::KIFU_LIST_Click},
        {"KIKI", &GameWindow::KIKI_Click},
        {"NARI_KAKUNIN", &GameWindow::NARI_KAKUNIN_Click},
        {"TOURYOU", &GameWindow::TOURYOU_Click},
        {"MATTA", &GameWindow::MATTA_Click},
        {"JIKAN", &GameWindow::JIKAN_Click},
        {"KENTOU", &GameWindow::KENTOU_Click},
        {"KEISEI", &GameWindow::KEISEI_Click},
        {"HINT", &GameWindow::HINT_Click},
        {"KAISEKI_START", &GameWindow::KAISEKI_START_Click},
        {"KAISEKI_05", &GameWindow::KAISEKI_05_Click},
        {"KAISEKI_1", &GameWindow::KAISEKI_1_Click},
        {"KAISEKI_3", &GameWindow::KAISEKI_3_Click},
    };
    if (name.size() == 9 && name.substr(0, 8) == "STRENGTH" && name[8] >= '1' && name[8] <= '5') {
        selectStrength(static_cast<search::Strength>(name[8] - '1'));
        return;
    }
    for (const Entry& e : kHandlers)
        if (e.name == name) {
            (this->*e.handler)();
            描画_手番();
            afterEvent();
            return;
        }
}

void GameWindow::VER_Click() {
    hideRecordPanel(1);
    play(otherSound);
    // The version line, then only what is true of this copy: its licence and
    // where its files are kept.
    std::error_code ec;
    std::filesystem::path settingsFolder = std::filesystem::absolute(settingsPath, ec).parent_path();
    if (ec) settingsFolder = std::filesystem::path(settingsPath).parent_path();
    message(文言(Msg::AboutText, {{"folder", settingsFolder.lexically_normal().string()}}), 文言(Msg::AppTitle));
}

}  // namespace xantu
