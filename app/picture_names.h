#pragma once
#include <string_view>

namespace xantu {

// The stored picture painted for a code: piece codes (±10 … ±950, promoted
// codes one greater), 0 for the empty square, 1 the title, 2..5 the single-tile
// themes and 7..9 the three tiles of the ペカナ pattern. Codes without a
// picture (6, ±111, anything unknown) give an empty name: nothing is painted.
std::string_view pictureName(int code);

}  // namespace xantu
