#include "search/mate_dfpn.h"

namespace xantu::search {

namespace {

// Sums of proof numbers stop just below infinity: only a final node is
// infinite.
inline std::uint32_t addCapped(std::uint32_t a, std::uint32_t b) {
    const std::uint32_t s = a + b;  // both at most kInfinitePn: no overflow
    return s >= kInfinitePn ? kInfinitePn - 1 : s;
}

}  // namespace

MateSearch::MateSearch(MateTable& table)
    : table_(table),
      children_(std::make_unique<MateChildren[]>(kMaxMatePlies + 1)),
      numbers_(std::make_unique<ChildNumbers[]>(kMaxMatePlies + 1)),
      scratch_(std::make_unique<MoveBuffer>()) {}

DfpnOutcome MateSearch::run(Board& b, int boundPlies, Clock::time_point deadline, const std::atomic<bool>& stop,
                            std::uint64_t nodeLimit) {
    board_ = &b;
    attacker_ = b.side;
    bounded_ = boundPlies > 0;
    bound_ = !bounded_ || boundPlies > kMaxMatePlies ? kMaxMatePlies : boundPlies;
    deadline_ = deadline;
    stop_ = &stop;
    nodeLimit_ = nodeLimit;
    aborted_ = boundCut_ = loopCut_ = false;
    table_.newSearch();
    path_[0] = b.key;
    pollLimits();
    if (!aborted_) mid(0, kInfinitePn, kInfinitePn);

    DfpnOutcome out;
    out.boundCut = boundCut_;
    out.loopCut = loopCut_;
    if (const MateEntry* e = table_.find(mateKey(b.key, bound_))) {
        if (e->pn == 0) out.kind = DfpnOutcome::Proven;
        if (e->dn == 0 && !aborted_) out.kind = DfpnOutcome::Disproven;
    }
    return out;
}

void MateSearch::pollLimits() {
    if (stop_->load(std::memory_order_relaxed) || (nodeLimit_ != 0 && nodes_ >= nodeLimit_) ||
        Clock::now() >= deadline_)
        aborted_ = true;
}

void MateSearch::mid(int ply, std::uint32_t thpn, std::uint32_t thdn) {
    Board& b = *board_;
    const int left = bound_ - ply;
    const std::uint64_t key = mateKey(b.key, left);
    const bool attack = b.side == attacker_;
    const int defender = attacker_ ^ 1;
    if ((++nodes_ & 1023) == 0) pollLimits();
    const std::uint64_t before = nodes_;
    const auto settle = [&](std::uint32_t pn, std::uint32_t dn, Move best) {
        table_.store(key, pn, dn, best, static_cast<std::uint32_t>(nodes_ - before + 1));
    };
    const auto proven = [&] { settle(0, kInfinitePn, 0); };
    const auto disproven = [&] { settle(kInfinitePn, 0, 0); };

    MateChildren& c = children_[ply];
    if (attack) {
        if (b.kingAttacked(defender)) return proven();  // the king is taken now
        if (left < 3) {                                 // no room for check, reply and capture
            boundCut_ = true;
            return disproven();
        }
        generateChecks(b, c);
        if (c.size == 0) return disproven();
    } else {
        if (b.kingAttacked(attacker_)) return disproven();  // the defender takes the attacker's king
        generateEvasions(b, c);
        if (c.size == 0) {
            // Every reply leaves the king to be taken; a side with no move
            // at all is not a mate the rules know.
            return hasAnyMove(b, *scratch_) ? proven() : disproven();
        }
        if (left < 4) {  // an evasion leaves too few plies for another check
            boundCut_ = true;
            return disproven();
        }
    }
    // A child that repeats a position of the line wins nothing for the
    // attacker: either side may go round again.
    for (int i = 0; i < c.size && !bounded_; ++i)
        for (int p = ply - 1; p >= 0 && !c.lost[i]; p -= 2)
            if (path_[p] == c.keys[i]) {
                c.lost[i] = true;
                loopCut_ = true;
            }

    // The children's numbers: from the table once, then only the child just
    // searched is read again (a sibling that changed meanwhile through a
    // transposition is seen when the node is next entered).
    const int childLeft = left - 1;
    ChildNumbers& n = numbers_[ply];
    for (int i = 0; i < c.size; ++i) {
        n.pn[i] = n.dn[i] = 1;
        if (c.lost[i]) {
            n.pn[i] = kInfinitePn;
            n.dn[i] = 0;
        } else if (const MateEntry* e = table_.find(mateKey(c.keys[i], childLeft))) {
            n.pn[i] = e->pn;
            n.dn[i] = e->dn;
        }
    }
    std::uint32_t pn = 0, dn = 0;
    int best = 0;
    for (;;) {
        // The node's numbers from its children's: an attacker's node is
        // proven by one child (pn = min, dn = sum), a defender's node by all
        // (pn = sum, dn = min).
        const std::uint32_t* mine = attack ? n.pn : n.dn;
        const std::uint32_t* other = attack ? n.dn : n.pn;
        std::uint32_t bestValue = kInfinitePn + 1, second = kInfinitePn + 1, sum = 0;
        best = 0;
        for (int i = 0; i < c.size; ++i) {
            sum = addCapped(sum, other[i]);
            if (mine[i] < bestValue) {
                second = bestValue;
                bestValue = mine[i];
                best = i;
            } else if (mine[i] < second) {
                second = mine[i];
            }
        }
        pn = attack ? bestValue : sum;
        dn = attack ? sum : bestValue;
        if (pn == 0) dn = kInfinitePn;
        if (dn == 0) pn = kInfinitePn;
        if (pn >= thpn || dn >= thdn || aborted_) break;
        // The most proving child gets thresholds that bring it back once the
        // second best would be better, or the node's own threshold is met.
        const std::uint32_t cap = second >= kInfinitePn ? kInfinitePn : second + 1;
        std::uint32_t cthpn, cthdn;
        if (attack) {
            cthpn = thpn < cap ? thpn : cap;
            cthdn = thdn - dn + n.dn[best];
        } else {
            cthdn = thdn < cap ? thdn : cap;
            cthpn = thpn - pn + n.pn[best];
        }
        const Move m = c.moves[best];
        b.make(m);
        path_[ply + 1] = b.key;
        mid(ply + 1, cthpn, cthdn);
        b.unmake(m);
        if (const MateEntry* e = table_.find(mateKey(c.keys[best], childLeft))) {
            n.pn[best] = e->pn;
            n.dn[best] = e->dn;
        }
    }
    settle(pn, dn, attack && pn == 0 ? c.moves[best] : 0);
}

}  // namespace xantu::search
