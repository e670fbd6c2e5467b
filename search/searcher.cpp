#include "search/searcher.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <random>
#include <thread>
#include <vector>

#include "search/eval.h"
#include "search/mate_score.h"
#include "search/movegen.h"
#include "search/see.h"
#include "search/time_budget.h"
#include "search/transposition_table.h"

namespace xantu::search {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kLazyMargin = 300;  // the most the slow evaluation terms usually add
constexpr int kDeltaMargin = 200;
// Each pruning kept only while a match shows it gains (the figures are in
// the commits that changed them).
constexpr bool kNullMove = true;
constexpr bool kLateMoveReductions = true;
constexpr bool kReverseFutility = true;
constexpr bool kFutility = true;
constexpr bool kLateMovePruning = true;
// Margins in centipawns (a pawn is worth about 500 here, in hand about 450).
constexpr int kReverseFutilityMargin = 250;  // per ply of depth left
constexpr int kReverseFutilityDepth = 5;
constexpr int kFutilityBase = 300;
constexpr int kFutilityPerPly = 250;
constexpr int kFutilityDepth = 3;
constexpr int kLateMovePruningDepth = 4;
constexpr int kLmpBase = 3;  // quiet moves tried near the horizon: base + depth² * scale
constexpr int kLmpScale = 1;
constexpr int kLosingCaptureDepth = 3;  // a capture that likely loses material is not tried this near the horizon
constexpr bool kHistoryMalus = true;    // quiet moves passed over by a cutoff lose history
constexpr int kLmrFirst = 2;            // the first move index reduced
constexpr double kLmrBase = 0.75;
constexpr double kLmrDivisor = 2.0;
constexpr int kCheckExtensionReach = 2;  // check extensions end at this many times the root depth
constexpr int kMaxQuiescence = 8;        // capture plies before standing pat regardless

// The bands of the move order, highest first: the table's move, winning or
// even captures, promotions, killers, losing captures, then quiet moves by
// their history (which stays far below the bands).
constexpr int kOrderHashMove = 1 << 30;
constexpr int kOrderGoodCapture = 1 << 28;
constexpr int kOrderPromotion = 1 << 27;
constexpr int kOrderKiller = 1 << 26;
constexpr int kOrderLosingCapture = 1 << 25;
constexpr bool isLosingCaptureOrder(int orderScore) {
    return orderScore >= kOrderLosingCapture && orderScore < kOrderKiller;
}

// Whether a drop attacks the opponent's king. A drop only adds a piece, so
// the king is attacked after it exactly when the new piece reaches it.
bool dropGivesCheck(const Board& b, Move m) {
    return reaches(b, b.side, moveDropType(m), moveTo(m), b.king[b.side ^ 1]);
}

int capturedType(const Board& b, Move m) { return isDrop(m) ? 0 : typeOf(b.sq[moveTo(m)]); }
int movedType(const Board& b, Move m) { return isDrop(m) ? moveDropType(m) : typeOf(b.sq[moveFrom(m)]); }

}  // namespace

namespace {

// One thread's search: its own board, move lists, killers and history; the
// table is shared by every thread of a Searcher.
struct Worker {
    Board board;
    TranspositionTable& table;
    MoveBuffer lists[kMaxPly + 1];
    Move killers[kMaxPly + 1][2];
    int history[2][kTypeCount][kSquares];
    Move pv[kMaxPly + 1][kMaxPly + 1];
    int pvLength[kMaxPly + 1];

    std::uint64_t nodes = 0;
    std::uint64_t nodeLimit = 0;
    Clock::time_point start;
    TimeBudget budget;
    ClockLag lag;
    bool aborted = false;
    const std::atomic<bool>* stop = nullptr;
    // Set when the main thread has its answer: the helpers stop then.
    const std::atomic<bool>* helpersStop = nullptr;
    // The nodes counted so far, published for the main thread's reports.
    std::atomic<std::uint64_t> nodesSeen{0};
    int selDepth = 0;
    int rootDepth = 0;
    std::mt19937_64 rng{0x5EEDULL};  // the weaker steps' choices

