#include "search/strength.h"

namespace xantu::search {

StrengthPlan planFor(Strength s) {
    // Set by matches of each step against the one below (see README).
    switch (s) {
    case Strength::Nyuumon: return {1, 10000, 600, 250};
    case Strength::Shokyuu: return {1, 20000, 200, 25};
    case Strength::Chuukyuu: return {2, 60000, 120, 30};
    case Strength::Joukyuu: return {4, 300000, 40, 12};
    case Strength::Saikyou: break;
    }
    return {0, 0, 0, 0};
}

}  // namespace xantu::search
