#include "core/score_view.h"

#include <algorithm>
#include <cstdlib>

namespace xantu {

ScoreView ScoreView::fromMover(int cpForMover, int mateInForMover, Order toMove) {
    ScoreView s;
    if (mateInForMover != 0)
        s.mate = toMove == Order::Sente ? mateInForMover : -mateInForMover;
    else
        s.cp = toMove == Order::Sente ? cpForMover : -cpForMover;
    return s;
}

int ScoreView::value() const {
    if (mate > 0) return kScoreViewMate - mate;
    if (mate < 0) return -kScoreViewMate - mate;
    return cp;
}

int ScoreView::shownValueFor(Order viewer) const {
    return std::clamp(valueFor(viewer), -kScoreViewShownLimit, kScoreViewShownLimit);
}

std::string ScoreView::text() const {
    if (mate != 0) return std::string(mate > 0 ? "先手勝ち " : "後手勝ち ") + std::to_string(std::abs(mate)) + "手";
    return (cp > 0 ? "+" : "") + std::to_string(cp);
}

std::string ScoreView::usi(Order viewer) const {
    if (mate != 0) return "mate " + std::to_string(mateFor(viewer));
    return "cp " + std::to_string(cpFor(viewer));
}

}  // namespace xantu