    explicit Worker(TranspositionTable& t) : table(t) { clear(); }

    void clear() {
        std::memset(history, 0, sizeof history);
        std::memset(killers, 0, sizeof killers);
    }

    // The clock and the stop flag are read every kCheckEvery nodes. The count
    // also grows where no check is made (a king that can be taken, a
    // repetition), so the next reading is due at a node count rather than
    // on a multiple of it: in a tree full of king captures the multiples are
    // mostly stepped over, and the search would run far past its deadline.
    static constexpr std::uint64_t kCheckEvery = 512;
    std::uint64_t nextCheck = kCheckEvery;

    bool timeUp() {
        if (aborted) return true;
        if (nodeLimit != 0 && nodes >= nodeLimit) return aborted = true;
        if (nodes >= nextCheck) {
            nextCheck = nodes + kCheckEvery;
            nodesSeen.store(nodes, std::memory_order_relaxed);
            if (stop->load(std::memory_order_relaxed)) return aborted = true;
            if (helpersStop && helpersStop->load(std::memory_order_relaxed)) return aborted = true;
            if (budget.hasDeadline && Clock::now() >= budget.hardDeadline) return aborted = true;
        }
        return false;
    }

    void scoreMoves(MoveBuffer& list, Move hashMove, int ply) {
        const int us = board.side;
        for (int i = 0; i < list.size; ++i) {
            const Move m = list.moves[i];
            int s;
            const int victim = capturedType(board, m);
            if (m == hashMove) {
                s = kOrderHashMove;
            } else if (victim != 0) {
                const int attacker = typeOf(board.sq[moveFrom(m)]);
                s = kOrderValue[victim] * 64 - kOrderValue[attacker] + (isPromotion(m) ? 32 : 0);
                // A more valuable piece taking a defended one likely loses the
                // difference: tried after the killers.
                const bool losing = kOrderValue[attacker] > kOrderValue[victim] && board.attacked(moveTo(m), us ^ 1);
                s += losing ? kOrderLosingCapture : kOrderGoodCapture;
            } else if (isPromotion(m)) {
                s = kOrderPromotion + kOrderValue[typeOf(board.sq[moveFrom(m)])];
            } else if (m == killers[ply][0]) {
                s = kOrderKiller + 1;
            } else if (m == killers[ply][1]) {
                s = kOrderKiller;
            } else {
                s = history[us][movedType(board, m)][moveTo(m)];
            }
            list.scores[i] = s;
        }
    }

    static Move pick(MoveBuffer& list, int i) {
        int best = i;
        for (int j = i + 1; j < list.size; ++j)
            if (list.scores[j] > list.scores[best]) best = j;
        std::swap(list.moves[i], list.moves[best]);
        std::swap(list.scores[i], list.scores[best]);
        return list.moves[i];
    }

