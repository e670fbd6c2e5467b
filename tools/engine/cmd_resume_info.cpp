// resume-info FILE: what a kept unfinished game holds, so that its format
// can be checked from outside: the moves, whose turn it is, the level (and an
// outside engine by name) and the SFEN of the Position on the board. A file the game would refuse gives
// one line on stderr with the reason (not-found, cannot-read, other-format,
// newer-version, broken, inconsistent) and exit status 2.
#include <cstdio>

#include "core/sfen.h"
#include "tools/engine/commands.h"
#include "window/kept_game.h"

namespace xantu::engine {

namespace {

const char* statusName(ResumeReadStatus s) {
    switch (s) {
    case ResumeReadStatus::Ok: return "ok";
    case ResumeReadStatus::NotFound: return "not-found";
    case ResumeReadStatus::CannotRead: return "cannot-read";
    case ResumeReadStatus::OtherFormat: return "other-format";
    case ResumeReadStatus::Newer: return "newer-version";
    case ResumeReadStatus::Broken: return "broken";
    case ResumeReadStatus::Inconsistent: return "inconsistent";
    }
    return "?";
}

// An order value as the menu names it (先手 moves first).
const char* orderName(int order) { return order == 1 ? "先手" : order == -1 ? "後手" : "none"; }

}  // namespace

int commandResumeInfo(const Args& args) {
    if (args.size() != 1) {
        std::fprintf(stderr, "xantu-engine: resume-info: give one file\n");
        return kExitBadInput;
    }
    const ResumeReadResult r = 読込_再開ファイル(args[0]);
    if (r.status != ResumeReadStatus::Ok) {
        std::fprintf(stderr, "xantu-engine: resume-info: %s: %s\n", args[0].c_str(), statusName(r.status));
        return kExitBadInput;
    }
    const ResumeState& s = r.state;
    const GameState& g = s.game;
    std::printf("status ok\n");
    std::printf("moves %d\n", g.moveNumber);
    std::printf("record-length %d\n", s.moves.recordLength);
    std::printf("last-entry %d\n", s.moves.lastEntry);
    std::printf("side-to-move %s\n", orderName(g.sideToMove));
    // The human plays the lower side; in a game of two humans, both.
    std::printf("human-side %s\n", g.vsComputer == 1 ? orderName(g.manSide) : "both");
    std::printf("opponent %s\n", g.vsComputer == 1 ? "computer" : "human");
    std::printf("level %d\n", g.opponent.level);
    if (g.opponent.isEngine()) std::printf("engine %s\n", g.opponent.engine.c_str());
    std::printf("handicap %d%s\n", g.handicapLevel, g.handicapSet == 1 ? " set" : "");
    std::printf("flipped %d\n", g.flipped);
    std::printf("record-mode %d\n", g.recordMode);
    std::printf("clocks lower %.3f upper %.3f\n", s.clocks.manSeconds, s.clocks.comSeconds);
    // The side to move, as SFEN has it (b the lower side, whose pieces are
    // negative): sideToMove and manSide are order values, 先手 or 後手, and
    // the lower side is manSide's, whoever began and whoever plays it.
    const Side side = g.sideToMove == g.manSide ? Side::Lower : Side::Upper;
    std::printf("sfen %s\n", toSfen(s.position, side).c_str());
    return 0;
}

}  // namespace xantu::engine
