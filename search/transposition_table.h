#pragma once
// The transposition table: what earlier searches learnt about a position
// (best move, score, depth, bound), found again by the Zobrist key when the
// same position is reached by another order of moves or in the next
// iteration. One entry per slot; a slot is replaced unless it holds a deeper
// result of the current search.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "search/board.h"

namespace xantu::search {

enum Bound : std::uint8_t { kNoBound, kUpperBound, kLowerBound, kExact };

struct TTEntry {
    std::uint32_t check;  // the key's high half
    Move move;
    std::int16_t score;  // king captures relative to this node (see store)
    std::int8_t depth;
    std::uint8_t bound;
    std::uint8_t age;  // the search that wrote it
    std::uint8_t pad[3];
};
static_assert(sizeof(TTEntry) == 16);

class TranspositionTable {
public:
    // The largest power-of-two number of entries that fits in `megabytes`.
    explicit TranspositionTable(std::size_t megabytes);

    void clear();
    // Marks the entries written from now on as the new search's.
    void newSearch() { ++age_; }

    // The slot of `key`; hit tells whether it holds that position.
    TTEntry* probe(std::uint64_t key, bool& hit);
    // Writes a result into the slot probe gave. A result without a move keeps
    // the move already stored for the same position.
    void store(TTEntry* e, std::uint64_t key, Move m, int score, int depth, Bound bound, int ply);
    // The stored score as seen from a node at `ply`.
    static int scoreAt(const TTEntry& e, int ply);

private:
    std::vector<TTEntry> table_;
    std::uint64_t mask_ = 0;
    std::uint8_t age_ = 0;
};

}  // namespace xantu::search
