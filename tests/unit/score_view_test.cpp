// One score, two views: the screen's (先手's) and USI's (the side to move's),
// from real searches with either seat to move and either seat as 先手.
#include <gtest/gtest.h>

#include <atomic>

#include "core/score_view.h"
#include "core/sfen.h"
#include "search/searcher.h"

namespace xantu {
namespace {

Info lastInfo(const char* sfen) {
    const SfenResult r = parseSfen(sfen);
    EXPECT_TRUE(r.ok) << sfen;
    search::Searcher s(4);
    Limits limits;
    limits.depth = 3;
    const std::atomic<bool> stop{false};
    Info last;
    s.go(r.position, r.side, limits, stop, [&](const Info& i) { last = i; });
    return last;
}

TEST(ScoreView, ScreenAndUsiViewsAgreeForBothSeats) {
    // The lower side has a rook more; the same position with either seat to move.
    for (const Side toMove : {Side::Lower, Side::Upper}) {
        const char* sfen = toMove == Side::Lower ? "4k4/9/9/9/9/9/9/9/4K2R1 b - 1" : "4k4/9/9/9/9/9/9/9/4K2R1 w - 1";
        const Info info = lastInfo(sfen);
        ASSERT_EQ(info.mateIn, 0) << sfen;
        EXPECT_EQ(info.scoreCp > 0, toMove == Side::Lower) << sfen;  // USI: the side to move's view
        for (const Side senteSeat : {Side::Lower, Side::Upper}) {
            const Order moverOrder = toMove == senteSeat ? Order::Sente : Order::Gote;
            const ScoreView v = ScoreView::of(info, moverOrder);
            // On screen 先手 is ahead exactly when 先手 sits on the lower seat.
            EXPECT_EQ(v.cp > 0, senteSeat == Side::Lower) << sfen;
            EXPECT_EQ(v.text(), (v.cp > 0 ? "+" : "") + std::to_string(v.cp));
            // Back to the side to move: the number the search gave, as USI prints it.
            EXPECT_EQ(v.usi(moverOrder), "cp " + std::to_string(info.scoreCp));
            EXPECT_EQ(v.valueFor(moverOrder), info.scoreCp);
        }
    }
    // A king capture at once: the mover wins in one ply, whichever order it has.
    const Info win = lastInfo("4k4/9/9/9/9/9/9/9/K3R4 b - 1");
    EXPECT_EQ(win.mateIn, 1);
    EXPECT_EQ(ScoreView::of(win, Order::Sente).text(), "先手勝ち 1手");
    EXPECT_EQ(ScoreView::of(win, Order::Gote).text(), "後手勝ち 1手");
    EXPECT_EQ(ScoreView::of(win, Order::Gote).usi(Order::Gote), "mate 1");
    EXPECT_GT(ScoreView::of(win, Order::Sente).value(), (ScoreView{30000, 0}.value()));
}

}  // namespace
}  // namespace xantu
