#pragma once
// The search's own board: a padded mailbox of 11 columns by 13 rows, so that
// every step, knight jump and slide stops on a wall without a bounds test.
// Pieces are small type numbers plus a colour bit; the Zobrist key, the pawn
// counts per file (two-pawn rule) and the king squares follow every move.
#include <cstdint>
#include <string>

#include "core/position.h"
#include "core/sfen.h"

namespace xantu::search {

// Colours are indices: 0 for the lower seat (Side::Lower: negative codes,
// SFEN 'b', moving towards y = 1), 1 for the upper seat (Side::Upper).
enum : int { kLower = 0, kUpper = 1 };
inline constexpr int colourOf(Side s) { return s == Side::Lower ? kLower : kUpper; }
inline constexpr Side sideOfColour(int colour) { return colour == kLower ? Side::Lower : Side::Upper; }

// Piece types. Hand kinds 1..7 are the unpromoted types of the same number.
enum PieceType : int {
    kNoType = 0,
    kP = 1,
    kL,
    kN,
    kS,
    kG,
    kB,
    kR,
    kK,
    kPP = 9,
    kPL,
    kPN,
    kPS,
    kHorse,
    kDragon,
    kTypeCount = 15
};

inline constexpr int kWall = 32;
inline constexpr int makePiece(int colour, int type) { return type | (colour << 4); }
inline constexpr int typeOf(int piece) { return piece & 15; }
inline constexpr int colourOf(int piece) { return piece >> 4; }  // only for real pieces

inline constexpr int kPromoted[kTypeCount] = {0, kPP, kPL, kPN, kPS, 0, kHorse, kDragon, 0, 0, 0, 0, 0, 0, 0};
inline constexpr int kUnpromoted[kTypeCount] = {0, kP, kL, kN, kS, kG, kB, kR, kK, kP, kL, kN, kS, kB, kR};
// The game's piece code of each type (unsigned: negate it for the lower seat).
inline constexpr int kCodeOfType[kTypeCount] = {0, 10, 20, 30, 100, 110, 800, 900, 950, 11, 21, 31, 101, 801, 901};

// Squares: sq = (y + 1) * 11 + x for the board's x, y in 1..9.
inline constexpr int kSquares = 143;
inline constexpr int squareOf(int x, int y) { return (y + 1) * 11 + x; }
inline constexpr int fileOf(int sq) { return sq % 11; }
inline constexpr int rankOf(int sq) { return sq / 11 - 1; }

// Eight directions as seen by the lower side: N, S, W, E, NW, NE, SW, SE.
inline constexpr int kDelta[8] = {-11, 11, -1, 1, -12, -10, 10, 12};
inline constexpr int kOpposite[8] = {1, 0, 3, 2, 7, 6, 5, 4};

// Moves in 32 bits: to (0..7), from (8..15, 0 for a drop), dropped type
// (16..19), promotion flag (20). 0 is "no move".
using Move = std::uint32_t;
inline constexpr Move makeMove(int from, int to, bool promote) {
    return static_cast<Move>(to | (from << 8) | (promote ? 1u << 20 : 0u));
}
inline constexpr Move makeDrop(int type, int to) { return static_cast<Move>(to | (type << 16)); }
inline constexpr int moveTo(Move m) { return static_cast<int>(m & 0xFF); }
inline constexpr int moveFrom(Move m) { return static_cast<int>((m >> 8) & 0xFF); }
inline constexpr int moveDropType(Move m) { return static_cast<int>((m >> 16) & 0xF); }
inline constexpr bool isDrop(Move m) { return moveDropType(m) != 0; }
inline constexpr bool isPromotion(Move m) { return (m >> 20) & 1u; }

// Movement of each type for the lower side, by direction bit (1 << index
// into kDelta); the upper side uses the opposite directions.
struct TypeMoves {
    int steps;   // one square
    int slides;  // any distance
};
extern const TypeMoves kTypeMoves[kTypeCount];

inline constexpr int kMaxPly = 128;
inline constexpr int kMaxHistory = 1024;

class Board {
public:
    std::uint8_t sq[kSquares];
    std::uint8_t hand[2][8];
    std::uint8_t pawnsOnFile[2][10];  // unpromoted pawns per file x
    std::uint8_t king[2];             // 0 once the king has been captured
    int side = kLower;
    std::uint64_t key = 0;
    // Material and piece-square value of each side's board and hand, kept
    // up to date by make/unmake (the evaluation's tables, search/eval.h).
    int psq[2] = {0, 0};
    void computePsq(int out[2]) const;

    // Sets the board from the game's Position (negative codes = lower side).
    void set(const Position& p, Side toMove);
    Position toPosition() const;
    bool fromSfen(const std::string& sfen);  // false when malformed
    std::string toSfen() const;

    void make(Move m);
    void unmake(Move m);
    void makeNull();
    void unmakeNull();

    // Whether a piece of `by` reaches square s (king captures included).
    bool attacked(int s, int by) const;
    bool kingAttacked(int colour) const { return king[colour] != 0 && attacked(king[colour], colour ^ 1); }

    std::uint64_t computeKey() const;  // from scratch, for checking
    // Whether everything kept up to date move by move (the key, both sides'
    // material and square sums, the pawns per file, the king squares) equals
    // what a rebuild from the squares and hands gives. make and unmake assert
    // it, so a build with assertions checks every move the search plays.
    bool ok() const;
    int gamePly() const { return histLen_; }
    // Times the current key occurred before, back to the last capture or drop.
    int repetitions() const;

    std::string usi(Move m) const;

private:
    struct Undo {
        std::uint64_t key;
        int psq[2];
        std::uint8_t captured;
        std::uint8_t irreversible;
    };
    Undo hist_[kMaxHistory + kMaxPly];
    int histLen_ = 0;
};

namespace zobrist {
extern std::uint64_t piece[48][kSquares];
extern std::uint64_t hand[2][8][20];
extern std::uint64_t sideKey;
}  // namespace zobrist

}  // namespace xantu::search
