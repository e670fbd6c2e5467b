#pragma once
#include "core/position.h"

namespace xantu::engine {

// The board turned about: squares mirrored through the centre, codes and
// hands exchanged between the sides. The specified computer only ever plays
// the upper side; the lower side's move is found on the turned board.
Position turnedAbout(const Position& p);

}  // namespace xantu::engine
