#include "record/game_record.h"

#include <algorithm>
#include <cstddef>

#include "core/legal_moves.h"
#include "record/move_notation.h"

namespace xantu {

namespace {

RecordNode& node(GameRecord& r, int i) { return r.nodes[static_cast<std::size_t>(i)]; }
const RecordNode& node(const GameRecord& r, int i) { return r.nodes[static_cast<std::size_t>(i)]; }

// The chosen child of a node, or −1 at the end of a line.
int chosenChild(const RecordNode& n) {
    if (n.children.empty()) return -1;
    const std::size_t c = n.chosen >= 0 && static_cast<std::size_t>(n.chosen) < n.children.size()
                              ? static_cast<std::size_t>(n.chosen)
                              : 0;
    return n.children[c];
}

}  // namespace

void 開始_棋譜(GameRecord& r, const Position& start, int firstMover) {
    r.start = start;
    r.firstMover = firstMover < 0 ? -1 : 1;
    r.nodes.assign(1, RecordNode{});
}

int 追加_変化(GameRecord& r, int parent, const Move& m, const MoveClock& clock, bool makeCurrent) {
    RecordNode n;
    n.move = m;
    n.clock = clock;
    n.parent = parent;
    n.ply = node(r, parent).ply + 1;
    const int index = static_cast<int>(r.nodes.size());
    r.nodes.push_back(std::move(n));
    RecordNode& p = node(r, parent);
    p.children.push_back(index);
    if (makeCurrent || p.children.size() == 1) p.chosen = static_cast<int>(p.children.size()) - 1;
    return index;
}

int 追加_指し手(GameRecord& r, const Move& m, const MoveClock& clock) {
    int end = kRecordRoot;
    for (int next = chosenChild(node(r, end)); next >= 0; next = chosenChild(node(r, end))) end = next;
    return 追加_変化(r, end, m, clock, true);
}

std::vector<int> 現在手順(const GameRecord& r) {
    std::vector<int> line{kRecordRoot};
    for (int next = chosenChild(node(r, kRecordRoot)); next >= 0; next = chosenChild(node(r, line.back())))
        line.push_back(next);
    return line;
}

int 手順の手数(const GameRecord& r) { return static_cast<int>(現在手順(r).size()) - 1; }

int 手順の節(const GameRecord& r, int ply) {
    int at = kRecordRoot;
    for (int k = 0; k < ply && at >= 0; ++k) at = chosenChild(node(r, at));
    return at;
}

void 切替_手順(GameRecord& r, int n) {
    for (int child = n, parent = node(r, n).parent; parent >= 0; child = parent, parent = node(r, parent).parent) {
        RecordNode& p = node(r, parent);
        for (std::size_t c = 0; c < p.children.size(); ++c)
            if (p.children[c] == child) p.chosen = static_cast<int>(c);
    }
}

void 切詰め_手順(GameRecord& r, int plies) {
    const int cut = 手順の節(r, plies < 0 ? 0 : plies);
    if (cut < 0 || node(r, cut).children.empty()) return;
    node(r, cut).children.clear();
    node(r, cut).chosen = 0;
    // The nodes still reached from the root keep their order; the rest go and
    // the indices close up.
    std::vector<int> renumber(r.nodes.size(), -1);
    std::vector<int> reached{kRecordRoot};
    for (std::size_t i = 0; i < reached.size(); ++i)
        for (const int c : node(r, reached[i]).children) reached.push_back(c);
    std::vector<bool> keep(r.nodes.size(), false);
    for (const int i : reached) keep[static_cast<std::size_t>(i)] = true;
    std::vector<RecordNode> kept;
    for (std::size_t i = 0; i < r.nodes.size(); ++i)
        if (keep[i]) {
            renumber[i] = static_cast<int>(kept.size());
            kept.push_back(std::move(r.nodes[i]));
        }
    for (RecordNode& n : kept) {
        if (n.parent >= 0) n.parent = renumber[static_cast<std::size_t>(n.parent)];
        for (int& c : n.children) c = renumber[static_cast<std::size_t>(c)];
    }
    r.nodes = std::move(kept);
}

int 調査_手番(const GameRecord& r, int ply) { return ply % 2 == 1 ? r.firstMover : -r.firstMover; }

GameLine 作成_手順局面(const GameRecord& r) {
    GameLine line;
    const std::vector<int> nodes = 現在手順(r);
    line.positions.reserve(nodes.size());
    line.positions.push_back(r.start);
    Position p = r.start;
    for (std::size_t i = 1; i < nodes.size(); ++i) {
        playMove(p, node(r, nodes[i]).move);
        line.positions.push_back(p);
        line.nodes.push_back(nodes[i]);
    }
    return line;
}

void 作成_手順表(const GameRecord& r, MoveList& list) {
    const GameLine line = 作成_手順局面(r);
    const int moves = static_cast<int>(line.nodes.size());
    list.entries.assign(static_cast<std::size_t>(std::max(moves + 1, 501)), MoveListEntry{});
    auto save = [&list](int k, const Position& p, const MoveClock& c) {
        MoveListEntry& e = list.entry(k);
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) e.board[x][y] = p.board[x][y];
        for (int kind = 1; kind <= kHandKinds; ++kind) {
            e.ownHand[kind] = p.ownHand[kind];
            e.enemyHand[kind] = p.enemyHand[kind];
        }
        e.manSecondsBefore = c.lowerBefore;
        e.manSecondsAfter = c.lowerAfter;
        e.comSecondsBefore = c.upperBefore;
        e.comSecondsAfter = c.upperAfter;
        e.movedPiece = 0;
    };
    MoveClock end;
    for (int k = 0; k < moves; ++k) {
        const MoveClock& c = node(r, line.nodes[static_cast<std::size_t>(k)]).clock;
        save(k, line.positions[static_cast<std::size_t>(k)], c);
        end = {c.lowerAfter, c.lowerAfter, c.upperAfter, c.upperAfter};
    }
    // The end of the game, with both totals.
    save(moves, line.positions.back(), end);
    list.recordLength = 0;
    list.lastEntry = moves;
}

