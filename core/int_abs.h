#pragma once

namespace xantu {

// The magnitude of a small integer (a distance on the board, a piece code):
// constexpr and branch-only, for the hot paths that must not call into libc.
inline constexpr int iabs(int v) { return v < 0 ? -v : v; }

}  // namespace xantu