    int quiesce(int alpha, int beta, int ply, int qply) {
        if (aborted) return 0;  // a budget spent counts no further node
        ++nodes;
        if (ply > selDepth) selDepth = ply;
        pvLength[ply] = ply;
        if (timeUp()) return 0;
        const int us = board.side;
        if (board.king[us ^ 1] != 0 && board.attacked(board.king[us ^ 1], us)) return kMate - ply;
        if (ply >= kMaxPly) return evaluate(board);
        const bool threatened = qply == 0 && board.kingAttacked(us);
        MoveBuffer& list = lists[ply];
        int standPatValue = -kInfinity;
        if (threatened) {
            // The king stands attacked: standing pat would lose it, so every
            // answer is tried once.
            generateAll(board, list);
            keepEvasions(board, list);
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

    // Whether the game is already decided here, and its score: the side to
    // move can take the king, or the position repeats (a draw by the search's
    // reckoning, so that a winning side looks for progress instead).
    bool decided(int ply, int& score) {
        // A spent node budget ends the search here too: the answer is thrown away.
        if (nodeLimit != 0 && nodes >= nodeLimit) {
            aborted = true;
            score = 0;
            return true;
        }
        const int us = board.side;
        if (board.king[us ^ 1] != 0 && board.attacked(board.king[us ^ 1], us)) {
            ++nodes;
            score = kMate - ply;
            return true;
        }
        if (ply > 0 && board.repetitions() > 0) {
            ++nodes;
            score = 0;
            return true;
        }
        return false;
    }

    // How much shallower a late quiet move is searched first: the later in
    // the order and the deeper the node, the less likely such a move is best.
    static int lateMoveReduction(int depth, int index, bool pvNode) {
        int r = static_cast<int>(kLmrBase + std::log(depth) * std::log(index) / kLmrDivisor);
        if (pvNode && r > 0) --r;
        if (r > depth - 2) r = depth - 2;
        return r < 0 ? 0 : r;
    }

    // A quiet move that refuted the node is tried early in its siblings
    // (killers) and wherever the same piece may go there (history).
    void rememberCutoff(Move m, int type, int depth, int ply) {
        if (killers[ply][0] != m) {
            killers[ply][1] = killers[ply][0];
            killers[ply][0] = m;
        }
        int& h = history[board.side][type][moveTo(m)];
        h += depth * depth;
        if (h > (1 << 20)) {
            for (auto& side : history)
                for (auto& row : side)
                    for (int& v : row) v /= 2;
        }
    }

    int search(int alpha, int beta, int depth, int ply, bool pvNode, bool allowNull) {
        pvLength[ply] = ply;
        if (aborted) return 0;  // a budget spent counts no further node
        // A king that can be taken ends the game: nothing below matters.
        if (int score; decided(ply, score)) return score;
        // At the horizon, captures are played out so that the evaluation is
        // not read in the middle of an exchange.
        if (depth <= 0 || ply >= kMaxPly) return quiesce(alpha, beta, ply, 0);
        ++nodes;
        if (timeUp()) return 0;
        if (ply > selDepth) selDepth = ply;

        // Mate distance: nothing here can beat a king capture on the next ply.
        alpha = std::max(alpha, -kMate + ply);
        beta = std::min(beta, kMate - ply - 1);
        if (alpha >= beta) return alpha;

        // The table: a result as deep as needed ends the node off the
        // principal line; otherwise its move is tried first.
        bool hit = false;
        TTEntry* entry = table.probe(board.key, hit);
        const Move hashMove = hit ? entry->move : 0;
        if (hit && !pvNode && entry->depth >= depth) {
            const int s = TranspositionTable::scoreAt(*entry, ply);
            if (entry->bound == kExact || (entry->bound == kLowerBound && s >= beta) ||
                (entry->bound == kUpperBound && s <= alpha))
                return s;
        }

        // A king under attack is searched a ply deeper: the threat must be met
        // before the horizon hides it (bounded, so chains of checks end).
        const bool threatened = board.kingAttacked(board.side);
        if (threatened && ply < kCheckExtensionReach * rootDepth) ++depth;

        // The prunings below are tried only off the principal variation, with
        // our king safe and no king capture in sight.
        const bool quietNode = !pvNode && !threatened && std::abs(beta) < kMateBound;

        // The static evaluation, sharpened by a bound the table holds. Only
        // those prunings ask for it, so it is made only where they may apply.
        int staticEval = -kInfinity;
        if (quietNode) {
            staticEval = evaluate(board);
            if (hit && std::abs(TranspositionTable::scoreAt(*entry, ply)) < kMateBound) {
                const int s = TranspositionTable::scoreAt(*entry, ply);
                if ((entry->bound == kLowerBound && s > staticEval) || (entry->bound == kUpperBound && s < staticEval))
                    staticEval = s;
            }
        }

        // Reverse futility: so far above beta near the horizon that no move
        // of the opponent's is likely to bring the score back.
        if (kReverseFutility && quietNode && depth <= kReverseFutilityDepth &&
            staticEval - kReverseFutilityMargin * depth >= beta)
            return staticEval;

        // Null move: when even passing keeps us above beta, cut. Our king is
        // not attacked here, so passing cannot hand the opponent the king;
        // a search that finds a king capture against us does not cut.
        if (kNullMove && allowNull && quietNode && depth >= 3 && staticEval >= beta) {
            const int r = 2 + depth / 4 + std::min((staticEval - beta) / 400, 2);
            board.makeNull();
            int score = -search(-beta, -beta + 1, depth - 1 - r, ply + 1, false, false);
            board.unmakeNull();
            if (aborted) return 0;
            if (score >= beta) {
                if (score >= kMateBound) score = beta;
                // Deep down a pass is checked by a shallower real search, so
                // that a position where every move hurts is not cut blindly.
                if (depth < 10) return score;
                const int verified = search(beta - 1, beta, depth - 1 - r, ply, false, false);
                if (aborted) return 0;
                if (verified >= beta) return score;
            }
        }

        // Without a move from the table, a deep node is searched a ply
        // shallower: it is rarely on the line that matters, and the next
        // iteration will find it with a move to try first.
        if (hashMove == 0 && depth >= 5 && !threatened) --depth;

        // Every move, best guesses first: the table's move, captures of the
        // most valuable pieces, promotions, killers, then by history.
        MoveBuffer& list = lists[ply];
        // The table's move is tried before the others are generated: when
        // it refutes the node, as it mostly does, they never are.
        const bool hashFirst = hashMove != 0 && !threatened && isPseudoLegal(board, hashMove);
        if (hashFirst) {
            list.moves[0] = hashMove;
            list.scores[0] = kOrderHashMove;
            list.size = 1;
        } else {
            generateAll(board, list);
            if (list.size == 0) return -kMate + ply;
        }
        if (threatened) {
            // Only the answers that save the king are searched; without one,
            // the king is taken on the next ply.
            keepEvasions(board, list);
            if (list.size == 0) return -kMate + ply + 1;
        }
        if (!hashFirst) scoreMoves(list, hashMove, ply);

        // Near the horizon, a quiet move that does not attack the king safely is not
        // tried when the position is far below alpha (futility) or when many
        // quiet moves were already tried (late moves, ordered last by history).
        const bool futile = kFutility && quietNode && depth <= kFutilityDepth &&
                            staticEval + kFutilityBase + kFutilityPerPly * depth <= alpha;
        const int lateMoveLimit = kLmpBase + depth * depth * kLmpScale;

        // Principal variation search: the first move with the full window,
        // the others with a null window that only asks "better than alpha?",
        // re-searched when the answer is yes.
        const int alphaStart = alpha;
        int best = -kInfinity;
        Move bestMove = 0;
        int quietTried = 0;
        Move quietsTried[64];
        int quietCount = 0;
        // Once the quiet moves are being pruned, every move left is a quiet
        // one pruned too unless it attacks the king: the rest is no longer
        // sorted, only looked through for such moves.
        bool sorting = true;
        bool restToGenerate = hashFirst;
        for (int i = 0; i < list.size || restToGenerate; ++i) {
            if (restToGenerate && i == 1) {
                restToGenerate = false;
                // The table's move did not refute: now the rest, with the
                // table's move kept in front as the one already tried.
                generateAll(board, list);
                for (int j = 0; j < list.size; ++j)
                    if (list.moves[j] == hashMove) {
                        std::swap(list.moves[j], list.moves[0]);
                        break;
                    }
                scoreMoves(list, hashMove, ply);
                if (i >= list.size) break;
            }
            const Move m = sorting ? pick(list, i) : list.moves[i];
            const bool quiet = capturedType(board, m) == 0 && !isPromotion(m);
            const bool losing = !quiet && isLosingCaptureOrder(list.scores[i]);
            const int type = movedType(board, m);
            // A quiet move that attacks the opponent's king safely is never pruned.
            const bool killer = m == killers[ply][0] || m == killers[ply][1];
            const bool prunable =
                i > 0 && quietNode && best > -kMateBound && !killer &&
                ((quiet &&
                  (futile || (kLateMovePruning && depth <= kLateMovePruningDepth && quietTried >= lateMoveLimit))) ||
                 (losing && depth <= kLosingCaptureDepth));
            if (prunable) {
                if (quiet && list.scores[i] < kOrderLosingCapture) sorting = false;
                // Tried after all: an attack on the king by a piece that the
                // opponent cannot simply win. A checking piece that is lost
                // at once rarely changes anything, and there are many of them
                // (nearly every piece in hand can check from some square).
                if (isDrop(m)) {
                    if (!dropGivesCheck(board, m)) continue;
                } else {
                    board.make(m);
                    const bool check = board.kingAttacked(board.side);
                    board.unmake(m);
                    if (!check) continue;
                }
                if (!seeGE(board, m, 0)) continue;
                board.make(m);
            } else {
                board.make(m);
            }
            if (quiet) {
                ++quietTried;
                if (quietCount < 64) quietsTried[quietCount++] = m;
            }
            int score;
            if (i == 0) {
                score = -search(-beta, -alpha, depth - 1, ply + 1, pvNode, true);
            } else {
                const bool reducible =
                    kLateMoveReductions && (quiet || losing) && depth >= 3 && i >= kLmrFirst && !threatened && !killer;
                const int reduction = reducible ? lateMoveReduction(depth, i, pvNode) : 0;
                score = -search(-alpha - 1, -alpha, depth - 1 - reduction, ply + 1, false, true);
                if (score > alpha && reduction > 0)
                    score = -search(-alpha - 1, -alpha, depth - 1, ply + 1, false, true);
                if (score > alpha && score < beta) score = -search(-beta, -alpha, depth - 1, ply + 1, true, true);
            }
            board.unmake(m);
            if (aborted) return 0;
            if (score <= best) continue;
            best = score;
            bestMove = m;
            if (score <= alpha) continue;
            alpha = score;
            pv[ply][ply] = m;
            for (int j = ply + 1; j < pvLength[ply + 1]; ++j) pv[ply][j] = pv[ply + 1][j];
            pvLength[ply] = pvLength[ply + 1];
            if (score >= beta) {
                if (quiet) {
                    rememberCutoff(m, type, depth, ply);
                    // The quiet moves tried before it did not refute: tried later next time.
                    if (kHistoryMalus)
                        for (int k = 0; k < quietCount - 1; ++k) {
                            int& h = history[board.side][movedType(board, quietsTried[k])][moveTo(quietsTried[k])];
                            h -= depth * depth;
                            if (h < -(1 << 20)) h = -(1 << 20);
                        }
                }
                break;
            }
        }
        // What was learnt, for the next visit and the next iteration.
        table.store(entry, board.key, bestMove, best, depth,
                    best >= beta        ? kLowerBound
                    : best > alphaStart ? kExact
                                        : kUpperBound,
                    ply);
        return best;
    }

    // One iteration at the root: a narrow window around the last
    // iteration's score, widened on the side that fails until the score
    // falls inside it. The result is meaningless once `aborted` is set.
    int searchRoot(int depth, int prevScore) {
        int delta = 40;
        int alpha = -kInfinity, beta = kInfinity;
        if (depth >= 4 && std::abs(prevScore) < kMateBound) {
            alpha = prevScore - delta;
            beta = prevScore + delta;
        }
        for (;;) {
            const int score = search(alpha, beta, depth, 0, true, false);
            if (aborted) return score;
            if (score <= alpha) {
                alpha = std::max(-kInfinity, score - delta);
            } else if (score >= beta) {
                beta = std::min(kInfinity, score + delta);
            } else {
                return score;
            }
            delta *= 2;
            if (delta > 1000) alpha = -kInfinity, beta = kInfinity;
        }
    }

    // The weaker steps: the root moves are scored depth by depth within the
    // step's budget, and one of those within the margin of the best is drawn,
    // weighted by exp((score - best) / temperature). A move is searched with
    // the window from "margin under the best so far" to just above that best,
    // so a move that is clearly worse is refuted cheaply, the near-best get
    // exact scores, and only a move that beats the best so far is searched
    // again with the window open above. When the budget ends an iteration early, the moves it scored
    // still count. Returns the move; `score` and `depth` tell its score and
    // the last depth completed.
    Move chooseNearBest(const StrengthPlan& plan, MoveBuffer& root, int maxDepth, int& score, int& depth) {
        scoreMoves(root, 0, 0);
        for (int i = 0; i < root.size; ++i) pick(root, i);  // captures and promotions first
        const auto n = static_cast<std::size_t>(root.size);
        std::vector<int> scores(n, -kInfinity), current(n);
        std::size_t scored = 0;
        depth = 0;
        selDepth = 0;
        for (int d = 1; d <= maxDepth; ++d) {
            rootDepth = d;
            int bestSoFar = -kInfinity;
            std::size_t i = 0;
            for (; i < n; ++i) {
                const bool first = bestSoFar == -kInfinity;
                const int alpha = first ? -kInfinity : bestSoFar - plan.marginCp - 1;
                const int beta = first ? kInfinity : bestSoFar + 1;
                board.make(root.moves[i]);
                int s = -search(-beta, -alpha, d - 1, 1, false, true);
                if (!aborted && s >= beta) s = -search(-kInfinity, -bestSoFar, d - 1, 1, false, true);
                board.unmake(root.moves[i]);
                if (aborted) break;
                current[i] = s <= alpha ? -kInfinity : s;  // below the margin: out of the draw
                bestSoFar = std::max(bestSoFar, s);
            }
            if (aborted) {
                if (depth == 0) {
                    scores = current;
                    scored = i;
                }
                break;
            }
            scores = current;
            scored = n;
            depth = d;
            // The next depth takes the moves best first, so that the best so
            // far rises early and the others are refuted cheaply.
            std::vector<std::size_t> order(n);
            for (std::size_t k = 0; k < n; ++k) order[k] = k;
            std::stable_sort(order.begin(), order.end(),
                             [&](std::size_t a, std::size_t b) { return scores[a] > scores[b]; });
            std::vector<Move> moves(n);
            std::vector<int> sorted(n);
            for (std::size_t k = 0; k < n; ++k) {
                moves[k] = root.moves[order[k]];
                sorted[k] = scores[order[k]];
            }
            std::copy(moves.begin(), moves.end(), root.moves);
            scores = sorted;
            const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            if (budget.softMs > 0 && ms >= budget.softMs) break;
            if (stop->load()) break;
        }
        if (scored == 0) {
            score = 0;
            return root.moves[0];
        }
        const int best = *std::max_element(scores.begin(), scores.begin() + static_cast<long>(scored));
        std::vector<double> weight(scored, 0.0);
        for (std::size_t i = 0; i < scored; ++i) {
            if (scores[i] == best)
                weight[i] = 1.0;  // also when the best is a king capture: no gamble then
            else if (scores[i] >= best - plan.marginCp && std::abs(best) < kMateBound)
                weight[i] = std::exp(static_cast<double>(scores[i] - best) / plan.temperatureCp);
        }
        std::discrete_distribution<std::size_t> draw(weight.begin(), weight.end());
        const std::size_t chosen = draw(rng);
        score = scores[chosen];
        return root.moves[chosen];
    }

    // The stronger steps: the full search chose `best`, scoring `bestScore`
    // at `depth`. The next root moves in its order are each asked at that
    // depth whether they reach (bestScore - margin), with a null window that
    // a clearly worse move fails cheaply; those that do join the draw with
    // their score (a lower bound, counted at most as the best's), weighted
    // as in chooseNearBest. A test the budget cuts short leaves its move out.
    Move drawAmongCandidates(const StrengthPlan& plan, MoveBuffer& root, Move best, int bestScore, int depth,
                             int& score) {
        score = bestScore;
        if (depth == 0 || std::abs(bestScore) >= kMateBound) return best;  // no gamble with a king capture
        const int threshold = bestScore - plan.marginCp;
        std::vector<Move> moves{best};
        std::vector<int> scores{bestScore};
        rootDepth = depth;
        scoreMoves(root, best, 0);
        for (int i = 0, tried = 0; i < root.size && tried < plan.candidates; ++i) {
            const Move m = pick(root, i);
            if (m == best) continue;
            ++tried;
            board.make(m);
            const int s = -search(-threshold, -threshold + 1, depth - 1, 1, false, true);
            board.unmake(m);
            if (aborted) break;
            if (s >= threshold) {
                moves.push_back(m);
                scores.push_back(std::min(s, bestScore));
            }
        }
        std::vector<double> weight(moves.size());
        for (std::size_t i = 0; i < moves.size(); ++i)
            weight[i] = std::exp(static_cast<double>(scores[i] - bestScore) / plan.temperatureCp);
        std::discrete_distribution<std::size_t> draw(weight.begin(), weight.end());
        const std::size_t chosen = draw(rng);
        score = scores[chosen];
        return moves[chosen];
    }

    std::string pvText(Move best) const {
        Board copy = board;
        std::string text;
        for (int i = 0; i < pvLength[0]; ++i) {
            const Move m = pv[0][i];
            if (!text.empty()) text += ' ';
            text += copy.usi(m);
            copy.make(m);
        }
        return text.empty() ? board.usi(best) : text;
    }
};

}  // namespace

struct Searcher::Impl {
    TranspositionTable table;
    std::vector<std::unique_ptr<Worker>> workers;  // the first is the main thread's
    std::atomic<bool> helpersStop{false};
    Strength strength = kFullStrength;

