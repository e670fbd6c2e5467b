#pragma once
#include "core/position.h"

namespace xantu {

// The handicap ladder: at level -n the lower side lacks the first n pieces
// of its list, at level +n the upper side lacks the first n of its own.
// Pawns and kings are never removed.
inline constexpr int kHandicapSteps = 10;

struct HandicapStep {
    int x, y, code;  // the square and the piece that stands there at the start
};

// Entry 0 is unused, so that step n of the ladder is entry n.
inline constexpr HandicapStep kLowerHandicap[kHandicapSteps + 1] = {
    {0, 0, 0},        {2, 8, -kBishop}, {8, 8, -kRook},   {1, 9, -kLance}, {9, 9, -kLance}, {2, 9, -kKnight},
    {8, 9, -kKnight}, {3, 9, -kSilver}, {7, 9, -kSilver}, {4, 9, -kGold},  {6, 9, -kGold}};
inline constexpr HandicapStep kUpperHandicap[kHandicapSteps + 1] = {
    {0, 0, 0},       {8, 2, kBishop}, {2, 2, kRook},   {9, 1, kLance}, {1, 1, kLance}, {8, 1, kKnight},
    {2, 1, kKnight}, {7, 1, kSilver}, {3, 1, kSilver}, {6, 1, kGold},  {4, 1, kGold}};

// Empties the squares of every step that `level` (-10..+10) removes from the
// starting layout.
void applyHandicap(Position& p, int level);

}  // namespace xantu
