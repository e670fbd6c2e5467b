#pragma once
#include "core/position.h"
#include "influence/influence_map.h"

namespace xantu {

// Reach procedures of the influence survey. Each records, in the map, every
// square that the piece of code 駒種類 standing on (入力X, 入力Y) reaches in
// one direction or pattern; the side is the sign of the code. The piece's own
// square is never recorded. A ray ends on the first occupied square (which it
// records) but passes through the opposing king, marking the check on that
// king's check map: 1 on the squares strictly between, 9 on the piece's square.
// Only the survey calls them; they expect its reset to have run.

// Orthogonal rays: toward y = 1, y = 9, x = 9 and x = 1.
void 勢力確定上直進(const Position& p, InfluenceMap& m, int 駒種類, int 入力X, int 入力Y);
void 勢力確定下直進(const Position& p, InfluenceMap& m, int 駒種類, int 入力X, int 入力Y);
void 勢力確定右直進(const Position& p, InfluenceMap& m, int 駒種類, int 入力X, int 入力Y);
void 勢力確定左直進(const Position& p, InfluenceMap& m, int 駒種類, int 入力X, int 入力Y);

// The six gold steps of a lower-side gold-mover, recorded under its own code.
void 勢力確定自金(const Position& p, InfluenceMap& m, int 駒種類, int 入力X, int 入力Y);
// The six gold steps of an upper-side gold-mover, always recorded as +110,
// with no guard square and no threat entry.
void 勢力確定敵金(const Position& p, InfluenceMap& m, int 入力X, int 入力Y);
// The four diagonal rays of a lower-side piece, recorded under I_駒 (a horse
// passes the bishop's code).
void 勢力確定自角(const Position& p, InfluenceMap& m, int I_駒, int 入力X, int 入力Y);
// The four diagonal rays of an upper-side piece.
void 勢力確定敵角(const Position& p, InfluenceMap& m, int 駒種類, int 入力X, int 入力Y);

}  // namespace xantu
