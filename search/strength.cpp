#include "search/strength.h"

namespace xantu::search {

StrengthPlan planFor(Strength s) {
    // Set by matches of each step against the one below (see README).
    switch (s) {
    case Strength::Nyuumon: return {1, 20000, 200, 25};
    case Strength::Shokyuu: return {2, 60000, 120, 30};
    case Strength::Chuukyuu: return {3, 150000, 40, 12};
    case Strength::Joukyuu: return {0, 2000000, 40, 12, 8};
    case Strength::Saikyou: break;
    }
    return {0, 0, 0, 0};
}

}  // namespace xantu::search
