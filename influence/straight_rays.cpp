#include "influence/reach.h"
#include "influence/reach_record.h"

namespace xantu {

namespace {
inline void straight(const Position& p, InfluenceMap& m, int c, int x, int y, int dx, int dy) {
    if (c < 0)
        reach::ray<true>(p, m, c, x, y, dx, dy);
    else
        reach::ray<false>(p, m, c, x, y, dx, dy);
}
}  // namespace

void 勢力確定上直進(const Position& p, InfluenceMap& m, int 駒種類, int 入力X, int 入力Y) {
    straight(p, m, 駒種類, 入力X, 入力Y, 0, -1);
}

void 勢力確定下直進(const Position& p, InfluenceMap& m, int 駒種類, int 入力X, int 入力Y) {
    straight(p, m, 駒種類, 入力X, 入力Y, 0, +1);
}

void 勢力確定右直進(const Position& p, InfluenceMap& m, int 駒種類, int 入力X, int 入力Y) {
    straight(p, m, 駒種類, 入力X, 入力Y, +1, 0);
}

void 勢力確定左直進(const Position& p, InfluenceMap& m, int 駒種類, int 入力X, int 入力Y) {
    straight(p, m, 駒種類, 入力X, 入力Y, -1, 0);
}

}  // namespace xantu
