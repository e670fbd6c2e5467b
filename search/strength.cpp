#include "search/strength.h"

namespace xantu::search {

StrengthPlan planFor(Strength s) {
    // Set by matches of each step against the one below (see README).
    switch (s) {
    case Strength::Nyuumon: return {2, 60000, 90, 20};
    case Strength::Shokyuu: return {3, 150000, 40, 12};
    case Strength::Chuukyuu: return {0, 90000, 40, 12, 8};
    case Strength::Joukyuu: return {0, 450000, 40, 12, 8};
    case Strength::Saikyou: break;
    }
    return {0, 0, 0, 0};
}

}  // namespace xantu::search
