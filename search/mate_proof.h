#pragma once
// Reading a mate back from the table, trusting nothing the search believed:
// the proof tree is walked again with the game's own rules (core/legal_moves)
// beside the search's board. At the attacker's nodes the table's check must be
// a move the rules allow; at the defender's nodes every reply the rules allow
// is tried (and must be exactly the replies the search's generator knows),
// and each must be answered: by taking the king at once, or by a check whose
// own proof holds in turn. The rules' Position and the search's board must
// agree after every move.
#include <atomic>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "core/move.h"
#include "core/position.h"
#include "search/mate_table.h"
#include "search/movegen.h"

namespace xantu::search {

class ProofReader {
public:
    ProofReader(const MateTable& table, const std::atomic<bool>& stop);

    // The length in plies of the mate the table proves for the side to move
    // in b (p the same position), left by a search with that bound (0 for
    // none: kMaxMatePlies); -1 when the table does not hold a whole proof
    // that the rules confirm, or when stopped.
    int walk(Board& b, const Position& p, int boundPlies);
    // After a successful walk: the attacker's moves of the proof with the
    // defender's longest resistance (the first such reply in the rules'
    // order), ending with the king's capture.
    std::vector<xantu::Move> line(Board& b, const Position& p);

private:
    int attackNode(Board& b, const Position& p, int left, xantu::Move* chosen);
    int defenceNode(Board& b, const Position& p, int left);

    const MateTable& table_;
    const std::atomic<bool>& stop_;
    int attacker_ = 0;
    int bound_ = 0;
    std::unique_ptr<MoveBuffer> scratch_;
    std::unordered_map<std::uint64_t, int> known_;  // defender's nodes walked: their length
};

// Whether the line, played from p with the rules, is a mate for `attacker`:
// every move allowed, every attacker's move but the last leaves the
// defender's king attacked, no king is taken before the last move, and the
// last move takes the defender's king.
bool lineMates(const Position& p, Side attacker, const std::vector<xantu::Move>& line);

}  // namespace xantu::search
