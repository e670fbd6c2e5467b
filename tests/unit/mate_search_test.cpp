// One-move-deep mate tests for either king: interposition by a drop, the
// two-pawn exception, king escapes, captures and blocks by other pieces.
#include <gtest/gtest.h>

#include <cstring>

#include "computer/mate_search.h"
#include "core/sfen.h"
#include "influence/influence_map.h"

using namespace xantu;

namespace {

struct Verdict {
    int mated;
    bool unchanged;  // board and hands as before the test
};

bool samePosition(const Position& a, const Position& b) {
    return std::memcmp(a.board, b.board, sizeof a.board) == 0 &&
           std::memcmp(a.ownHand, b.ownHand, sizeof a.ownHand) == 0 &&
           std::memcmp(a.enemyHand, b.enemyHand, sizeof a.enemyHand) == 0 && a.ownHandTotal == b.ownHandTotal &&
           a.enemyHandTotal == b.enemyHandTotal;
}

Position load(const char* sfen) {
    SfenResult r = parseSfen(sfen, SetBound::Waived);
    EXPECT_TRUE(r.ok) << sfen << ": " << r.error;
    return r.position;
}

// Survey, then ask whether the lower king is mated.
Verdict manMated(const char* sfen) {
    Position p = load(sfen);
    InfluenceMap m;
    勢力調査(p, m);
    const Position before = p;
    const int mated = 詰めかMAN(p, m);
    return {mated, samePosition(p, before)};
}

Verdict comMated(const char* sfen, InfluenceMap* left = nullptr) {
    Position p = load(sfen);
    InfluenceMap m;
    勢力調査(p, m);
    const Position before = p;
    const int mated = 詰めかCOM(p, m);
    if (left) *left = m;
    return {mated, samePosition(p, before)};
}

#define EXPECT_MAN_MATED(sfen, expected)      \
    do {                                      \
        const Verdict v = manMated(sfen);     \
        EXPECT_EQ(v.mated, expected) << sfen; \
        EXPECT_TRUE(v.unchanged) << sfen;     \
    } while (0)

#define EXPECT_COM_MATED(sfen, expected)      \
    do {                                      \
        const Verdict v = comMated(sfen);     \
        EXPECT_EQ(v.mated, expected) << sfen; \
        EXPECT_TRUE(v.unchanged) << sfen;     \
    } while (0)

}  // namespace

TEST(MateNoCheck, KingNotAttackedIsNeverMated) {
    EXPECT_MAN_MATED("lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1", 0);
    EXPECT_COM_MATED("lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1", 0);
}

// Upper rook three squares above the lower king; upper pawns (rook-like)
// cover both neighbouring files, so every king move is attacked.
TEST(MateInterposition, ADropOnTheLineSaves) {
    EXPECT_MAN_MATED("k8/9/3p1p3/9/9/4r4/9/9/4K4 b G 1", 0);
    EXPECT_MAN_MATED("k8/9/3p1p3/9/9/4r4/9/9/4K4 b - 1", 1);
    EXPECT_COM_MATED("4k4/9/9/4R4/9/9/3P1P3/9/8K w g 1", 0);
    EXPECT_COM_MATED("4k4/9/9/4R4/9/9/3P1P3/9/8K w - 1", 1);
}

// A lower pawn on (5,2), walled in by an upper gold, already stands on the
// checking file: with nothing but pawns in hand no drop is possible there.
TEST(MateInterposition, PawnOnlyHandObeysTheTwoPawnRule) {
    EXPECT_MAN_MATED("k8/4P4/3pgp3/9/9/4r4/9/9/4K4 b P 1", 1);
    EXPECT_MAN_MATED("k8/4P4/3pgp3/9/9/4r4/9/9/4K4 b 3P 1", 1);
    EXPECT_MAN_MATED("k8/4P4/3pgp3/9/9/4r4/9/9/4K4 b GP 1", 0);  // not pawns only
    EXPECT_MAN_MATED("k8/4+P4/3pgp3/9/9/4r4/9/9/4K4 b P 1", 0);  // a promoted pawn does not count
    EXPECT_COM_MATED("4k4/9/9/4R4/9/9/3PGP3/4p4/8K w p 1", 1);
    EXPECT_COM_MATED("4k4/9/9/4R4/9/9/3PGP3/4p4/8K w gp 1", 0);
}

TEST(MateAdjacentChecker, DropsCannotHelpOnlyCapturesDo) {
    // Gold on the king's head, defended by the pawn above: mated whatever is in hand.
    EXPECT_MAN_MATED("k8/9/4p4/9/9/9/9/4g4/4K4 b R 1", 1);
    // Undefended: the king takes it.
    EXPECT_MAN_MATED("k8/9/9/9/9/9/9/4g4/4K4 b R 1", 0);
    // Defended, but a silver takes it and the pawn's file is then closed.
    EXPECT_MAN_MATED("k8/9/4p4/9/9/9/9/4g4/3SK4 b - 1", 0);
}

