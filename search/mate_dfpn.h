#pragma once
// One depth-first proof-number search (df-pn) for a mate within a bound of
// plies: the attacker's nodes try the checks, the defender's nodes the
// evasions (mate_moves.h). Each node keeps a proof number (how many more
// nodes at least must be proven to prove it) and a disproof number; the
// search always goes down to the most proving node, with thresholds that
// send it back up as soon as another node looks better, and keeps what it
// learnt in the table (mate_table.h).
#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>

#include "search/mate_moves.h"
#include "search/mate_table.h"

namespace xantu::search {

struct DfpnOutcome {
    enum Kind { Proven, Disproven, Open } kind = Open;
    // Whether a line was cut off by the bound: a disproof without that shows
    // that no mate by checks exists at all.
    bool boundCut = false;
};

class MateSearch {
public:
    using Clock = std::chrono::steady_clock;

    explicit MateSearch(MateTable& table);

    // Searches b (the attacker to move) for a mate within `boundPlies` plies
    // (0 for kMaxMatePlies); b is restored before it returns. The table then
    // holds the proof of this search until the next one starts. Open when
    // the deadline, the stop flag or `nodeLimit` (nodes counted since
    // resetNodes, 0 for none) came first.
    DfpnOutcome run(Board& b, int boundPlies, Clock::time_point deadline, const std::atomic<bool>& stop,
                    std::uint64_t nodeLimit);

    // Nodes searched since reset.
    std::uint64_t nodes() const { return nodes_; }
    void resetNodes() { nodes_ = 0; }

private:
    // A node's numbers as its search leaves them, and the shallowest ply of
    // an ancestor whose position a disproof leans on coming back to
    // (kNoLoop for none): such a disproof holds on the present line only.
    static constexpr int kNoLoop = 255;
    struct Numbers {
        std::uint32_t pn = 1, dn = 1;
        int loop = kNoLoop;
    };
    Numbers mid(int ply, std::uint32_t thpn, std::uint32_t thdn);
    void pollLimits();

    // The proof and disproof numbers of one node's children.
    struct ChildNumbers {
        std::uint32_t pn[MateChildren::kCapacity];
        std::uint32_t dn[MateChildren::kCapacity];
        std::uint8_t loop[MateChildren::kCapacity];
    };

    MateTable& table_;
    std::unique_ptr<MateChildren[]> children_;  // one list per ply
    std::unique_ptr<ChildNumbers[]> numbers_;   // and their numbers
    std::unique_ptr<MoveBuffer> scratch_;
    std::uint64_t path_[kMaxMatePlies + 1] = {};  // position keys of the line
    Board* board_ = nullptr;
    int attacker_ = 0;
    int bound_ = 0;
    std::uint64_t nodes_ = 0;
    std::uint64_t nodeLimit_ = 0;
    Clock::time_point deadline_;
    const std::atomic<bool>* stop_ = nullptr;
    bool aborted_ = false;
    bool boundCut_ = false;
};

}  // namespace xantu::search
