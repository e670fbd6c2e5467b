// selfplay [--level N] [--games G] [--seed S] [--positions]: the computer plays both
// sides. The upper side searches the board as it stands; the lower side's
// board is turned about before each of its searches (the survey that
// precedes every search sets both king squares) and its move turned back. Each side keeps its own influence map and
// turn state from move to move, as a window would. A game ends when a king is captured or after 500 moves. Seed 0 (the
// default) starts every game from the standard layout; any other seed draws each game's handicap level (-10..+10) from
// it.
// --positions also prints, before every move, the Position as SFEN.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>

#include "computer/one_ply_search.h"
#include "core/game_state.h"
#include "core/hand_rows.h"
#include "core/handicap.h"
#include "core/move_rules.h"
#include "core/sfen.h"
#include "influence/influence_map.h"
#include "tools/engine/commands.h"

namespace xantu::engine {

namespace {

constexpr int kMaxMoves = 500;

struct SeatState {  // what the one-ply player keeps across one seat's turns
    InfluenceMap map{};
    TurnState turn{};
};

std::uint64_t splitmix(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

bool parseCount(const std::string& s, long& out) {
    if (s.empty() || s.size() > 9) return false;
    long v = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return false;
        v = v * 10 + (c - '0');
    }
    out = v;
    return true;
}

}  // namespace

int commandSelfplay(const Args& args) {
    int level = 3;
    long games = 1, seedArg = 0;
    bool positions = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        long v = 0;
        if (a == "--positions") {
            positions = true;
            continue;
        }
        if (a == "--level" && hasValue && parseCount(args[i + 1], v) && v >= 1 && v <= 3) {
            level = static_cast<int>(v);
        } else if (a == "--games" && hasValue && parseCount(args[i + 1], v) && v >= 1) {
            games = v;
        } else if (a == "--seed" && hasValue && parseCount(args[i + 1], v)) {
            seedArg = v;
        } else {
            std::fprintf(
                stderr, "xantu-engine: selfplay: bad argument '%s' (--level 1|2|3, --games G, --seed S, --positions)\n",
                a.c_str());
            return kExitBadInput;
        }
        ++i;
    }

    std::uint64_t rng = static_cast<std::uint64_t>(seedArg);
    long upperWins = 0, lowerWins = 0, unfinished = 0, totalMoves = 0;
    const auto start = std::chrono::steady_clock::now();
    for (long g = 1; g <= games; ++g) {
        const int handicap = seedArg == 0 ? 0 : static_cast<int>(splitmix(rng) % 21) - 10;
        Position p;
        初期配置(p);
        applyHandicap(p, handicap);
        GameState gs;
        gs.manSide = kSente;  // the lower side moves first
        gs.comSide = kGote;
        InfluenceMap scratch{};
        勢力調査(p, scratch);  // sets both king squares
        SeatState upper, lower;
        std::printf("game %ld handicap %d\nmoves:", g, handicap);
        int moves = 0;
        bool lowerToMove = true;
        while (gs.winnerSide == 0 && moves < kMaxMoves) {
            if (positions)
                std::printf("\nposition %d %s\n", moves + 1,
                            toSfen(p, lowerToMove ? Side::Lower : Side::Upper).c_str());
            SeatState& me = lowerToMove ? lower : upper;
            Position view = lowerToMove ? turnedAboutWithKings(p) : p;
            // The survey a window makes when the turn is handed over.
            勢力調査(view, me.map);
            const SearchResult r = comSearch(view, me.map, me.turn, level);
            if (!r.found) break;  // no move at all: the game cannot go on
            const Move m = lowerToMove ? turnedAbout(r.move) : r.move;
            std::printf(" %s", m.usi().c_str());
            駒移動_局面(p, gs, m.originX(), m.originY(), m.toX, m.toY, m.placed);
            ++moves;
            lowerToMove = !lowerToMove;
        }
        const char* result = "unfinished";
        if (gs.winnerSide == gs.manSide) {
            result = "lower side wins";
            ++lowerWins;
        } else if (gs.winnerSide == gs.comSide) {
            result = "upper side wins";
            ++upperWins;
        } else {
            ++unfinished;
        }
        totalMoves += moves;
        std::printf("\nresult: %s after %d moves\nfinal: %s\n", result, moves,
                    toSfen(p, lowerToMove ? Side::Lower : Side::Upper).c_str());
    }
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::printf("games: %ld\nupper_wins: %ld\nlower_wins: %ld\nunfinished: %ld\nmoves: %ld\ntime_ms: %.0f\n", games,
                upperWins, lowerWins, unfinished, totalMoves, ms);
    std::printf("ms_per_move: %.1f\n", totalMoves > 0 ? ms / static_cast<double>(totalMoves) : 0.0);
    return 0;
}

}  // namespace xantu::engine
