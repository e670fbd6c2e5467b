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

// The stored check is the key's high half mixed with the entry's contents:
// threads write entries without a lock, and an entry torn by two writes at
// once then no longer matches any key, instead of pairing one position's key
// with another's result.
std::uint32_t contents(const TTEntry& e) {
    return e.move ^ static_cast<std::uint16_t>(e.score) ^ (static_cast<std::uint32_t>(e.depth & 0xFF) << 16) ^
           (static_cast<std::uint32_t>(e.bound) << 24);
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
    hit = (e->check ^ contents(*e)) == static_cast<std::uint32_t>(key >> 32) && e->bound != kNoBound;
    return e;
}

void TranspositionTable::store(TTEntry* e, std::uint64_t key, Move m, int score, int depth, Bound bound, int ply) {
    const auto check = static_cast<std::uint32_t>(key >> 32);
    const bool same = (e->check ^ contents(*e)) == check;
    if (same && m == 0) m = e->move;
    if (!same || e->age != age_ || depth >= e->depth - 2 || bound == kExact) {
        TTEntry n{};
        n.move = m;
        n.score = static_cast<std::int16_t>(toTable(score, ply));
        n.depth = static_cast<std::int8_t>(depth < 127 ? depth : 127);
        n.bound = bound;
        n.age = age_;
        n.check = check ^ contents(n);
        *e = n;
    }
}

int TranspositionTable::scoreAt(const TTEntry& e, int ply) { return fromTable(e.score, ply); }

}  // namespace xantu::search
