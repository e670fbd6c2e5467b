#include "tools/engine/usi_session.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <vector>

#include "core/legal_moves.h"
#include "core/score_view.h"
#include "players/make_player.h"
#include "tools/engine/sfen_args.h"

namespace xantu::engine {

namespace {

std::vector<std::string_view> words(std::string_view s) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
        std::size_t j = i;
        while (j < s.size() && s[j] != ' ' && s[j] != '\t') ++j;
        if (j > i) out.push_back(s.substr(i, j - i));
        i = j;
    }
    return out;
}

// A whole non-negative number that fits in T.
template <class T>
bool readNumber(std::string_view w, T& out) {
    T v{};
    const auto [end, ec] = std::from_chars(w.data(), w.data() + w.size(), v);
    if (ec != std::errc() || end != w.data() + w.size() || v < 0) return false;
    out = v;
    return true;
}

// The score is the side to move's, as USI has it, through the one ScoreView the
// screen shows from 先手's view.
std::string infoLine(const Info& i, Side toMove) {
    std::string s = "info depth " + std::to_string(i.depth);
    if (i.selDepth > 0) s += " seldepth " + std::to_string(i.selDepth);
    s += " score " + ScoreView::of(i, usiOrder(toMove)).usi(usiOrder(toMove));
    s += " nodes " + std::to_string(i.nodes);
    if (i.timed) s += " nps " + std::to_string(i.nps) + " time " + std::to_string(i.timeMs);
    if (!i.pv.empty()) s += " pv " + i.pv;
    return s;
}

}  // namespace

UsiSession::UsiSession(Output out) : UsiSession(std::move(out), Config{}) {}
UsiSession::UsiSession(Output out, Config config)
    : out_(std::move(out)), config_(config), hashMegabytes_(std::min<std::size_t>(64, config.maxHashMegabytes)) {}

UsiSession::~UsiSession() { finish(); }

void UsiSession::say(const std::string& line) {
    const std::lock_guard<std::mutex> lock(outMutex_);
    out_(line);
}

void UsiSession::finish() {
    commandStop();
    if (thread_.joinable()) thread_.join();
}

void UsiSession::joinFinished() {
    if (!searching_ && thread_.joinable()) thread_.join();
}

bool UsiSession::handle(std::string_view line) {
    const std::vector<std::string_view> w = words(line);
    if (w.empty()) return true;
    const std::string_view cmd = w[0];
    const std::size_t restAt = cmd.data() - line.data() + cmd.size();
    const std::string_view rest = line.substr(restAt);
    joinFinished();
    if (cmd == "usi") {
        commandUsi();
    } else if (cmd == "isready") {
        // The player and its table are made now, the moment the protocol
        // gives for slow preparations, rather than on the clock of the first go.
        if (!searching_) player();
        say("readyok");
    } else if (cmd == "setoption") {
        commandSetOption(rest);
    } else if (cmd == "usinewgame") {
        if (searching_)
            say("info string 思考中は新しい対局を始められません");
        else
            for (std::unique_ptr<Player>& player : players_)
                if (player) player->newGame();
    } else if (cmd == "position") {
        commandPosition(rest);
    } else if (cmd == "go") {
        commandGo(rest);
    } else if (cmd == "stop") {
        commandStop();
    } else if (cmd == "quit") {
        finish();
        return false;
    } else if (cmd == "gameover" || cmd == "ponderhit") {
        // Nothing to do: no pondering, and no state kept between games but the table.
    } else {
        say("info string 知らないコマンドです: " + std::string(cmd));
    }
    return true;
}

void UsiSession::commandUsi() {
    say("id name Xantu ペカナ将棋");
    say("id author Xantu ペカナ将棋 開発チーム");
    say("option name Level type spin default 4 min 1 max 4");
    std::string strengths =
        "option name Strength type combo default " + std::string(search::strengthUsiValue(search::kFullStrength));
    for (const std::string_view value : search::kStrengthUsiValues) strengths += " var " + std::string(value);
    say(strengths);
    say("option name USI_Hash type spin default " + std::to_string(hashMegabytes_) + " min 1 max " +
        std::to_string(config_.maxHashMegabytes));
    say("option name Threads type spin default 1 min 1 max " + std::to_string(config_.maxThreads));
    say("usiok");
}

