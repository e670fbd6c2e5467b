#include "search/search.h"

#include <chrono>
#include <cmath>
#include <cstring>
#include <vector>

#include "search/eval.h"
#include "search/movegen.h"

namespace xantu::search {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kInfinity = 32000;
constexpr int kMate = 31000;              // a king captured at the root
constexpr int kMateBound = kMate - 1000;  // scores beyond this are king captures
constexpr int kLazyMargin = 300;          // the most the slow evaluation terms usually add
constexpr int kDeltaMargin = 200;
// Each pruning kept only while a match shows it gains. Measured with the
// tuned weights, 40 games each: null move lost 14-24-2 at 100 ms a move;
// late-move reductions scored 20-20 at 100 ms and 22-18 at 200 ms.
constexpr bool kNullMove = false;
constexpr bool kLateMoveReductions = true;
constexpr int kMaxQuiescence = 8;  // capture plies before standing pat regardless

enum Bound : std::uint8_t { kNone, kUpperBound, kLowerBound, kExact };

struct TTEntry {
    std::uint32_t check;
    Move move;
    std::int16_t score;
    std::int8_t depth;
    std::uint8_t bound;
    std::uint8_t age;
    std::uint8_t pad[3];
};
static_assert(sizeof(TTEntry) == 16);

// Mate scores are stored relative to the node, so that they stay right when
// the same position is met at another ply.
int toTT(int score, int ply) { return score > kMateBound ? score + ply : score < -kMateBound ? score - ply : score; }
int fromTT(int score, int ply) { return score > kMateBound ? score - ply : score < -kMateBound ? score + ply : score; }

// A score of kMate - p means the king falls with the move after p plies.
int mateInPlies(int score) {
    if (score > kMateBound) return kMate - score + 1;
    if (score < -kMateBound) return -(kMate + score + 1);
    return 0;
}

int capturedType(const Board& b, Move m) { return isDrop(m) ? 0 : typeOf(b.sq[moveTo(m)]); }

}  // namespace

struct Searcher::Impl {
    Board board;
    std::vector<TTEntry> table;
    std::uint64_t tableMask = 0;
    std::uint8_t age = 0;
    MoveList lists[kMaxPly + 1];
    Move killers[kMaxPly + 1][2];
    int history[2][kTypeCount][kSquares];
    Move pv[kMaxPly + 1][kMaxPly + 1];
    int pvLength[kMaxPly + 1];

    std::uint64_t nodes = 0;
    std::uint64_t nodeLimit = 0;
    Clock::time_point start;
    Clock::time_point hardDeadline;
    bool hasDeadline = false;
    bool aborted = false;
    const std::atomic<bool>* stop = nullptr;
    int selDepth = 0;
    int rootDepth = 0;

    explicit Impl(std::size_t megabytes) {
        std::size_t entries = 1;
        while (entries * 2 * sizeof(TTEntry) <= megabytes * 1024 * 1024) entries *= 2;
        table.assign(entries, TTEntry{});
        tableMask = entries - 1;
        clear();
    }

    void clear() {
        std::fill(table.begin(), table.end(), TTEntry{});
        std::memset(history, 0, sizeof history);
        std::memset(killers, 0, sizeof killers);
    }

    bool timeUp() {
        if (aborted) return true;
        if (nodeLimit != 0 && nodes >= nodeLimit) return aborted = true;
        if ((nodes & 511) == 0) {
            if (stop->load(std::memory_order_relaxed)) return aborted = true;
            if (hasDeadline && Clock::now() >= hardDeadline) return aborted = true;
        }
        return false;
    }

    TTEntry* probe(std::uint64_t key, bool& hit) {
        TTEntry* e = &table[key & tableMask];
        hit = e->check == static_cast<std::uint32_t>(key >> 32) && e->bound != kNone;
        return e;
    }