void 設定_先手(GameRecord& r, int lowerSideOrder) {
    const int first = chosenChild(node(r, kRecordRoot));
    if (first < 0) {
        if (lowerSideOrder != 0) r.senteIsUpper = lowerSideOrder < 0;
        return;
    }
    const Side firstSeat = node(r, first).move.side();
    if (lowerSideOrder == 0) lowerSideOrder = firstSeat == Side::Lower ? 1 : -1;
    r.senteIsUpper = lowerSideOrder < 0;
    r.firstMover = firstSeat == Side::Lower ? lowerSideOrder : -lowerSideOrder;
}

int 調査_玉による勝者(const GameRecord& r) {
    if (手順の手数(r) == 0) return 0;
    const Position end = 作成_手順局面(r).positions.back();
    const bool upperKing = kingCount(end, Side::Upper) > 0, lowerKing = kingCount(end, Side::Lower) > 0;
    const int lowerOrder = r.senteIsUpper ? -1 : 1;
    if (!upperKing && lowerKing) return lowerOrder;
    if (!lowerKing && upperKing) return -lowerOrder;
    return 0;
}

std::string 作成_局面の指し手表記(const GameRecord& r, const GameLine& line, int i, const Move& m) {
    const NotationView view = r.senteIsUpper ? NotationView::UpperSideFirst : NotationView::AsDrawn;
    int prevToX = 0, prevToY = 0;
    if (i > 0 && static_cast<std::size_t>(i) <= line.nodes.size()) {
        const Move& before = node(r, line.nodes[static_cast<std::size_t>(i - 1)]).move;
        prevToX = before.toX;
        prevToY = before.toY;
    }
    return 作成_指し手表記(line.positions[static_cast<std::size_t>(i)], m, 調査_手番(r, i + 1), prevToX, prevToY, view);
}

}  // namespace xantu
