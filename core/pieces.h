#pragma once
#include "core/int_abs.h"

// Piece codes: the sign is the owner (negative = lower side / MAN, positive =
// upper side / COM), the magnitude is the kind and doubles as its value.
// A promoted piece is one greater in magnitude than its unpromoted kind.
namespace xantu {

inline constexpr int kEmpty = 0;
inline constexpr int kPawn = 10, kPromPawn = 11;
inline constexpr int kLance = 20, kPromLance = 21;
inline constexpr int kKnight = 30, kPromKnight = 31;
inline constexpr int kSilver = 100, kPromSilver = 101;
inline constexpr int kGold = 110, kGoldAlt = 111;  // 111 is filed like gold
inline constexpr int kBishop = 800, kHorse = 801;
inline constexpr int kRook = 900, kDragon = 901;
inline constexpr int kKing = 950;

// Hand kinds 1..7 (pawn .. rook) and the unpromoted magnitude of each.
inline constexpr int kHandKinds = 7;
inline constexpr int kHandKindCode[8] = {0, kPawn, kLance, kKnight, kSilver, kGold, kBishop, kRook};

// Pseudo-columns of the two hand areas: a move from one of them is a drop.
inline constexpr int kLowerHandCol = 11;  // rows 3..9 = kinds 1..7
inline constexpr int kUpperHandCol = -1;  // rows 1..7 = kinds 7..1

inline constexpr bool isUpper(int code) { return code >= kPawn; }
inline constexpr bool isLower(int code) { return code <= -kPawn; }
inline constexpr int absCode(int code) { return iabs(code); }

// Hand kind (1..7) of a captured code, 0 for a king or anything else.
inline constexpr int handKindOf(int code) {
    switch (absCode(code)) {
    case kPawn:
    case kPromPawn: return 1;
    case kLance:
    case kPromLance: return 2;
    case kKnight:
    case kPromKnight: return 3;
    case kSilver:
    case kPromSilver: return 4;
    case kGold:
    case kGoldAlt: return 5;
    case kBishop:
    case kHorse: return 6;
    case kRook:
    case kDragon: return 7;
    default: return 0;
    }
}

}  // namespace xantu
