#include <algorithm>
#include <cerrno>
#include <system_error>
#include <vector>

#include "record/position_record.h"
#include "window/game_window.h"

namespace xantu {

namespace fs = std::filesystem;

std::filesystem::path GameWindow::resumePath() const { return fs::path(settingsPath).parent_path() / kResumeFileName; }

namespace {

fs::path besideAs(const fs::path& file, const std::string& suffix) {
    return file.parent_path() / (file.filename().string() + suffix);
}

// "YYYY/MM/DD hh:mm:ss" → "YYYYMMDD-HHMMSS".
std::string stamp(const std::string& localDateTime) {
    std::string digits;
    for (const char c : localDateTime)
        if (c >= '0' && c <= '9') digits += c;
    if (digits.size() != 14) return "00000000-000000";
    return digits.substr(0, 8) + "-" + digits.substr(8);
}

// Files set aside under `prefix`: the newest `keep` stay (their names sort
// by time), older ones go.
void keepNewestAside(const fs::path& folder, const std::string& prefix, std::size_t keep) {
    std::vector<fs::path> aside;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (it->path().filename().string().starts_with(prefix)) aside.push_back(it->path());
    std::sort(aside.begin(), aside.end());
    for (std::size_t i = 0; i + keep < aside.size(); ++i) fs::remove(aside[i], ec);
}

}  // namespace

std::string GameWindow::writeFailureReason(std::error_code ec) const {
    switch (ec.value()) {
    case ENOSPC:
    case EDQUOT: return 文言(Msg::WriteNoSpace);
    case EACCES:
    case EPERM: return 文言(Msg::WriteNotAllowed);
    case EROFS: return 文言(Msg::WriteReadOnly);
    case EISDIR: return 文言(Msg::WriteFolderInTheWay);
    case ENOENT:
    case ENOTDIR: return 文言(Msg::WriteNoFolder);
    default: return 文言(Msg::WriteFailed, {{"code", ec.value()}});
    }
}

ResumeState GameWindow::再開状態() const {
    const ResumeGameInfo info{gameInfo.startDateTime,  gameInfo.event,     gameInfo.senteName,
                              gameInfo.goteName,       gameInfo.upperName, gameInfo.lowerName,
                              gameInfo.lowerSideOrder, gameInfo.winner,    gameInfo.hints};
    return ResumeState{g, pos, moves, 保存用時計(clk), turn, info};
}

void GameWindow::保存_対局() { 保存_対局(再開状態()); }

void GameWindow::保存_対局(const ResumeState& s) {
    const fs::path file = resumePath();
    std::error_code ec;
    if (!調査_再開可能(s.game)) {
        // The previous file first: alone it is never offered.
        fs::remove(besideAs(file, ".prev"), ec);
        fs::remove(file, ec);
        saveFailureShown_ = false;
        return;
    }
    // A game kept by a newer version stays for that version.
    if (keepNewerGame_) return;
    ec = replaceWholeFile(file, 作成_再開ファイル(s), besideAs(file, ".prev"));
    if (ec) {
        // The game goes on; the player hears of it once per game, and the
        // mark stays until a save succeeds again (tried after every move).
        screen.描画_保存不可(true);
        if (!saveFailureShown_) {
            saveFailureShown_ = true;
            message(文言(Msg::CannotKeepGame, {{"reason", writeFailureReason(ec)}}), 文言(Msg::TitleSave));
        }
        return;
    }
    screen.描画_保存不可(false);
}

std::string GameWindow::setAside(const fs::path& file) {
    const std::string prefix = file.filename().string() + ".unreadable-";
    fs::path aside = file.parent_path() / (prefix + stamp(plat.clock.localDateTime()));
    std::error_code ec;
    for (int n = 2; fs::exists(aside, ec) && n < 100; ++n)
        aside = file.parent_path() / (prefix + stamp(plat.clock.localDateTime()) + "-" + std::to_string(n));
    fs::rename(file, aside, ec);
    if (ec) return {};
    keepNewestAside(file.parent_path(), prefix, 3);
    return aside.string();
}

void GameWindow::再開_確認() {
    const fs::path file = resumePath();
    removeLeftOverTemporaries(file);
    removeLeftOverTemporaries(settingsPath);
    std::error_code ec;
    const fs::file_status st = fs::status(file, ec);
    if (st.type() == fs::file_type::not_found) return;
    if (st.type() != fs::file_type::regular) {
        // A folder or another non-file: nothing of it is touched.
        message(文言(Msg::ResumeCannotOpen, {{"file", file.string()}}), 文言(Msg::TitleResume));
        return;
    }
    ResumeReadResult read = 読込_再開ファイル(file);
    switch (read.status) {
    case ResumeReadStatus::Ok: break;
    case ResumeReadStatus::NotFound: return;
    case ResumeReadStatus::Newer:
        keepNewerGame_ = true;
        message(文言(Msg::ResumeNewer, {{"file", file.string()}}), 文言(Msg::TitleResume));
        return;
    case ResumeReadStatus::CannotRead: {
        const std::string aside = setAside(file);
        message(aside.empty() ? 文言(Msg::ResumeCannotOpen, {{"file", file.string()}})
                              : 文言(Msg::ResumeCannotOpenSetAside, {{"file", aside}}),
                文言(Msg::TitleResume));
        return;
    }
    default: {
        const std::string aside = setAside(file);
        const std::string where = aside.empty() ? file.string() : aside;
        // The file before the last one written, if it is whole.
        const fs::path prevFile = besideAs(file, ".prev");
        ResumeReadResult prev = 読込_再開ファイル(prevFile);
        if (prev.status != ResumeReadStatus::Ok) {
            message(文言(aside.empty() ? Msg::ResumeBroken : Msg::ResumeBrokenSetAside, {{"file", where}}),
                    文言(Msg::TitleResume));
            return;
        }
        const Msg ask = aside.empty() ? Msg::ResumeBrokenAskPrevious : Msg::ResumeBrokenSetAsideAskPrevious;
        if (message(文言(ask, {{"file", where}}), 文言(Msg::TitleResume), MsgButtons::YesNo) != kMsgYes) {
            fs::remove(prevFile, ec);
            return;
        }
        適用_再開(prev.state);
        保存_対局();
        return;
    }
    }
    // The kept game stands on the board behind the question; いいえ puts
    // back what the window held and starts afresh.
    const GameState gameBefore = g;
    const Position positionBefore = pos;
    const MoveList movesBefore = moves;
    const GameRecord recordBefore = record;
    const Clocks clocksBefore = clk;
    const TurnState turnBefore = turn;
    const GameInfo infoBefore = gameInfo;
    適用_再開(read.state);
    描画_学習表示(false);
    plat.canvas.refresh();
    if (message(Msg::ResumeAsk, Msg::TitleResume, MsgButtons::YesNo) == kMsgYes) return;
    g = gameBefore;
    pos = positionBefore;
    moves = movesBefore;
    record = recordBefore;
    clk = clocksBefore;
    turn = turnBefore;
    gameInfo = infoBefore;
    markLevelMenu();
    初期設定();
    描画_手番();
    描画_学習表示(false);
    fs::remove(besideAs(file, ".prev"), ec);
    if (fs::remove(file, ec); !ec) return;
    // Not offered again: set aside under another name.
    const std::string prefix = file.filename().string() + ".declined-";
    const fs::path aside = file.parent_path() / (prefix + stamp(plat.clock.localDateTime()));
    std::error_code renamed;
    fs::rename(file, aside, renamed);
    if (!renamed) keepNewestAside(file.parent_path(), prefix, 3);
    message(renamed
                ? 文言(Msg::ResumeCannotDelete, {{"reason", writeFailureReason(ec)}, {"file", file.string()}})
                : 文言(Msg::ResumeCannotDeleteSetAside, {{"reason", writeFailureReason(ec)}, {"file", aside.string()}}),
            文言(Msg::TitleResume));
}

void GameWindow::適用_再開(const ResumeState& s) {
    g = s.game;
    pos = s.position;
    moves = s.moves;
    // The kept game holds Positions only: its moves are found once, here. The
    // game goes on from the board, after the last entry when it is not there.
    const bool boardAfterList = moves.recordLength >= 1 && moves.recordLength == moves.lastEntry + 1;
    record = 作成_局面列の棋譜(moves, moves.lastEntry, boardAfterList ? &s.position : nullptr, g.manSide).game;
    clk = 復元_時計(s.clocks);
    // The game goes on with the time controls it began with, whatever the
    // settings say now.
    時計_開始(s.clocks.control);
    turn = s.turn;
    const ResumeGameInfo& info = s.info;
    gameInfo = GameInfo{info.startDateTime, info.event,          info.senteName, info.goteName,    info.upperName,
                        info.lowerName,     info.lowerSideOrder, info.winner,    持ち時間見出し(), info.hints};
    // Play goes on as after 戻 or 進: the clock stands until the next click,
    // which (at the computer's turn) lets the computer move first.
    g.selectPhase = 0;
    if (g.sideToMove != 0) g.paused = 1;
    plat.clock.setTimerEnabled(false);
    markLevelMenu();

    画面_再描画();
    screen.描画_手数(g.moveNumber, colourWhite);
    描画_手番();
    // The notation of the move that led here, as 進 shows it.
    if (const Move* m = 記録の指し手(moves.recordLength))
        screen.描画_移動結果(m->placed > 0 ? g.comSide : g.manSide, m->toX, m->toY, m->placed, colourWhite);
}

}  // namespace xantu
