#include "computer/one_ply_player.h"

#include <cassert>

#include "computer/mate_search.h"

namespace xantu {

ThinkOutcome thinkFromFreshState(const Position& position, int comLevel, const TraceSink* trace) {
    Position p = position;
    // Zero-initialised: the influence tables with their unreset position
    // tables, the start copies, pins and bishop-check squares, and
    // originKingDistance.
    InfluenceMap m{};
    TurnState t{};
    ThinkOutcome out;
    勢力調査(p, m);
    out.commated = 詰めかCOM(p, m);
    out.search = comSearch(p, m, t, comLevel, nullptr, nullptr, trace);
    ++out.search.surveys;
    return out;
}

OnePlyPlayer::OnePlyPlayer(int level, const TraceSink* trace) : level_(level), trace_(trace) {}

OnePlyPlayer::OnePlyPlayer(int level, Position& board, InfluenceMap& map, TurnState& turn, SearchTick tick,
                           void* tickContext)
    : level_(level), board_(&board), map_(&map), turn_(&turn), tick_(tick), tickContext_(tickContext) {}

Thought OnePlyPlayer::think(const Position& p, Side side, const Limits&, const std::atomic<bool>&,
                            const InfoSink& onInfo) {
    if (board_ != nullptr) {
        assert(&p == board_ && side == Side::Upper);
        last_ = ThinkOutcome{};
        last_.search = comSearch(*board_, *map_, *turn_, level_, tick_, tickContext_, trace_);
    } else {
        const bool lower = side == Side::Lower;
        last_ = thinkFromFreshState(lower ? turnedAboutWithKings(p) : p, level_, trace_);
        if (last_.search.found && lower) last_.search.move = turnedAbout(last_.search.move);
    }
    const SearchResult& s = last_.search;
    Thought t;
    if (!s.found) return t;
    t.hasMove = true;
    t.move = s.move;
    t.scoreCp = s.score;
    t.nodes = static_cast<std::uint64_t>(s.candidates);
    t.depth = 1;
    if (onInfo) {
        Info info;
        info.depth = 1;
        info.scoreCp = t.scoreCp;
        info.nodes = t.nodes;
        info.timed = false;
        info.pv = t.move.usi();
        onInfo(info);
    }
    return t;
}

}  // namespace xantu
