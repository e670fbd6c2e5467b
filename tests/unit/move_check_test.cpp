#include <gtest/gtest.h>

#include "core/move_check.h"
#include "core/move_rules.h"

using namespace xantu;

namespace {
Position start() {
    Position p;
    初期配置(p);
    return p;
}
Position emptyBoard() { return Position{}; }
}  // namespace

TEST(StartLayout, FortyPiecesInPlace) {
    const Position p = start();
    int lower = 0, upper = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            if (p.board[x][y] <= -kPawn) { ++lower; EXPECT_GE(y, 7); }
            if (p.board[x][y] >= kPawn) { ++upper; EXPECT_LE(y, 3); }
        }
    EXPECT_EQ(lower, 20);
    EXPECT_EQ(upper, 20);
    EXPECT_EQ(p.board[2][8], -kBishop);
    EXPECT_EQ(p.board[8][8], -kRook);
    EXPECT_EQ(p.board[2][2], kRook);
    EXPECT_EQ(p.board[8][2], kBishop);
    EXPECT_TRUE(p.ok());
}

TEST(MoveCheckPawn, MovesLikeARook) {
    const Position p = start();
    PawnFiles f;
    EXPECT_EQ(移動チェック(p, f, 5, 7, 5, 6, -kPawn), 1);
    EXPECT_EQ(移動チェック(p, f, 5, 7, 5, 4, -kPawn), 1);
    EXPECT_EQ(移動チェック(p, f, 5, 7, 5, 3, -kPawn), 1);  // capture
    EXPECT_EQ(移動チェック(p, f, 5, 7, 5, 2, -kPawn), 0);  // blocked by the pawn on (5,3)
    EXPECT_EQ(移動チェック(p, f, 1, 7, 1, 9, -kPawn), 0);  // own lance
    EXPECT_EQ(移動チェック(p, f, 1, 7, 2, 7, -kPawn), 0);  // own pawn
    EXPECT_EQ(移動チェック(p, f, 1, 7, 1, 8, -kPawn), 1);  // backwards is fine
}

TEST(MoveCheckPawn, PromotedPawnIsRookAndBishop) {
    const Position p = emptyBoard();
    PawnFiles f;
    EXPECT_EQ(移動チェック(p, f, 5, 5, 1, 1, -kPromPawn), 1);
    EXPECT_EQ(移動チェック(p, f, 5, 5, 9, 5, -kPromPawn), 1);
    EXPECT_EQ(移動チェック(p, f, 5, 5, 5, 9, -kPromPawn), 1);
    EXPECT_EQ(移動チェック(p, f, 5, 5, 6, 7, -kPromPawn), 0);
}

TEST(MoveCheckKnight, JumpsForwardOnly) {
    Position p = start();
    PawnFiles f;
    p.board[1][7] = kEmpty;
    p.board[3][7] = kEmpty;
    EXPECT_EQ(移動チェック(p, f, 2, 9, 1, 7, -kKnight), 1);
    EXPECT_EQ(移動チェック(p, f, 2, 9, 3, 7, -kKnight), 1);
    EXPECT_EQ(移動チェック(p, f, 5, 5, 6, 5, -kKnight), 0);
    EXPECT_EQ(移動チェック(p, f, 5, 5, 6, 7, -kKnight), 0);
    EXPECT_EQ(移動チェック(p, f, 5, 5, 6, 7, kKnight), 1);
}

TEST(MoveCheckDrops, RanksAndTwoPawns) {
    Position p = emptyBoard();
    PawnFiles f;
    EXPECT_EQ(移動チェック(p, f, 11, 4, 3, 1, -kLance), 0);
    EXPECT_EQ(移動チェック(p, f, 11, 5, 3, 2, -kKnight), 0);
    EXPECT_EQ(移動チェック(p, f, 11, 5, 3, 3, -kKnight), 1);
    EXPECT_EQ(移動チェック(p, f, 11, 3, 3, 1, -kPawn), 1);
    EXPECT_EQ(移動チェック(p, f, -1, 6, 3, 9, kLance), 0);
    EXPECT_EQ(移動チェック(p, f, -1, 5, 3, 8, kKnight), 0);
    p.board[5][5] = -kPromPawn;
    調査_2歩フラグ設定(p, f);
    EXPECT_EQ(移動チェック(p, f, 11, 3, 5, 2, -kPawn), 1);  // a promoted pawn does not count
    p.board[5][6] = -kPawn;
    調査_2歩フラグ設定(p, f);
    EXPECT_EQ(移動チェック(p, f, 11, 3, 5, 2, -kPawn), 0);
    EXPECT_EQ(移動チェック(p, f, 11, 3, 5, 5, -kPawn), 0);  // occupied
    // Two pawns on a file are fine when one moves there.
    p.board[3][6] = -kPawn;
    EXPECT_EQ(移動チェック(p, f, 3, 6, 4, 6, -kPawn), 1);
}

TEST(MoveCheckAny, OffBoardOrSameSquareRefused) {
    const Position p = emptyBoard();
    PawnFiles f;
    for (int code : {-kPawn, kRook, -kKing, kGold, kHorse, 111}) {
        EXPECT_EQ(移動チェック(p, f, 5, 5, 5, 5, code), 0);
        EXPECT_EQ(移動チェック(p, f, 5, 5, 0, 5, code), 0);
        EXPECT_EQ(移動チェック(p, f, 5, 5, 5, 10, code), 0);
    }
    EXPECT_EQ(移動チェック(p, f, 5, 5, 1, 9, 111), 1);  // no rule for 111
}
