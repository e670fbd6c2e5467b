#pragma once
#include "core/position.h"

namespace xantu::engine {

// The board turned about as the core turns it, with the two king squares
// turned and exchanged as well. The computer only ever plays the upper
// side; the lower side's move is found on the turned board.
Position turnedAboutWithKings(const Position& p);

}  // namespace xantu::engine
