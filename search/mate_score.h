#pragma once
// The search's score scale: centipawns, and beyond kMateBound a king capture
// a known number of plies away.

namespace xantu::search {

inline constexpr int kInfinity = 32000;
inline constexpr int kMate = 31000;              // a king captured at the root
inline constexpr int kMateBound = kMate - 1000;  // scores beyond this are king captures

// A score of kMate - p means the king falls with the move after p plies:
// returns the plies to the capture, > 0 when the side to move takes the king,
// < 0 when it loses its own, 0 for an ordinary score.
inline constexpr int mateInPlies(int score) {
    if (score > kMateBound) return kMate - score + 1;
    if (score < -kMateBound) return -(kMate + score + 1);
    return 0;
}

}  // namespace xantu::search