    void store(TTEntry* e, std::uint64_t key, Move m, int score, int depth, Bound bound, int ply) {
        const auto check = static_cast<std::uint32_t>(key >> 32);
        if (e->check == check && m == 0) m = e->move;
        if (e->check != check || e->age != age || depth >= e->depth - 2 || bound == kExact) {
            e->check = check;
            e->move = m;
            e->score = static_cast<std::int16_t>(toTT(score, ply));
            e->depth = static_cast<std::int8_t>(depth < 127 ? depth : 127);
            e->bound = bound;
            e->age = age;
        }
    }

    void scoreMoves(MoveList& list, Move hashMove, int ply) {
        const int us = board.side;
        for (int i = 0; i < list.size; ++i) {
            const Move m = list.moves[i];
            int s;
            const int victim = capturedType(board, m);
            if (m == hashMove) {
                s = 1 << 30;
            } else if (victim != 0) {
                const int attacker = typeOf(board.sq[moveFrom(m)]);
                s = (1 << 28) + kOrderValue[victim] * 64 - kOrderValue[attacker] + (isPromotion(m) ? 32 : 0);
            } else if (isPromotion(m)) {
                s = (1 << 27) + kOrderValue[typeOf(board.sq[moveFrom(m)])];
            } else if (m == killers[ply][0]) {
                s = (1 << 26) + 1;
            } else if (m == killers[ply][1]) {
                s = 1 << 26;
            } else {
                const int t = isDrop(m) ? moveDropType(m) : typeOf(board.sq[moveFrom(m)]);
                s = history[us][t][moveTo(m)];
            }
            list.scores[i] = s;
        }
    }

    static Move pick(MoveList& list, int i) {
        int best = i;
        for (int j = i + 1; j < list.size; ++j)
            if (list.scores[j] > list.scores[best]) best = j;
        std::swap(list.moves[i], list.moves[best]);
        std::swap(list.scores[i], list.scores[best]);
        return list.moves[i];
    }

    int quiesce(int alpha, int beta, int ply, int qply) {
        ++nodes;
        if (ply > selDepth) selDepth = ply;
        pvLength[ply] = ply;
        if (timeUp()) return 0;
        const int us = board.side;
        if (board.king[us ^ 1] != 0 && board.attacked(board.king[us ^ 1], us)) return kMate - ply;
        if (ply >= kMaxPly) return evaluate(board);
        const bool threatened = qply == 0 && board.kingAttacked(us);
        MoveList& list = lists[ply];
        int standPatValue = -kInfinity;
        if (threatened) {
            // The king stands attacked: standing pat would lose it, so every
            // move is tried once.
            generateAll(board, list);
        } else {
            // Far outside the window, material and squares alone decide.
            const int fast = evaluateFast(board);
            const int standPat = fast - kLazyMargin >= beta || fast + kLazyMargin <= alpha ? fast : evaluate(board);
            standPatValue = standPat;
            if (standPat >= beta) return standPat;
            if (standPat > alpha) alpha = standPat;
            if (qply >= kMaxQuiescence) return standPat;
            generateTactical(board, list, qply == 0);
        }
        scoreMoves(list, 0, ply);
        int best = threatened ? -kMate + ply : alpha;
        for (int i = 0; i < list.size; ++i) {
            const Move m = pick(list, i);
            if (!threatened && !isDrop(m)) {
                const int victim = capturedType(board, m);
                // Even winning this piece cannot lift the score to alpha.
                if (standPatValue + gCaptureValue[victim] + kDeltaMargin <= alpha && !isPromotion(m)) continue;
                // A capture by a more valuable piece onto a defended square
                // loses material at once, and after a few plies an even trade
                // is not followed further either: leave them to the full search.
                const int attacker = kOrderValue[typeOf(board.sq[moveFrom(m)])];
                if ((kOrderValue[victim] < attacker || (qply >= 2 && kOrderValue[victim] == attacker)) &&
                    board.attacked(moveTo(m), us ^ 1))
                    continue;
            }
            board.make(m);
            const int score = -quiesce(-beta, -alpha, ply + 1, qply + 1);
            board.unmake(m);
            if (aborted) return 0;
            if (score > best) {
                best = score;
                if (score > alpha) {
                    alpha = score;
                    if (score >= beta) break;
                }
            }
        }
        return best;
    }

