#include "search/mate_proof.h"

#include "core/legal_moves.h"

namespace xantu::search {

namespace {

// The search's form of a move of the rules.
Move searchMoveOf(const xantu::Move& m) {
    const int to = squareOf(m.toX, m.toY);
    return m.isDrop() ? makeDrop(m.dropKind, to) : makeMove(squareOf(m.fromX, m.fromY), to, m.promotes);
}

// Whether the search's board shows the Position of the rules.
bool sameAs(const Board& b, const Position& p) {
    const Position q = b.toPosition();
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (q.board[x][y] != p.board[x][y]) return false;
    for (int k = 1; k <= 7; ++k)
        if (q.ownHand[k] != p.ownHand[k] || q.enemyHand[k] != p.enemyHand[k]) return false;
    return true;
}

bool takesKing(int taken) { return absCode(taken) == kKing; }

// Whether `by` may take the other side's king at once, by the rules.
bool canTakeKing(const Position& p, Side by) {
    const int king = -sign(by) * kKing;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (p.board[x][y] == king)
                for (const xantu::Move& m : legalMoves(p, by))
                    if (m.toX == x && m.toY == y) return true;
    return false;
}

}  // namespace

ProofReader::ProofReader(const MateTable& table, const std::atomic<bool>& stop)
    : table_(table), stop_(stop), scratch_(std::make_unique<MoveBuffer>()) {}

int ProofReader::walk(Board& b, const Position& p, int boundPlies) {
    known_.clear();
    attacker_ = b.side;
    bound_ = boundPlies > 0 ? boundPlies : kMaxMatePlies;
    if (!sameAs(b, p)) return -1;
    return attackNode(b, p, bound_, nullptr);
}

int ProofReader::attackNode(Board& b, const Position& p, int left, xantu::Move* chosen) {
    if (left < 1 || stop_.load(std::memory_order_relaxed)) return -1;
    const int defender = attacker_ ^ 1;
    const bool capture = b.kingAttacked(defender);
    Move m = 0;
    if (capture) {
        m = kingCapture(b);
        // Shown without promotion where the piece may stay as it is.
        if (m != 0 && isPromotion(m) && isPseudoLegal(b, makeMove(moveFrom(m), moveTo(m), false)))
            m = makeMove(moveFrom(m), moveTo(m), false);
    } else if (left >= 3) {
        const MateEntry* e = table_.find(mateKey(b.key, left));
        if (e != nullptr && e->pn == 0) m = e->best;
    }
    if (m == 0 || !isPseudoLegal(b, m)) return -1;
    const std::optional<xantu::Move> rule = legalMove(p, sideOfColour(attacker_), b.usi(m));
    if (!rule) return -1;
    if (chosen != nullptr) *chosen = *rule;
    Position q = p;
    const bool taken = takesKing(playMove(q, *rule));
    if (capture) return taken ? 1 : -1;
    if (taken) return -1;
    b.make(m);
    const int rest = sameAs(b, q) ? defenceNode(b, q, left - 1) : -1;
    b.unmake(m);
    return rest < 0 ? -1 : rest + 1;
}

int ProofReader::defenceNode(Board& b, const Position& p, int left) {
    const std::uint64_t key = mateKey(b.key, left);
    if (const auto it = known_.find(key); it != known_.end()) return it->second;
    if (left < 2 || stop_.load(std::memory_order_relaxed)) return -1;
    const std::vector<xantu::Move> replies = legalMoves(p, sideOfColour(attacker_ ^ 1));
    generateAll(b, *scratch_);
    int longest = -1;
    if (!replies.empty() && scratch_->size == static_cast<int>(replies.size())) {
        longest = 0;
        for (const xantu::Move& reply : replies) {
            const Move m = searchMoveOf(reply);
            Position q = p;
            if (!isPseudoLegal(b, m) || takesKing(playMove(q, reply))) {
                longest = -1;
                break;
            }
            b.make(m);
            const int rest = sameAs(b, q) ? attackNode(b, q, left - 1, nullptr) : -1;
            b.unmake(m);
            if (rest < 0) {
                longest = -1;
                break;
            }
            if (rest + 1 > longest) longest = rest + 1;
        }
    }
    known_.emplace(key, longest);
    return longest;
}

std::vector<xantu::Move> ProofReader::line(Board& b, const Position& p) {
    std::vector<xantu::Move> out;
    std::vector<Move> made;
    Position q = p;
    int left = bound_;
    const Side defender = sideOfColour(attacker_ ^ 1);
    for (;;) {
        xantu::Move check;
        if (attackNode(b, q, left, &check) < 0) {
            out.clear();
            break;
        }
        out.push_back(check);
        if (takesKing(playMove(q, check))) break;
        made.push_back(searchMoveOf(check));
        b.make(made.back());
        --left;
        // The reply that holds out longest in this proof.
        int longest = -1;
        xantu::Move reply;
        for (const xantu::Move& r : legalMoves(q, defender)) {
            Position after = q;
            playMove(after, r);
            const Move m = searchMoveOf(r);
            b.make(m);
            const int rest = attackNode(b, after, left - 1, nullptr);
            b.unmake(m);
            if (rest > longest) {
                longest = rest;
                reply = r;
            }
        }
        if (longest < 0) {
            out.clear();
            break;
        }
        out.push_back(reply);
        playMove(q, reply);
        made.push_back(searchMoveOf(reply));
        b.make(made.back());
        --left;
    }
    while (!made.empty()) {
        b.unmake(made.back());
        made.pop_back();
    }
    return out;
}

bool lineMates(const Position& p, Side attacker, const std::vector<xantu::Move>& line) {
    Position q = p;
    Side side = attacker;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const std::optional<xantu::Move> m = legalMove(q, side, line[i].usi());
        if (!m || !(*m == line[i])) return false;
        const bool taken = takesKing(playMove(q, *m));
        if (i + 1 == line.size()) return taken && side == attacker;
        if (taken) return false;
        if (side == attacker && !canTakeKing(q, attacker)) return false;
        side = opponent(side);
    }
    return false;
}

}  // namespace xantu::search
