#include "influence/reach.h"
#include "influence/reach_record.h"

namespace xantu {

void 勢力確定自金(const Position& p, InfluenceMap& m, int 駒種類, int 入力X, int 入力Y) {
    reach::goldMan(p, m, 駒種類, 入力X, 入力Y);
}

void 勢力確定敵金(const Position& p, InfluenceMap& m, int 入力X, int 入力Y) { reach::goldCom(p, m, 入力X, 入力Y); }

void 勢力確定自角(const Position& p, InfluenceMap& m, int I_駒, int 入力X, int 入力Y) {
    reach::diagonalRays<true>(p, m, I_駒, 入力X, 入力Y);
}

void 勢力確定敵角(const Position& p, InfluenceMap& m, int 駒種類, int 入力X, int 入力Y) {
    reach::diagonalRays<false>(p, m, 駒種類, 入力X, 入力Y);
}

}  // namespace xantu
