#pragma once
#include <string>
#include <string_view>

#include "core/position.h"
#include "core/side.h"

namespace xantu {

// Result of reading an SFEN. When ok is false, error holds a one-line reason
// and position/side are unspecified.
struct SfenResult {
    bool ok = false;
    Position position;
    Side side = Side::Lower;  // to move: 'b' is Lower, 'w' Upper
    std::string error;

    explicit operator bool() const { return ok; }
};

// Reads `BOARD SIDE HANDS MOVENUMBER` (words separated by blanks). Rejects
// anything malformed: wrong row count or length, unknown letters, a promoted
// gold or king, bad hand counts (0, more than 18, a letter given twice),
// missing or extra kings, and (unless `bound` waives it) more pieces of a
// kind than the set has. On success the hand totals and both king squares of
// the Position are set. Never throws.
SfenResult parseSfen(std::string_view sfen, SetBound bound = SetBound::Enforced);

// Writes the Position back as SFEN with move number 1. Hands are listed
// rook, bishop, gold, silver, knight, lance, pawn; the lower side first.
std::string toSfen(const Position& p, Side side);

// USI square of a board square: file = 10 - x, rank letter = 'a' + y - 1.
std::string usiSquare(int x, int y);

// USI letter of a hand kind 1..7 (P L N S G B R), uppercase.
char usiHandLetter(int kind);

}  // namespace xantu