    Impl(std::size_t megabytes, int threads) : table(megabytes) {
        for (int i = 0; i < std::max(1, threads); ++i) workers.push_back(std::make_unique<Worker>(table));
    }
};

Searcher::Searcher(std::size_t hashMegabytes, int threads) : impl_(std::make_unique<Impl>(hashMegabytes, threads)) {}
Searcher::~Searcher() = default;
void Searcher::newGame() {
    impl_->table.clear();
    for (auto& w : impl_->workers) {
        w->clear();
        w->lag.reset();
    }
}

void Searcher::setStrength(Strength s) { impl_->strength = s; }

namespace {

// A helper thread deepens on its own, half of them one ply ahead of the
// main thread, and leaves what it learns in the shared table; its moves
// are never played. It stops when the main thread has its answer.
void runHelper(Worker& w, int index, int maxDepth) {
    int prevScore = 0;
    for (int depth = 1 + index % 2; depth <= maxDepth; ++depth) {
        w.rootDepth = depth;
        w.selDepth = 0;
        const int score = w.searchRoot(depth, prevScore);
        if (w.aborted) break;
        prevScore = score;
    }
}

void fillResult(const Board& b, Move m, Result& r) {
    r.hasMove = true;
    const xantu::Side us = sideOfColour(b.side);
    const int to = moveTo(m);
    if (isDrop(m)) {
        r.move = xantu::Move::drop(us, moveDropType(m), fileOf(to), rankOf(to));
        return;
    }
    int type = typeOf(b.sq[moveFrom(m)]);
    if (isPromotion(m)) type = kPromoted[type];
    r.move = xantu::Move::boardMove(fileOf(moveFrom(m)), rankOf(moveFrom(m)), fileOf(to), rankOf(to),
                                    xantu::sign(us) * kCodeOfType[type], isPromotion(m));
}

}  // namespace

Result Searcher::go(const Position& pos, Side toMove, const Limits& limits, const std::atomic<bool>& stop,
                    const std::function<void(const Info&)>& onInfo) {
    Worker& s = *impl_->workers[0];
    Board& b = s.board;
    b.set(pos, toMove);
    Result result;
    if (b.king[0] == 0 || b.king[1] == 0) return result;  // the game is over

    s.start = Clock::now();
    s.nodes = 0;
    s.nextCheck = Worker::kCheckEvery;
    s.nodeLimit = limits.nodes;
    s.aborted = false;
    s.stop = &stop;
    s.table.newSearch();
    std::memset(s.killers, 0, sizeof s.killers);
    s.budget = TimeBudget::plan(limits, s.start, s.lag.observe(limits));
    int maxDepth = limits.depth > 0 ? std::min(limits.depth, kMaxPly - 10) : kMaxPly - 10;
    const StrengthPlan plan = planFor(impl_->strength);
    if (plan.depth > 0) maxDepth = std::min(maxDepth, plan.depth);
    if (plan.nodes > 0) {
        // A king capture found on the last node is counted without a look at
        // the budget: one node is kept back for it.
        const std::uint64_t own = plan.nodes - 1;
        s.nodeLimit = s.nodeLimit == 0 ? own : std::min(s.nodeLimit, own);
    }

    MoveBuffer rootList;
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

    if (plan.temperatureCp > 0 && plan.candidates == 0) {
        int score = 0, depth = 0;
        const Move chosen = s.chooseNearBest(plan, rootList, maxDepth, score, depth);
        fillResult(b, chosen, result);
        result.scoreCp = score;
        result.mateIn = mateInPlies(score);
        result.nodes = s.nodes;
        result.depth = depth;
        if (onInfo) {
            Info info;
            info.depth = depth;
            info.selDepth = s.selDepth;
            info.nodes = s.nodes;
            info.scoreCp = score;
            info.mateIn = result.mateIn;
            info.pv = b.usi(chosen);
            onInfo(info);
        }
        return result;
    }

    // The helpers search the same position until the main thread is done
    // (at full strength only: a weaker step keeps to its own budget).
    std::vector<std::thread> helpers;
    impl_->helpersStop.store(false);
    const std::size_t threads = impl_->strength == kFullStrength ? impl_->workers.size() : 1;
    for (std::size_t i = 1; i < threads; ++i) {
        Worker& h = *impl_->workers[i];
        h.board = b;
        h.nodes = 0;
        h.nextCheck = Worker::kCheckEvery;
        h.nodesSeen.store(0);
        h.nodeLimit = 0;
        h.aborted = false;
        h.stop = &stop;
        h.helpersStop = &impl_->helpersStop;
        h.budget = s.budget;
        h.start = s.start;
        std::memset(h.killers, 0, sizeof h.killers);
        helpers.emplace_back(runHelper, std::ref(h), static_cast<int>(i), maxDepth);
    }
    // A step that tests candidates after the full search keeps a quarter
    // of its budget for the tests.
    const std::uint64_t stepNodeLimit = s.nodeLimit;
    if (plan.candidates > 0 && stepNodeLimit > 0) s.nodeLimit = stepNodeLimit - stepNodeLimit / 4;
    const auto allNodes = [&] {
        std::uint64_t n = s.nodes;
        for (std::size_t i = 1; i < threads; ++i) n += impl_->workers[i]->nodesSeen.load(std::memory_order_relaxed);
        return n;
    };

    // Iterative deepening: each iteration orders the next one's moves through
    // the table, and an iteration cut short still leaves a finished choice.
    int completed = 0;
    int prevScore = 0;
    for (int depth = 1; depth <= maxDepth; ++depth) {
        s.rootDepth = depth;
        s.selDepth = 0;
        const int score = s.searchRoot(depth, prevScore);
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
        const long ms = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - s.start).count();
        if (onInfo) {
            Info info;
            info.depth = depth;
            info.selDepth = s.selDepth;
            info.nodes = allNodes();
            info.timeMs = static_cast<int>(ms);
            info.nps = ms > 0 ? info.nodes * 1000 / static_cast<std::uint64_t>(ms) : info.nodes * 1000;
            info.mateIn = mateInPlies(score);
            info.scoreCp = score;
            info.pv = s.pvText(best);
            onInfo(info);
        }
        if (score > kMateBound && depth >= mateInPlies(score)) break;  // a forced king capture is found
        if (s.budget.softMs > 0 && ms >= s.budget.softLimitMs(score)) break;
        if (stop.load()) break;
    }
    if (plan.candidates > 0) {
        s.aborted = false;
        s.nodeLimit = stepNodeLimit;
        best = s.drawAmongCandidates(plan, rootList, best, bestScore, completed, bestScore);
    }
    s.lag.searched(limits, std::chrono::duration<double, std::milli>(Clock::now() - s.start).count());
    impl_->helpersStop.store(true);
    std::uint64_t nodes = s.nodes;
    for (std::size_t i = 0; i < helpers.size(); ++i) {
        helpers[i].join();
        nodes += impl_->workers[i + 1]->nodes;
    }
    fillResult(b, best, result);
    result.scoreCp = bestScore;
    result.mateIn = mateInPlies(bestScore);
    result.nodes = nodes;
    result.depth = completed;
    return result;
}

}  // namespace xantu::search
