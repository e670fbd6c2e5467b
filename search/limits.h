#pragma once
// What bounds one LEVEL4 search: depth, nodes, a fixed time, or the clock of
// the side to move, the way USI `go` gives them. Every player takes the same
// Limits (core/player.h).
#include "core/player.h"

namespace xantu::search {

using Limits = xantu::Limits;

}  // namespace xantu::search
