#include <system_error>

#include "window/game_window.h"

namespace xantu {

std::filesystem::path GameWindow::resumePath() const {
    return std::filesystem::path(settingsPath).parent_path() / kResumeFileName;
}

ResumeState GameWindow::再開状態() const {
    const ResumeGameInfo info{gameInfo.startDateTime, gameInfo.event,     gameInfo.senteName,      gameInfo.goteName,
                              gameInfo.upperName,     gameInfo.lowerName, gameInfo.lowerSideOrder, gameInfo.winner};
    return ResumeState{g, pos, moves, clk, turn, info};
}

void GameWindow::保存_対局() { 保存_対局(再開状態()); }

void GameWindow::保存_対局(const ResumeState& s) {
    std::error_code ec;
    if (!調査_再開可能(s.game)) {
        std::filesystem::remove(resumePath(), ec);
        return;
    }
    // A file that cannot be written keeps the last one: the game itself goes on.
    書込_再開ファイル(s, resumePath());
}

namespace {
// Temporary files of writes cut short by a crash: no one else writes them.
void removeLeftOverTemporaries(const std::filesystem::path& file) {
    namespace fs = std::filesystem;
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    const std::string prefix = "." + file.filename().string() + ".";
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() > prefix.size() + 4 && name.compare(0, prefix.size(), prefix) == 0 &&
            name.compare(name.size() - 4, 4, ".tmp") == 0) {
            std::error_code ignored;
            fs::remove(it->path(), ignored);
        }
    }
}
}  // namespace

void GameWindow::再開_確認() {
    const std::filesystem::path file = resumePath();
    removeLeftOverTemporaries(file);
    ResumeReadResult read = 読込_再開ファイル(file);
    if (read.status == ResumeReadStatus::NotFound) return;
    std::error_code ec;
    if (read.status != ResumeReadStatus::Ok) {
        std::filesystem::remove(file, ec);
        message(std::string(再開ファイル破損メッセージ(read.status)), "再開");
        return;
    }
    if (message("前回の対局を続けますか？", "再開", MsgButtons::YesNo) != kMsgYes) {
        std::filesystem::remove(file, ec);
        return;
    }
    適用_再開(read.state);
}

void GameWindow::適用_再開(const ResumeState& s) {
    g = s.game;
    pos = s.position;
    moves = s.moves;
    clk = s.clocks;
    turn = s.turn;
    const ResumeGameInfo& info = s.info;
    gameInfo = GameInfo{info.startDateTime,  info.event,     info.senteName,
                        info.goteName,       info.upperName, info.lowerName,
                        info.lowerSideOrder, info.winner,    {}};
    // Play goes on as after 戻 or 進: the clock stands until the next click,
    // which (at the computer's turn) lets the computer move first.
    g.selectPhase = 0;
    if (g.sideToMove != 0) g.paused = 1;
    plat.clock.setTimerEnabled(false);
    for (int level = 1; level <= 4; ++level)
        plat.menus.setChecked("LEVEL" + std::to_string(level), level == g.comLevel);

    画面_再描画();
    screen.描画_手数(g.moveNumber, colourWhite);
    描画_手番();
    // The notation of the move that led here, as 進 shows it.
    const int n = moves.recordLength;
    if (n < 1) return;
    const MoveListEntry& before = moves.entries[static_cast<std::size_t>(n - 1)];
    const bool inList = n <= moves.lastEntry;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int now = inList ? moves.entries[static_cast<std::size_t>(n)].board[x][y] : pos.board[x][y];
            if (now != before.board[x][y] && now != kEmpty) {
                screen.描画_移動結果(now > 0 ? g.comSide : g.manSide, x, y, now, colourWhite);
                return;
            }
        }
}

}  // namespace xantu
