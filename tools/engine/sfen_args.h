#pragma once
#include <optional>
#include <string_view>

#include "core/sfen.h"
#include "tools/engine/commands.h"

namespace xantu::engine {

// The start position as SFEN; the word "startpos" stands for it wherever a
// position is read.
inline constexpr const char* kStartSfen = "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1";

// Reads an SFEN, or the word "startpos".
SfenResult parsePositionText(std::string_view text);

// Joins the words into one SFEN (or "startpos") and reads it. On failure
// prints the reason as one line on stderr and returns nothing (the command
// then exits with kExitBadInput).
std::optional<SfenResult> readSfenArgs(const Args& words);

}  // namespace xantu::engine
