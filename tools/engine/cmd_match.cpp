// match: two USI engines play every opening of a file twice, colours
// swapped; our own move generator referees every move. Prints one line per
// game as it ends, then the totals from the first engine's side, the Elo
// difference with its 95 % interval and the time per move of each engine.
#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <mutex>
#include <sstream>
#include <thread>

#include "core/legal_moves.h"
#include "tools/engine/match_game.h"
#include "tools/engine/match_stats.h"
#include "tools/engine/sfen_args.h"

namespace xantu::engine {

namespace {

struct MatchOptions {
    EngineSetup engine[2];
    std::string openingsFile;
    std::string gamesOut;
    int rounds = 1;
    int maxPlies = 400;
    int concurrency = 1;
    MatchClock clock;
};

bool readInt(const std::string& s, int lo, int hi, int& out) {
    try {
        std::size_t used = 0;
        const long v = std::stol(s, &used);
        if (used != s.size() || v < lo || v > hi) return false;
        out = static_cast<int>(v);
        return true;
    } catch (...) {
        return false;
    }
}

// Reads the openings: one a line, "startpos [moves …]" or "sfen SFEN
// [moves …]"; blank lines and lines starting with # are skipped. Every
// move is checked here, so that a bad file stops the match before it starts.
bool readOpenings(const std::string& file, std::vector<Opening>& out) {
    std::ifstream in(file);
    if (!in) {
        std::fprintf(stderr, "xantu-engine: match: cannot read the openings file '%s'\n", file.c_str());
        return false;
    }
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::istringstream words(line);
        std::vector<std::string> w;
        for (std::string x; words >> x;) w.push_back(x);
        if (w.empty() || w[0][0] == '#') continue;
        Opening o;
        std::size_t i = 1;
        if (w[0] == "startpos") {
            o.start = "startpos";
        } else if (w[0] == "sfen") {
            for (; i < w.size() && w[i] != "moves"; ++i) o.start += (o.start.empty() ? "" : " ") + w[i];
        }
        SfenResult r = parsePositionText(o.start);
        if (!r.ok || (i < w.size() && w[i] != "moves")) {
            std::fprintf(stderr, "xantu-engine: match: %s line %d: not \"startpos|sfen SFEN [moves …]\"%s%s\n",
                         file.c_str(), number, r.ok ? "" : ": ", r.ok ? "" : r.error.c_str());
            return false;
        }
        if (o.start != "startpos") o.start = toSfen(r.position, r.side);
        bool kingTaken = false;
        for (++i; i < w.size(); ++i) {
            const std::vector<Move> moves = legalMoves(r.position, r.side);
            const Move* m = kingTaken ? nullptr : findMove(moves, w[i]);
            if (m == nullptr) {
                std::fprintf(stderr, "xantu-engine: match: %s line %d: illegal move %s\n", file.c_str(), number,
                             w[i].c_str());
                return false;
            }
            kingTaken = absCode(playMove(r.position, *m)) == kKing;
            r.side = opponent(r.side);
            o.moves.push_back(w[i]);
        }
        out.push_back(o);
    }
    if (out.empty()) {
        std::fprintf(stderr, "xantu-engine: match: no openings in '%s'\n", file.c_str());
        return false;
    }
    return true;
}

int badArgument(const std::string& a) {
    std::fprintf(stderr,
                 "xantu-engine: match: bad argument '%s' (see xantu-engine --help: --engine1 CMD --engine2 CMD "
                 "--openings FILE [--option1|--option2|--option NAME=VALUE] [--go|--go1|--go2 ARGS] [--rounds R] "
                 "[--max-plies N] [--concurrency N] [--move-timeout MS] [--tc MAIN+INC|MAINbBYO] [--games-out FILE])\n",
                 a.c_str());
    return kExitBadInput;
}

struct Played {
    GameResult result;
    int opening = 0;
    bool engine1Black = true;
};

// One game as two lines: a comment with the players and the result, then
// the start as SFEN and every move.
void writeGame(std::ofstream& out, int n, const Played& pl, const std::vector<Opening>& openings,
               const std::string names[2]) {
    const Opening& op = openings[static_cast<std::size_t>(pl.opening)];
    const int w = pl.result.winner;
    out << "# game " << n + 1 << " opening " << pl.opening + 1 << ": black " << names[pl.engine1Black ? 0 : 1]
        << ", white " << names[pl.engine1Black ? 1 : 0] << ": "
        << (w > 0   ? "1-0"
            : w < 0 ? "0-1"
                    : "1/2-1/2")
        << ' ' << pl.result.reason << '\n'
        << "sfen " << (op.start == "startpos" ? std::string(kStartSfen) : op.start);
    if (!pl.result.moves.empty()) out << " moves";
    for (const std::string& m : pl.result.moves) out << ' ' << m;
    out << '\n' << std::flush;
}

}  // namespace

