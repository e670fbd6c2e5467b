#pragma once
// One game record, shared by every record format and by the window: the
// start, what the file says about the game, and the moves as a tree. Each
// node is one move with the time it took, its comments and what the analysis
// found of it; a node's first child continues the main line (the line a file
// writes first), the others are variations. The current line follows, from
// the start, the chosen child of every node: it is the game the window shows
// and steps through, and what is analysed.
//
// Positions are as drawn (x from the left, y from the top; the lower side has
// the negative codes). Every reader puts 先手 on the lower side; a game of
// the window may have 先手 on either seat (`senteIsUpper`).
//
// Plain data: nodes are held in one vector and name each other by index, so a
// record copies as a value. The free functions below are its operations.
#include <optional>
#include <string>
#include <vector>

#include "core/move.h"
#include "core/position.h"
#include "core/score_view.h"
#include "record/move_list.h"

namespace xantu {

// Both sides' thinking-time totals before and after one move, in seconds,
// by seat as drawn (the four clock values of a move-list entry).
struct MoveClock {
    double lowerBefore = 0, lowerAfter = 0;
    double upperBefore = 0, upperAfter = 0;
    bool operator==(const MoveClock&) const = default;
};

struct RecordNode {
    Move move;  // the move that led here; the root (the start) has none
    MoveClock clock;
    // Comment lines (UTF-8, without any mark): on the start for the root,
    // else on this move.
    std::vector<std::string> comments;
    // What the analysis found: the score of the Position this move led to
    // (先手's view), and the move's mark ("?", "??" or empty).
    std::optional<ScoreView> score;
    std::string mark;
    int parent = -1;            // -1 for the root
    int ply = 0;                // moves from the start: 0 for the root
    std::vector<int> children;  // [0] the main line, then the variations
    int chosen = 0;             // the child the current line follows
    bool operator==(const RecordNode&) const = default;
};

inline constexpr int kRecordRoot = 0;

struct GameRecord {
    Position start;
    int firstMover = 1;         // order value of the side that makes move 1 (+1 先手, −1 後手)
    bool senteIsUpper = false;  // 先手 plays from the upper side (positive codes)
    // What the file says besides the moves (UTF-8; empty when it says nothing).
    std::string startDateTime;  // "2026/12/07 10:00:00"
    std::string event;          // 棋戦
    std::string timeControl;    // 持ち時間, as written
    std::string handicap;       // 手合割 as the file names it ("角落ち"); the start holds the layout
    std::string senteName, goteName;
    int hintCount = 0;  // hints the player asked for
    // How the game ended when not by its last move, as the file names it
    // ("投了", "時間切れ", "切れ負け", "終局理由不明"); empty for none. A writer
    // writes it as a numbered line after the main line.
    std::string ending;
    int winner = 0;                                              // order value of the winner the file names; 0 for none
    std::vector<RecordNode> nodes = std::vector<RecordNode>(1);  // [kRecordRoot] the start
};

// Empties the record down to its start (header fields stay).
void 開始_棋譜(GameRecord& r, const Position& start, int firstMover);

// Adds `m` as a new child of `parent`: after its other children, or as the
// main line when it is the first. With `makeCurrent` the current line goes
// through it. Returns the new node.
int 追加_変化(GameRecord& r, int parent, const Move& m, const MoveClock& clock, bool makeCurrent);

// Appends `m` at the end of the current line, which then ends with it.
int 追加_指し手(GameRecord& r, const Move& m, const MoveClock& clock);

// The nodes of the current line: [0] the root, [i] the node of move i.
std::vector<int> 現在手順(const GameRecord& r);
// Moves on the current line.
int 手順の手数(const GameRecord& r);
// The node of move `ply` on the current line (the root for 0); −1 past its end.
int 手順の節(const GameRecord& r, int ply);

// Makes the current line pass through `node` (and, after it, follow the
// children already chosen).
void 切替_手順(GameRecord& r, int node);

// Keeps the current line's first `plies` moves and drops what follows them
// (the rest of that line and every variation branching off after it).
void 切詰め_手順(GameRecord& r, int plies);

// The order value of the side that makes move `ply` (from 1).
int 調査_手番(const GameRecord& r, int ply);

// The current line as the writers and the analysis read it: the Positions
// ([0] the start, [i] after move i) and the nodes of its moves.
struct GameLine {
    std::vector<Position> positions;
    std::vector<int> nodes;  // [i − 1] the node of move i
};
GameLine 作成_手順局面(const GameRecord& r);

// Fills the move list from the current line: entry k the Position after k
// moves with the clocks of move k + 1, the last entry the end with both
// totals; recordLength 0, lastEntry = the moves.
void 作成_手順表(const GameRecord& r, MoveList& list);

// Sets who sat where from the first move: `lowerSideOrder` is the order
// value of the lower side, 0 when the side that made the first move is 先手
// (a record that does not say). Without moves the first mover stays.
void 設定_先手(GameRecord& r, int lowerSideOrder);

// The winner by the board at the end of the current line: the side whose
// king is still there when the other's is gone; 0 when both stand.
int 調査_玉による勝者(const GameRecord& r);

// The screen's Japanese of `m` played from Position `i` of the line (m need
// not be the move played there): the mover's mark, 同 after move i, squares
// from 先手's seat. The analysis's moves are shown with it.
std::string 作成_局面の指し手表記(const GameRecord& r, const GameLine& line, int i, const Move& m);

}  // namespace xantu