void UsiSession::commandSetOption(std::string_view rest) {
    const std::vector<std::string_view> w = words(rest);
    // setoption name NAME [value VALUE]; a name is one word here.
    if (w.size() < 2 || w[0] != "name" || (w.size() != 2 && (w.size() != 4 || w[2] != "value"))) {
        say("info string setoption は「setoption name 名前 value 値」の形で送ってください");
        return;
    }
    const std::string_view name = w[1];
    const std::string_view value = w.size() == 4 ? w[3] : std::string_view();
    if (name == "Level") {
        int v = 0;
        if (!readNumber(value, v) || v < 1 || v > 4) {
            say("info string Level は 1 から 4 までです: " + std::string(value));
            return;
        }
        level_ = v;
    } else if (name == "Strength") {
        const std::optional<search::Strength> s = search::strengthFromUsiValue(value);
        if (!s) {
            say("info string Strength は 入門 初級 中級 上級 最強 のどれかです: " + std::string(value));
            return;
        }
        if (searching_) {
            say("info string 思考中は Strength を変えられません");
            return;
        }
        if (*s != strength_) players_[4].reset();
        strength_ = *s;
    } else if (name == "USI_Hash") {
        std::size_t v = 0;
        if (!readNumber(value, v) || v < 1 || v > config_.maxHashMegabytes) {
            say("info string USI_Hash は 1 から " + std::to_string(config_.maxHashMegabytes) +
                " までです: " + std::string(value));
            return;
        }
        if (searching_) {
            say("info string 思考中は USI_Hash を変えられません");
            return;
        }
        if (v != hashMegabytes_)
            for (std::unique_ptr<Player>& player : players_) player.reset();
        hashMegabytes_ = v;
    } else if (name == "Threads") {
        int v = 0;
        if (!readNumber(value, v) || v < 1 || v > config_.maxThreads) {
            say("info string Threads は 1 から " + std::to_string(config_.maxThreads) +
                " までです: " + std::string(value));
            return;
        }
        if (searching_) {
            say("info string 思考中は Threads を変えられません");
            return;
        }
        if (v != threads_)
            for (std::unique_ptr<Player>& player : players_) player.reset();
        threads_ = v;
    } else if (name == "USI_Ponder") {
        // Accepted and ignored: this engine does not ponder.
    } else {
        say("info string 知らないオプションです: " + std::string(name));
    }
}

void UsiSession::commandPosition(std::string_view rest) {
    const std::vector<std::string_view> w = words(rest);
    havePosition_ = false;
    std::size_t i = 0;
    std::string sfen;
    if (!w.empty() && w[0] == "startpos") {
        sfen = "startpos";
        i = 1;
    } else if (!w.empty() && w[0] == "sfen") {
        for (i = 1; i < w.size() && w[i] != "moves"; ++i) {
            if (!sfen.empty()) sfen += ' ';
            sfen += w[i];
        }
        if (i == 4) sfen += " 1";  // the move number may be left out
    } else {
        say("info string position の後には startpos か sfen が要ります");
        return;
    }
    SfenResult r = parsePositionText(sfen);
    if (!r.ok) {
        say("info string 局面を読めません: " + r.error);
        return;
    }
    if (i < w.size() && w[i] != "moves") {
        say("info string 局面の後には moves しか置けません: " + std::string(w[i]));
        return;
    }
    bool kingTaken = false;
    for (std::size_t k = i + 1; k < w.size(); ++k) {
        // One move checked at a time, not the whole list: a line may hold
        // hundreds of thousands of moves.
        const std::optional<Move> m = kingTaken ? std::nullopt : legalMove(r.position, r.side, w[k]);
        if (!m) {
            say("info string " + std::to_string(k - i) + " 手目の " + std::string(w[k]) + " は指せない手です");
            return;
        }
        kingTaken = absCode(playMove(r.position, *m)) == kKing;
        r.side = opponent(r.side);
    }
    position_ = r.position;
    side_ = r.side;
    havePosition_ = true;
}

