#pragma once
#include <optional>

#include "core/sfen.h"
#include "tools/engine/commands.h"

namespace xantu::engine {

// Joins the words into one SFEN and reads it. On failure prints the reason
// as one line on stderr and returns nothing (the command then exits with
// kExitBadInput).
std::optional<SfenResult> readSfenArgs(const Args& words);

}  // namespace xantu::engine
