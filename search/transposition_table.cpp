#include "search/transposition_table.h"

#include <algorithm>

#include "search/mate_score.h"

namespace xantu::search {

namespace {

// King-capture scores are stored relative to the node, so that they stay
// right when the same position is met at another ply.
int toTable(int score, int ply) { return score > kMateBound ? score + ply : score < -kMateBound ? score - ply : score; }
int fromTable(int score, int ply) {
    return score > kMateBound ? score - ply : score < -kMateBound ? score + ply : score;
}

}  // namespace

TranspositionTable::TranspositionTable(std::size_t megabytes) {
    std::size_t entries = 1;
    while (entries * 2 * sizeof(TTEntry) <= megabytes * 1024 * 1024) entries *= 2;
    table_.assign(entries, TTEntry{});
    mask_ = entries - 1;
}

void TranspositionTable::clear() { std::fill(table_.begin(), table_.end(), TTEntry{}); }

TTEntry* TranspositionTable::probe(std::uint64_t key, bool& hit) {
    TTEntry* e = &table_[key & mask_];
    hit = e->check == static_cast<std::uint32_t>(key >> 32) && e->bound != kNoBound;
    return e;
}

void TranspositionTable::store(TTEntry* e, std::uint64_t key, Move m, int score, int depth, Bound bound, int ply) {
    const auto check = static_cast<std::uint32_t>(key >> 32);
    if (e->check == check && m == 0) m = e->move;
    if (e->check != check || e->age != age_ || depth >= e->depth - 2 || bound == kExact) {
        e->check = check;
        e->move = m;
        e->score = static_cast<std::int16_t>(toTable(score, ply));
        e->depth = static_cast<std::int8_t>(depth < 127 ? depth : 127);
        e->bound = bound;
        e->age = age_;
    }
}

int TranspositionTable::scoreAt(const TTEntry& e, int ply) { return fromTable(e.score, ply); }

}  // namespace xantu::search