    int search(int alpha, int beta, int depth, int ply, bool pvNode, bool allowNull) {
        pvLength[ply] = ply;
        const int us = board.side;
        if (board.king[us ^ 1] != 0 && board.attacked(board.king[us ^ 1], us)) {
            ++nodes;
            return kMate - ply;
        }
        if (ply > 0 && board.repetitions() > 0) {
            ++nodes;
            return 0;
        }
        if (depth <= 0 || ply >= kMaxPly) return quiesce(alpha, beta, ply, 0);
        ++nodes;
        if (timeUp()) return 0;
        if (ply > selDepth) selDepth = ply;

        // Mate distance: nothing here can beat a king capture on the next ply.
        alpha = std::max(alpha, -kMate + ply);
        beta = std::min(beta, kMate - ply - 1);
        if (alpha >= beta) return alpha;

        bool hit = false;
        TTEntry* entry = probe(board.key, hit);
        Move hashMove = hit ? entry->move : 0;
        if (hit && !pvNode && entry->depth >= depth) {
            const int s = fromTT(entry->score, ply);
            if (entry->bound == kExact || (entry->bound == kLowerBound && s >= beta) ||
                (entry->bound == kUpperBound && s <= alpha))
                return s;
        }

        const bool threatened = board.kingAttacked(us);
        if (threatened && ply < 2 * rootDepth) ++depth;
        // Null move: when even passing keeps us above beta, cut.
        if (kNullMove && allowNull && !pvNode && !threatened && depth >= 3 && beta > -kMateBound &&
            evaluate(board) >= beta) {
            const int r = 2 + depth / 4;
            board.makeNull();
            const int score = -search(-beta, -beta + 1, depth - 1 - r, ply + 1, false, false);
            board.unmakeNull();
            if (aborted) return 0;
            if (score >= beta) return score > kMateBound ? beta : score;
        }

        MoveList& list = lists[ply];
        generateAll(board, list);
        if (list.size == 0) return -kMate + ply;
        scoreMoves(list, hashMove, ply);

        const int alphaStart = alpha;
        int best = -kInfinity;
        Move bestMove = 0;
        for (int i = 0; i < list.size; ++i) {
            const Move m = pick(list, i);
            const bool quiet = capturedType(board, m) == 0 && !isPromotion(m);
            const int movedType = isDrop(m) ? moveDropType(m) : typeOf(board.sq[moveFrom(m)]);
            board.make(m);
            int score;
            if (i == 0) {
                score = -search(-beta, -alpha, depth - 1, ply + 1, pvNode, true);
            } else {
                int reduction = 0;
                if (kLateMoveReductions && quiet && depth >= 3 && i >= 3 && !threatened && m != killers[ply][0] &&
                    m != killers[ply][1]) {
                    reduction = static_cast<int>(0.5 + std::log(depth) * std::log(i) / 2.2);
                    if (pvNode && reduction > 0) --reduction;
                    if (reduction > depth - 2) reduction = depth - 2;
                    if (reduction < 0) reduction = 0;
                }
                score = -search(-alpha - 1, -alpha, depth - 1 - reduction, ply + 1, false, true);
                if (score > alpha && reduction > 0)
                    score = -search(-alpha - 1, -alpha, depth - 1, ply + 1, false, true);
                if (score > alpha && score < beta) score = -search(-beta, -alpha, depth - 1, ply + 1, true, true);
            }
            board.unmake(m);
            if (aborted) return 0;
            if (score > best) {
                best = score;
                bestMove = m;
                if (score > alpha) {
                    alpha = score;
                    pv[ply][ply] = m;
                    for (int j = ply + 1; j < pvLength[ply + 1]; ++j) pv[ply][j] = pv[ply + 1][j];
                    pvLength[ply] = pvLength[ply + 1];
                    if (score >= beta) {
                        if (quiet) {
                            if (killers[ply][0] != m) {
                                killers[ply][1] = killers[ply][0];
                                killers[ply][0] = m;
                            }
                            int& h = history[us][movedType][moveTo(m)];
                            h += depth * depth;
                            if (h > (1 << 20)) {
                                for (auto& side : history)
                                    for (auto& row : side)
                                        for (int& v : row) v /= 2;
                            }
                        }
                        break;
                    }
                }
            }
        }
        store(entry, board.key, bestMove, best, depth,
              best >= beta        ? kLowerBound
              : best > alphaStart ? kExact
                                  : kUpperBound,
              ply);
        return best;
    }
};