TEST(MateKnightCheck, KingSquareMarkEndsTheDropStep) {
    // Smothered by its own knights and lances: nothing reaches the knight.
    EXPECT_MAN_MATED("k8/9/9/9/9/9/3n5/3NNN3/3LKL3 b R 1", 1);
    // A silver instead of the left knight captures the checker.
    EXPECT_MAN_MATED("k8/9/9/9/9/9/3n5/3SNN3/3LKL3 b R 1", 0);
    EXPECT_COM_MATED("3lkl3/3nnn3/3N5/9/9/9/9/9/8K w R 1", 1);
    EXPECT_COM_MATED("3lkl3/3snn3/3N5/9/9/9/9/9/8K w R 1", 0);
}

TEST(MateDoubleCheck, OneBlockOrCaptureIsNotEnough) {
    // Rook down the file and bishop down the diagonal.
    EXPECT_MAN_MATED("k8/9/3p1p3/9/b3r4/9/9/9/4K4 b G 1", 1);
    // The same without the bishop: the gold drop blocks.
    EXPECT_MAN_MATED("k8/9/3p1p3/9/4r4/9/9/9/4K4 b G 1", 0);
    // A lower rook can take the upper rook, but the bishop still reaches the king.
    EXPECT_MAN_MATED("k8/9/3p1p3/9/b3r3R/9/9/9/4K4 b G 1", 1);
}

TEST(MateKingEscape, AttackedAndUnattackedSquares) {
    // The square behind the king on the rook's file counts as attacked.
    EXPECT_MAN_MATED("k8/3p1p3/4r4/9/9/9/4K4/9/9 b - 1", 1);
    // With the sixth file open the king steps aside.
    EXPECT_MAN_MATED("k8/3p5/4r4/9/9/9/4K4/9/9 b - 1", 0);
}

TEST(MateOtherPieces, ABlockSavesUnlessItOpensAnotherLine) {
    // A rook from the side blocks the file.
    EXPECT_MAN_MATED("k8/9/3p1p3/9/9/4r4/8R/9/4K4 b - 1", 0);
    // A silver blocks on (5,7); the gold on (7,8) guards the king's last square.
    EXPECT_MAN_MATED("k8/9/3p1p3/9/9/4r4/9/5Sg2/4K4 b - 1", 0);
    // The same silver is pinned by a bishop: its block lets the bishop in.
    EXPECT_MAN_MATED("k8/9/3p1p3/9/9/4r2b1/9/5Sg2/4K4 b - 1", 1);
}

// The upper king is checked by the lower rook up the file; the lower bishop's
// diagonal is closed only by the upper rook on (6,2). That rook's block on
// (5,2) opens the diagonal and fails. The verdict must come from the check of
// the position under test, in which the upper rook on (9,3) blocks on (5,3),
// not from the map the failed trials leave behind.
TEST(MateUpperTrials, DestinationsComeFromTheCheckUnderTest) {
    InfluenceMap left;
    const Verdict v = comMated("4k4/5rG2/8r/9/8B/4R4/9/9/K2P5 w - 1", &left);
    EXPECT_EQ(v.mated, 0);
    EXPECT_TRUE(v.unchanged);
    // The map left behind is the saving trial's: the rook stands on (5,3) in it.
    EXPECT_EQ(left.manThreat[5][3], -kRook);
    EXPECT_EQ(left.manInfluence[5][1], 0);
}

TEST(MateUpperTrials, MapUntouchedWhenAnsweredBeforeTheTrials) {
    Position p = load("4k4/9/9/4R4/9/9/3P1P3/9/8K w g 1");
    InfluenceMap m;
    勢力調査(p, m);
    const InfluenceMap before = m;
    EXPECT_EQ(詰めかCOM(p, m), 0);
    EXPECT_EQ(std::memcmp(&before, &m, sizeof m), 0);
}

TEST(MateLowerReply, UpperPieceReachingTheKingSquare) {
    Position p = load("k8/9/9/9/9/4r4/9/9/4K4 b - 1");
    EXPECT_EQ(詰めかMAN_COM移動(p), 1);
    p = load("k8/9/9/9/9/4r4/4P4/9/4K4 b - 1");
    EXPECT_EQ(詰めかMAN_COM移動(p), 0);
    p = load("9/9/9/9/9/9/9/3k5/4K4 b - 1");  // the upper king counts too
    EXPECT_EQ(詰めかMAN_COM移動(p), 1);
}
