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
    bound_ = boundPlies <= 0 || boundPlies > kMaxMatePlies ? kMaxMatePlies : boundPlies;
    deadline_ = deadline;
    stop_ = &stop;
    nodeLimit_ = nodeLimit;
    aborted_ = boundCut_ = false;
    table_.newSearch();
    path_[0] = b.key;
    pollLimits();
    DfpnOutcome out;
    if (aborted_) return out;
    const Numbers root = mid(0, kInfinitePn, kInfinitePn);
    out.boundCut = boundCut_;
    if (root.pn == 0) out.kind = DfpnOutcome::Proven;
    if (root.dn == 0 && !aborted_) out.kind = DfpnOutcome::Disproven;
    return out;
}

void MateSearch::pollLimits() {
    if (stop_->load(std::memory_order_relaxed) || (nodeLimit_ != 0 && nodes_ >= nodeLimit_) ||
        Clock::now() >= deadline_)
        aborted_ = true;
}

MateSearch::Numbers MateSearch::mid(int ply, std::uint32_t thpn, std::uint32_t thdn) {
    Board& b = *board_;
    const int left = bound_ - ply;
    const std::uint64_t key = mateKey(b.key, left);
    const bool attack = b.side == attacker_;
    const int defender = attacker_ ^ 1;
    if ((++nodes_ & 1023) == 0) pollLimits();
    const std::uint64_t before = nodes_;
    const auto settle = [&](Numbers r, Move best) {
        // A disproof that leans on a line coming back to an ancestor of this
        // node holds on this line only: the table gets numbers that invite a
        // new look from elsewhere instead.
        const bool local = r.dn == 0 && r.loop < ply;
        table_.store(key, local ? kInfinitePn - 1 : r.pn, local ? 1 : r.dn, best,
                     static_cast<std::uint32_t>(nodes_ - before + 1));
        if (!local) r.loop = kNoLoop;
        return r;
    };
    const Numbers proven{0, kInfinitePn, kNoLoop}, disproven{kInfinitePn, 0, kNoLoop};

    MateChildren& c = children_[ply];
    if (attack) {
        if (b.kingAttacked(defender)) return settle(proven, 0);  // the king is taken now
        if (left < 3) {                                          // no room for check, reply and capture
            boundCut_ = true;
            return settle(disproven, 0);
        }
        generateChecks(b, c);
        if (c.size == 0) return settle(disproven, 0);
    } else {
        if (b.kingAttacked(attacker_)) return settle(disproven, 0);  // the defender takes the attacker's king
        generateEvasions(b, c);
        // Every reply leaves the king to be taken; a side with no move at all
        // is not a mate the rules know.
        if (c.size == 0) return settle(hasAnyMove(b, *scratch_) ? proven : disproven, 0);
        if (left < 4) {  // an evasion leaves too few plies for another check
            boundCut_ = true;
            return settle(disproven, 0);
        }
    }

    // The children's numbers: from the table once, then only the child just
    // searched is updated (a sibling that changed meanwhile through a
    // transposition is seen when the node is next entered). A child that
    // repeats a position of the line is a disproof for this line: a proof,
    // if there is one, never needs to come back to a position it has been
    // through (the shorter proof from the second visit would do).
    const int childLeft = left - 1;
    ChildNumbers& n = numbers_[ply];
    for (int i = 0; i < c.size; ++i) {
        n.pn[i] = n.dn[i] = 1;
        n.loop[i] = kNoLoop;
        int repeats = -1;
        for (int p = ply - 1; p >= 0 && repeats < 0; p -= 2)
            if (path_[p] == c.keys[i]) repeats = p;
        if (c.lost[i] || repeats >= 0) {
            n.pn[i] = kInfinitePn;
            n.dn[i] = 0;
            if (repeats >= 0) n.loop[i] = static_cast<std::uint8_t>(repeats);
        } else if (const MateEntry* e = table_.find(mateKey(c.keys[i], childLeft))) {
            n.pn[i] = e->pn;
            n.dn[i] = e->dn;
        }
    }
    Numbers r;
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
        r.pn = attack ? bestValue : sum;
        r.dn = attack ? sum : bestValue;
        if (r.pn == 0) r.dn = kInfinitePn;
        if (r.dn == 0) r.pn = kInfinitePn;
        if (r.pn >= thpn || r.dn >= thdn || aborted_) break;
        // The most proving child gets thresholds that bring it back once the
        // second best would be better, or the node's own threshold is met.
        const std::uint32_t cap = second >= kInfinitePn ? kInfinitePn : second + 1;
        std::uint32_t cthpn, cthdn;
        if (attack) {
            cthpn = thpn < cap ? thpn : cap;
            cthdn = thdn - r.dn + n.dn[best];
        } else {
            cthdn = thdn < cap ? thdn : cap;
            cthpn = thpn - r.pn + n.pn[best];
        }
        const Move m = c.moves[best];
        b.make(m);
        path_[ply + 1] = b.key;
        const Numbers child = mid(ply + 1, cthpn, cthdn);
        b.unmake(m);
        n.pn[best] = child.pn;
        n.dn[best] = child.dn;
        n.loop[best] = static_cast<std::uint8_t>(child.loop);
    }
    // What a disproof leans on: an attacker's node needs every child
    // disproven (the lowest ancestor any of them leans on), a defender's node
    // one (the one leaning on the highest, or on none).
    r.loop = kNoLoop;
    if (r.dn == 0) {
        int loop = attack ? kNoLoop : -1;
        for (int i = 0; i < c.size; ++i) {
            if (n.dn[i] != 0) continue;
            loop = attack ? (n.loop[i] < loop ? n.loop[i] : loop) : (n.loop[i] > loop ? n.loop[i] : loop);
        }
        r.loop = loop;
    }
    return settle(r, attack && r.pn == 0 ? c.moves[best] : 0);
}

}  // namespace xantu::search