Searcher::Searcher(std::size_t hashMegabytes) : impl_(std::make_unique<Impl>(hashMegabytes)) {}
Searcher::~Searcher() = default;
void Searcher::newGame() { impl_->clear(); }

namespace {

void fillResult(const Board& b, Move m, Result& r) {
    r.hasMove = true;
    const xantu::Side us = b.side == kBlack ? xantu::Side::Lower : xantu::Side::Upper;
    static constexpr int kCode[kTypeCount] = {0, 10, 20, 30, 100, 110, 800, 900, 950, 11, 21, 31, 101, 801, 901};
    const int to = moveTo(m);
    if (isDrop(m)) {
        r.move = xantu::Move::drop(us, moveDropType(m), fileOf(to), rankOf(to));
        return;
    }
    int type = typeOf(b.sq[moveFrom(m)]);
    if (isPromotion(m)) type = kPromoted[type];
    r.move = xantu::Move::boardMove(fileOf(moveFrom(m)), rankOf(moveFrom(m)), fileOf(to), rankOf(to),
                                    xantu::sign(us) * kCode[type], isPromotion(m));
}

}  // namespace

Result Searcher::think(const Position& pos, Side toMove, const Limits& limits, const std::atomic<bool>& stop,
                       const std::function<void(const Info&)>& onInfo) {
    Impl& s = *impl_;
    Board& b = s.board;
    b.set(pos, toMove == Side::Lower ? kBlack : kWhite);
    Result result;
    if (b.king[0] == 0 || b.king[1] == 0) return result;  // the game is over

    s.start = Clock::now();
    s.nodes = 0;
    s.nodeLimit = limits.nodes;
    s.aborted = false;
    s.stop = &stop;
    ++s.age;
    std::memset(s.killers, 0, sizeof s.killers);

    // Time: a hard deadline where the search stops at once, and a softer
    // budget after which no new iteration starts.
    double softMs = 0;
    s.hasDeadline = false;
    if (!limits.infinite) {
        if (limits.movetimeMs > 0) {
            s.hasDeadline = true;
            s.hardDeadline = s.start + std::chrono::milliseconds(std::max(1, limits.movetimeMs - 3));
            softMs = limits.movetimeMs;
        } else if (limits.timeLeftMs >= 0) {
            // On a clock: this move may use the main time left and the
            // byoyomi; the increment comes only after the move, so it is
            // planned with but never spent ahead. The margin covers what
            // passes between the deadline and the answer being read (the
            // last node, the pipe, a busy machine): a match on a two-core
            // machine loaded sixteen-fold saw answers up to 125 ms late.
            const double left = limits.timeLeftMs;
            const double margin = std::min(1000.0, 250.0 + (left + limits.byoyomiMs) / 20.0);
            double budget = left / 30.0 + limits.incrementMs * 0.8 + limits.byoyomiMs * 0.9;
            const double most = std::max(1.0, left + limits.byoyomiMs - margin);
            if (budget > most) budget = most;
            const double hard = std::min(most, std::max(budget * 3.0, (double)limits.byoyomiMs - margin));
            s.hasDeadline = true;
            s.hardDeadline = s.start + std::chrono::milliseconds(static_cast<long>(std::max(1.0, hard)));
            softMs = budget * 0.6;
        }
    }
    const int maxDepth = limits.depth > 0 ? std::min(limits.depth, kMaxPly - 10) : kMaxPly - 10;

    MoveList rootList;
    generateAll(b, rootList);
    if (rootList.size == 0) return result;
    Move best = rootList.moves[0];
    int bestScore = 0;
    if (const Move kc = kingCapture(b)) {
        // Taking the king ends the game: no search needed.
        fillResult(b, kc, result);
        result.scoreCp = kMate;
        result.mateIn = 1;
        result.depth = 1;
        result.nodes = 1;
        if (onInfo) {
            Info info;
            info.depth = 1;
            info.mateIn = 1;
            info.nodes = 1;
            info.pv = result.move.usi();
            onInfo(info);
        }
        return result;
    }

    int completed = 0;
    int prevScore = 0;
    for (int depth = 1; depth <= maxDepth; ++depth) {
        s.rootDepth = depth;
        s.selDepth = 0;
        int delta = 40;
        int alpha = -kInfinity, beta = kInfinity;
        if (depth >= 4 && std::abs(prevScore) < kMateBound) {
            alpha = prevScore - delta;
            beta = prevScore + delta;
        }
        int score;
        for (;;) {
            score = s.search(alpha, beta, depth, 0, true, false);
            if (s.aborted) {
                // A root move that raised alpha was searched with the full
                // window: it may replace the last iteration's choice.
                if (s.pvLength[0] > 0 && s.pv[0][0] != 0) best = s.pv[0][0];
                break;
            }
            if (score <= alpha) {
                alpha = std::max(-kInfinity, score - delta);
            } else if (score >= beta) {
                beta = std::min(kInfinity, score + delta);
            } else {
                break;
            }
            delta *= 2;
            if (delta > 1000) alpha = -kInfinity, beta = kInfinity;
        }
        if (s.aborted) {
            // A root move that raised alpha was searched with the full
            // window: it may replace the last iteration's choice.
            if (s.pvLength[0] > 0 && s.pv[0][0] != 0) best = s.pv[0][0];
            break;
        }
        completed = depth;
        prevScore = score;
        if (s.pvLength[0] > 0) best = s.pv[0][0];
        bestScore = score;
        const auto elapsed = Clock::now() - s.start;
        const long ms = std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count();
        if (onInfo) {
            Info info;
            info.depth = depth;
            info.selDepth = s.selDepth;
            info.nodes = s.nodes;
            info.timeMs = static_cast<int>(ms);
            info.nps = ms > 0 ? s.nodes * 1000 / static_cast<std::uint64_t>(ms) : s.nodes * 1000;
            info.mateIn = mateInPlies(score);
            info.scoreCp = score;
            Board copy = b;
            std::string pv;
            for (int i = 0; i < s.pvLength[0]; ++i) {
                const Move m = s.pv[0][i];
                if (!pv.empty()) pv += ' ';
                pv += copy.usi(m);
                copy.make(m);
            }
            info.pv = pv.empty() ? b.usi(best) : pv;
            onInfo(info);
        }
        if (score > kMateBound && depth >= mateInPlies(score)) break;  // a forced king capture is found
        // A won ending needs less thought than a middle game in the balance:
        // far ahead, the clock's budget is cut to a third.
        const double soft = score > 1500 && score < kMateBound ? softMs / 3 : softMs;
        if (soft > 0 && ms >= soft) break;
        if (stop.load()) break;
    }
    fillResult(b, best, result);
    result.scoreCp = bestScore;
    result.mateIn = mateInPlies(bestScore);
    result.nodes = s.nodes;
    result.depth = completed;
    return result;
}

}  // namespace xantu::search