void UsiSession::commandGo(std::string_view rest) {
    const auto received = std::chrono::steady_clock::now();
    if (searching_ && !stop_) {
        say("info string 思考中です。stop を送ってから go を送ってください");
        return;
    }
    // A search told to stop ends within milliseconds: wait for its bestmove.
    if (thread_.joinable()) thread_.join();
    if (!havePosition_) {
        say("info string 局面がありません。go の前に正しい position を送ってください");
        say("bestmove resign");
        return;
    }
    if (!bothKingsOnBoard(position_)) {
        say("info string 玉が取られていて、この対局は終わっています");
        say("bestmove resign");
        return;
    }
    Limits limits;
    int btime = -1, wtime = -1, binc = 0, winc = 0;
    const std::vector<std::string_view> w = words(rest);
    for (std::size_t i = 0; i < w.size(); ++i) {
        const std::string_view key = w[i];
        if (key == "infinite") {
            limits.infinite = true;
            continue;
        }
        const bool known = key == "depth" || key == "nodes" || key == "movetime" || key == "btime" || key == "wtime" ||
                           key == "byoyomi" || key == "binc" || key == "winc";
        if (!known) {
            say("info string go の知らない指定は無視します: " + std::string(key));
            continue;
        }
        bool ok = i + 1 < w.size();
        if (ok) {
            const std::string_view v = w[++i];
            if (key == "nodes") {
                ok = readNumber(v, limits.nodes);
            } else {
                int n = 0;
                ok = readNumber(v, n);
                if (key == "depth") limits.depth = n;
                if (key == "movetime") limits.movetimeMs = n;
                if (key == "btime") btime = n;
                if (key == "wtime") wtime = n;
                if (key == "byoyomi") limits.byoyomiMs = n;
                if (key == "binc") binc = n;
                if (key == "winc") winc = n;
            }
        }
        if (!ok) say("info string go の " + std::string(key) + " には 0 以上の整数が要ります");
    }
    limits.timeLeftMs = side_ == Side::Lower ? btime : wtime;
    limits.incrementMs = side_ == Side::Lower ? binc : winc;
    limits.opponentTimeLeftMs = side_ == Side::Lower ? wtime : btime;
    limits.opponentIncrementMs = side_ == Side::Lower ? winc : binc;

    Player& chosen = player();
    stop_ = false;
    searching_ = true;
    thread_ = std::thread(&UsiSession::searchThread, this, std::ref(chosen), position_, side_, limits, received);
}

Player& UsiSession::player() {
    std::unique_ptr<Player>& player = players_[level_];
    if (!player) player = players::makePlayer(level_, hashMegabytes_, strength_, threads_);
    return *player;
}

void UsiSession::commandStop() {
    {
        const std::lock_guard<std::mutex> lock(stopMutex_);
        stop_ = true;
    }
    stopSignal_.notify_all();
}

void UsiSession::searchThread(Player& player, Position p, Side side, Limits limits,
                              std::chrono::steady_clock::time_point received) {
    if (limits.timeLeftMs >= 0) {
        // The opponent's clock stopped when go was sent: what passed since it
        // was read (the thread's start on a busy machine) is this side's,
        // taken from the main time first, then from the byoyomi.
        const auto late =
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - received).count();
        const int fromMain = static_cast<int>(std::min<long long>(late, limits.timeLeftMs));
        limits.timeLeftMs -= fromMain;
        limits.byoyomiMs = static_cast<int>(std::max<long long>(0, limits.byoyomiMs - (late - fromMain)));
    }
    const Thought t = player.think(p, side, limits, stop_, [this, side](const Info& i) { say(infoLine(i, side)); });
    const std::string best = t.hasMove ? t.move.usi() : "resign";
    if (limits.infinite) {
        // Under go infinite the answer waits for stop, however soon the search ends.
        std::unique_lock<std::mutex> lock(stopMutex_);
        stopSignal_.wait(lock, [this] { return stop_.load(); });
    }
    // Cleared first: a client may send the next go as soon as it reads bestmove.
    searching_ = false;
    say("bestmove " + best);
}

}  // namespace xantu::engine
