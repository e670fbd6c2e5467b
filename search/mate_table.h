#pragma once
// The mate solver's table: the proof and disproof numbers learnt for each
// node, found again by the node's key when another order of moves reaches it
// and when the search comes back to a node it left. Sized once; a solve
// writes only into it, so the search allocates nothing while it runs.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "search/board.h"

namespace xantu::search {

// The longest mate the solver looks for.
inline constexpr int kMaxMatePlies = kMaxPly - 3;

// The key of a node: the position's key mixed with the plies left, so that
// the same position with fewer plies left to mate in is another node (and the
// nodes form no cycle).
inline constexpr std::uint64_t mateKey(std::uint64_t positionKey, int pliesLeft) {
    std::uint64_t z = static_cast<std::uint64_t>(pliesLeft) * 0x9E3779B97F4A7C15ULL + 0x632BE59BD9B4E019ULL;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return positionKey ^ z ^ (z >> 31);
}

// A proof or disproof number of kInfinitePn is final: 0 on the other side.
inline constexpr std::uint32_t kInfinitePn = 1u << 30;

struct MateEntry {
    std::uint64_t key = 0;
    std::uint32_t pn = 1, dn = 1;
    Move best = 0;           // an attacker's node once proven: the check that mates
    std::uint32_t work = 0;  // nodes searched below it: what replacing it would lose
    std::uint32_t generation = 0;
};

class MateTable {
public:
    explicit MateTable(std::size_t megabytes);

    // Starts a new search: what earlier ones wrote is no longer found (and
    // is the first to be replaced).
    void newSearch();

    // The entry of `key` written in this search, or nullptr.
    const MateEntry* find(std::uint64_t key) const;
    // Writes (or rewrites) the entry of `key`. A slot is taken from an older
    // search first, then from the unfinished entry with the least work; a
    // proven or disproven entry goes last, because the proof is read back
    // from the table after the search.
    void store(std::uint64_t key, std::uint32_t pn, std::uint32_t dn, Move best, std::uint32_t work);

private:
    static constexpr int kWays = 4;
    struct Bucket {
        MateEntry e[kWays];
    };
    std::vector<Bucket> buckets_;
    std::uint64_t mask_ = 0;
    std::uint32_t generation_ = 1;
};

}  // namespace xantu::search