int commandMatch(const Args& args) {
    MatchOptions o;
    o.engine[0].goArgs = o.engine[1].goArgs = "movetime 1000";
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (i + 1 >= args.size()) return badArgument(a);
        const std::string& v = args[++i];
        if (a == "--engine1")
            o.engine[0].command = v;
        else if (a == "--engine2")
            o.engine[1].command = v;
        else if (a == "--openings")
            o.openingsFile = v;
        else if (a == "--games-out")
            o.gamesOut = v;
        else if (a == "--option1")
            o.engine[0].setoptions.push_back(v);
        else if (a == "--option2")
            o.engine[1].setoptions.push_back(v);
        else if (a == "--option") {
            o.engine[0].setoptions.push_back(v);
            o.engine[1].setoptions.push_back(v);
        } else if (a == "--go1")
            o.engine[0].goArgs = v;
        else if (a == "--go2")
            o.engine[1].goArgs = v;
        else if (a == "--go")
            o.engine[0].goArgs = o.engine[1].goArgs = v;
        else if (a == "--rounds") {
            if (!readInt(v, 1, 100000, o.rounds)) return badArgument(a + " " + v);
        } else if (a == "--max-plies") {
            if (!readInt(v, 1, 100000, o.maxPlies)) return badArgument(a + " " + v);
        } else if (a == "--concurrency") {
            if (!readInt(v, 1, 64, o.concurrency)) return badArgument(a + " " + v);
        } else if (a == "--move-timeout") {
            int ms = 0;
            if (!readInt(v, 1, 86400000, ms)) return badArgument(a + " " + v);
            o.engine[0].moveTimeoutMs = o.engine[1].moveTimeoutMs = ms;
        } else if (a == "--tc") {
            if (!parseMatchClock(v, o.clock)) return badArgument(a + " " + v);
        } else
            return badArgument(a);
    }
    if (o.engine[0].command.empty() || o.engine[1].command.empty() || o.openingsFile.empty())
        return badArgument("--engine1, --engine2 and --openings are required");
    std::vector<Opening> openings;
    if (!readOpenings(o.openingsFile, openings)) return kExitBadInput;
    std::signal(SIGPIPE, SIG_IGN);  // an engine that dies mid-line must not take the runner with it

    // Games are written as they end to a file beside the one asked for, which
    // takes its name only when the match is over: never half a file under
    // that name, and an interrupted match still leaves the games it played.
    const std::string part = o.gamesOut + ".part";
    std::ofstream records;
    if (!o.gamesOut.empty()) {
        records.open(part, std::ios::trunc);
        if (!records) {
            std::fprintf(stderr, "xantu-engine: match: cannot write '%s'\n", part.c_str());
            return 1;
        }
    }
    const int games = 2 * static_cast<int>(openings.size()) * o.rounds;
    std::vector<Played> played(static_cast<std::size_t>(games));
    std::atomic<int> next{0};
    std::mutex printMutex;
    std::string names[2] = {"engine1", "engine2"};
    long tally[3] = {0, 0, 0};  // engine1's wins, losses, draws so far

    const auto worker = [&] {
        MatchEngine e1(o.engine[0]), e2(o.engine[1]);
        for (int n; (n = next++) < games;) {
            Played& pl = played[static_cast<std::size_t>(n)];
            pl.opening = (n / 2) % static_cast<int>(openings.size());
            pl.engine1Black = n % 2 == 0;
            MatchEngine& black = pl.engine1Black ? e1 : e2;
            MatchEngine& white = pl.engine1Black ? e2 : e1;
            pl.result = playGame(openings[static_cast<std::size_t>(pl.opening)], black, white, o.maxPlies, o.clock);
            const int forEngine1 = pl.engine1Black ? pl.result.winner : -pl.result.winner;
            const std::lock_guard<std::mutex> lock(printMutex);
            if (!e1.name.empty()) names[0] = e1.name;
            if (!e2.name.empty()) names[1] = e2.name;
            ++tally[forEngine1 > 0 ? 0 : forEngine1 < 0 ? 1 : 2];
            std::printf("game %d opening %d black engine%d: %s %s, %zu plies (engine1 +%ld -%ld =%ld)\n", n + 1,
                        pl.opening + 1, pl.engine1Black ? 1 : 2,
                        pl.result.winner > 0   ? "1-0"
                        : pl.result.winner < 0 ? "0-1"
                                               : "1/2-1/2",
                        pl.result.reason.c_str(), pl.result.moves.size(), tally[0], tally[1], tally[2]);
            std::fflush(stdout);
            if (records.is_open()) writeGame(records, n, pl, openings, names);
        }
    };
    std::vector<std::thread> threads;
    for (int t = 0; t < o.concurrency; ++t) threads.emplace_back(worker);
    for (std::thread& t : threads) t.join();

    double ms[2] = {0, 0};
    long moves[2] = {0, 0};
    double spare[2] = {1e18, 1e18};
    long forfeits[2] = {0, 0};
    for (const Played& pl : played) {
        const int b = pl.engine1Black ? 0 : 1;
        spare[b] = std::min(spare[b], pl.result.leastSpareBlack);
        spare[1 - b] = std::min(spare[1 - b], pl.result.leastSpareWhite);
        if (pl.result.reason.starts_with("time forfeit")) ++forfeits[pl.result.winner > 0 ? 1 - b : b];
        ms[b] += pl.result.msBlack;
        moves[b] += pl.result.movesBlack;
        ms[1 - b] += pl.result.msWhite;
        moves[1 - b] += pl.result.movesWhite;
    }
    const EloEstimate e = estimateElo(tally[0], tally[1], tally[2]);
    std::printf("engine1: %s\nengine2: %s\ngames: %d\nwins: %ld\nlosses: %ld\ndraws: %ld\nscore: %.3f\n",
                names[0].c_str(), names[1].c_str(), games, tally[0], tally[1], tally[2], e.score);
    std::printf("elo: %s\nelo_95: %s %s\n", formatElo(e.elo).c_str(), formatElo(e.low).c_str(),
                formatElo(e.high).c_str());
    for (int k = 0; k < 2; ++k)
        std::printf("ms_per_move_engine%d: %.1f\n", k + 1, moves[k] > 0 ? ms[k] / static_cast<double>(moves[k]) : 0.0);
    if (o.clock.on) {
        for (int k = 0; k < 2; ++k)
            std::printf("time_forfeits_engine%d: %ld\nleast_spare_ms_engine%d: %.1f\n", k + 1, forfeits[k], k + 1,
                        spare[k] < 1e17 ? spare[k] : 0.0);
    }

    if (!o.gamesOut.empty()) {
        records.close();
        std::error_code ec;
        if (records.fail())
            ec = std::make_error_code(std::errc::io_error);
        else
            std::filesystem::rename(part, o.gamesOut, ec);
        if (ec) {
            std::fprintf(stderr, "xantu-engine: match: cannot write '%s': %s\n", o.gamesOut.c_str(),
                         ec.message().c_str());
            return 1;
        }
    }
    return 0;
}

}  // namespace xantu::engine
