#include <gtest/gtest.h>

#include "core/move.h"
#include "core/sfen.h"

using namespace xantu;

namespace {
constexpr const char* kStart = "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1";
}

TEST(SfenParse, StartPositionMatchesTheLayout) {
    const SfenResult r = parseSfen(kStart);
    ASSERT_TRUE(r.ok) << r.error;
    Position expected;
    初期配置(expected);
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) EXPECT_EQ(r.position.board[x][y], expected.board[x][y]) << x << "," << y;
    EXPECT_EQ(r.side, Side::Lower);
    EXPECT_EQ(r.position.manKingX, 5);
    EXPECT_EQ(r.position.manKingY, 9);
    EXPECT_EQ(r.position.comKingX, 5);
    EXPECT_EQ(r.position.comKingY, 1);
    EXPECT_TRUE(r.position.ok());
}

// 21 pawns: a composed position, read with the set bound waived.
TEST(SfenParse, PromotedPiecesHandsAndSide) {
    const SfenResult r = parseSfen("4k4/9/9/9/4+p4/9/9/+B7+r/4K4 w 2Pr18pG 37", SetBound::Waived);
    ASSERT_TRUE(r.ok) << r.error;
    const Position& p = r.position;
    EXPECT_EQ(r.side, Side::Upper);
    EXPECT_EQ(p.board[5][5], kPromPawn);
    EXPECT_EQ(p.board[1][8], -kHorse);
    EXPECT_EQ(p.board[9][8], kDragon);
    EXPECT_EQ(p.ownHand[1], 2);
    EXPECT_EQ(p.ownHand[5], 1);
    EXPECT_EQ(p.ownHandTotal, 3);
    EXPECT_EQ(p.enemyHand[7], 1);
    EXPECT_EQ(p.enemyHand[1], 18);
    EXPECT_EQ(p.enemyHandTotal, 19);
    EXPECT_TRUE(p.ok(SetBound::Waived));
}

// Three rooks (two on the board, one in hand) are one more than a set has:
// refused, saying which kind; a composed position may have them.
TEST(SfenParse, MorePiecesOfAKindThanTheSetHasAreRefused) {
    const char* threeRooks = "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b R 1";
    const SfenResult r = parseSfen(threeRooks);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, "invalid SFEN: the set has 2 rooks, found 3 (board and both hands)");
    const SfenResult composed = parseSfen(threeRooks, SetBound::Waived);
    ASSERT_TRUE(composed.ok) << composed.error;
    const PositionFault f = composed.position.fault();
    EXPECT_EQ(f.rule, PositionRule::PieceSet);
    EXPECT_EQ(f.kind, 7);
    // A broken square and a broken hand are named too.
    Position p = composed.position;
    p.board[4][6] = 12;
    EXPECT_EQ(describe(p.fault(SetBound::Waived)), "square (4,6) holds 12, which is no piece");
    p.board[4][6] = kEmpty;
    p.enemyHandTotal = 2;
    EXPECT_EQ(describe(p.fault(SetBound::Waived)), "the upper side's hand total is 2 but its counts add up to 0");
}

TEST(SfenParse, RoundTripsThroughToSfen) {
    for (const char* s : {kStart, "4k4/9/9/9/4+p4/9/9/+B7+r/4K4 w RG2Pr18p 1",
                          "ln1g1g1nl/1r1s1k3/p1ppppsp1/9/1p5Pp/2P6/PPSPPPP1P/7R1/LN1GKGSNL b Bb 1"}) {
        const SfenResult r = parseSfen(s, SetBound::Waived);
        ASSERT_TRUE(r.ok) << s << ": " << r.error;
        EXPECT_EQ(toSfen(r.position, r.side), s);
    }
}

TEST(SfenParse, RejectsMalformedInputWithOneLineMessage) {
    const char* bad[] = {
        "",                                                                   // nothing
        "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b -",      // no move number
        "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1 x",  // extra word
        "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSN b - 1",     // short row
        "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R2/LNSGKGSNL b - 1",    // long row
        "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/LNSGKGSNL b - 1",          // 8 rows
        "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1",  // 10 rows
        "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNX b - 1",    // unknown letter
        "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNS+GKGSNL b - 1",   // promoted gold
        "lnsg+kgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1",   // promoted king
        "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL+ b - 1",   // dangling +
        "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL x - 1",    // side
        "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b 19P 1",  // count over 18
        "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b 0P 1",   // count 0
        "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b K 1",    // king in hand
        "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b +P 1",   // promoted in hand
        "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b PP 1",   // letter twice
        "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b 2 1",    // count alone
        "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - x1",   // move number
        "lnsg1gsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1",    // no upper king
        "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSG1GSNL b - 1",    // no lower king
        "lnsgkgsnl/1r5b1/ppppppppp/9/4K4/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1",  // two lower kings
        "lnsgkgsnl/1r5b1/ppppppppp/9/45/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1",   // digits run together
        "lnsgkgsnl/1r5b1/ppppppppp/9/09/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1",   // zero run
    };
    for (const char* s : bad) {
        const SfenResult r = parseSfen(s);
        EXPECT_FALSE(r.ok) << s;
        EXPECT_FALSE(r.error.empty()) << s;
        EXPECT_EQ(r.error.find('\n'), std::string::npos) << s;
    }
}

TEST(UsiNotation, SquaresMovesAndDrops) {
    EXPECT_EQ(usiSquare(3, 7), "7g");
    EXPECT_EQ(usiSquare(9, 1), "1a");
    EXPECT_EQ(Move::boardMove(3, 7, 3, 6, -kPawn, false).usi(), "7g7f");
    EXPECT_EQ(Move::boardMove(3, 3, 3, 2, -kPromSilver, true).usi(), "7c7b+");
    EXPECT_EQ(Move::drop(Side::Lower, 1, 5, 5).usi(), "P*5e");
    EXPECT_EQ(Move::drop(Side::Upper, 7, 1, 1).usi(), "R*9a");
}
