#pragma once

namespace xantu {

// The two sides of a game, in two words that are never mixed:
//
// The seat (Side): where a player sits. Lower is the player at the bottom of
// the board as drawn: negative piece codes, the hand Position::ownHand, the
// pseudo-column kLowerHandCol, moving towards y = 1, uppercase letters and
// 'b' in SFEN, MAN (the human) in a game against the computer, and the search's
// colour index 0. Upper is the player at the top: positive codes,
// Position::enemyHand, kUpperHandCol, lowercase letters and 'w' in SFEN, COM,
// the search's colour index 1. The enumerator's value is the sign of that
// seat's piece codes.
//
// The order of play (Order): who moves first. Sente (先手, "▲", order value +1)
// moves first, Gote (後手, "△", -1) second. Either seat may move first: the
// human chooses, and a handicap game lets the upper side begin. GameState
// keeps the order value of each seat (manSide for Lower, comSide for Upper)
// and of the side to move as plain order values (kSente, kGote, 0 for none),
// so a seat's order is looked up there, never assumed. The record files and
// KIF name players by order; SFEN and USI name the side to move by seat.
enum class Side : int { Lower = -1, Upper = 1 };
enum class Order : int { Sente = 1, Gote = -1 };

inline constexpr Side opponent(Side s) { return s == Side::Lower ? Side::Upper : Side::Lower; }
inline constexpr Order opponent(Order o) { return o == Order::Sente ? Order::Gote : Order::Sente; }

// The sign of the seat's piece codes (-1 lower, +1 upper).
inline constexpr int sign(Side s) { return static_cast<int>(s); }
// The seat that owns a (non-empty) piece code.
inline constexpr Side sideOf(int code) { return code < 0 ? Side::Lower : Side::Upper; }

// The order value GameState stores (+1 先手, -1 後手), and back (0 is no order).
inline constexpr int orderValue(Order o) { return static_cast<int>(o); }
inline constexpr Order orderOf(int value) { return value > 0 ? Order::Sente : Order::Gote; }
inline constexpr int kSente = orderValue(Order::Sente), kGote = orderValue(Order::Gote);

}  // namespace xantu
