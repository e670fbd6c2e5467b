#include <gtest/gtest.h>

#include <map>
#include <random>
#include <utility>

#include "core/legal_moves.h"
#include "core/move_check.h"
#include "core/move_rules.h"
#include "core/sfen.h"

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
            if (p.board[x][y] <= -kPawn) {
                ++lower;
                EXPECT_GE(y, 7);
            }
            if (p.board[x][y] >= kPawn) {
                ++upper;
                EXPECT_LE(y, 3);
            }
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

TEST(MoveCheckSteppers, SilverGoldLanceKingHorseDragon) {
    Position p = emptyBoard();
    PawnFiles f;
    auto ok = [&](int piece, int tx, int ty) { return 移動チェック(p, f, 5, 5, tx, ty, piece); };
    // Silver: three forward, two diagonal back.
    for (auto [tx, ty] : {std::pair{4, 4}, {5, 4}, {6, 4}, {4, 6}, {6, 6}}) EXPECT_EQ(ok(-kSilver, tx, ty), 1);
    EXPECT_EQ(ok(-kSilver, 5, 6), 0);
    EXPECT_EQ(ok(-kSilver, 4, 5), 0);
    EXPECT_EQ(ok(kSilver, 5, 6), 1);
    EXPECT_EQ(ok(kSilver, 5, 4), 0);
    // Gold and the pieces that move like it.
    for (int code : {-kGold, -kPromLance, -kPromKnight, -kPromSilver}) {
        for (auto [tx, ty] : {std::pair{4, 4}, {5, 4}, {6, 4}, {4, 5}, {6, 5}, {5, 6}})
            EXPECT_EQ(ok(code, tx, ty), 1) << code;
        EXPECT_EQ(ok(code, 4, 6), 0) << code;
        EXPECT_EQ(ok(-code, 4, 6), 1) << code;
        EXPECT_EQ(ok(-code, 4, 4), 0) << code;
    }
    // Lance: straight ahead only, not through a piece.
    EXPECT_EQ(ok(-kLance, 5, 1), 1);
    EXPECT_EQ(ok(-kLance, 5, 6), 0);
    EXPECT_EQ(ok(kLance, 5, 9), 1);
    p.board[5][3] = kPawn;
    EXPECT_EQ(ok(-kLance, 5, 3), 1);
    EXPECT_EQ(ok(-kLance, 5, 2), 0);
    p.board[5][3] = kEmpty;
    // King one step; horse and dragon one step or their slide.
    EXPECT_EQ(ok(-kKing, 4, 4), 1);
    EXPECT_EQ(ok(-kKing, 5, 7), 0);
    EXPECT_EQ(ok(kHorse, 5, 4), 1);
    EXPECT_EQ(ok(kHorse, 1, 1), 1);
    EXPECT_EQ(ok(kHorse, 5, 3), 0);
    EXPECT_EQ(ok(-kDragon, 4, 4), 1);
    EXPECT_EQ(ok(-kDragon, 5, 1), 1);
    EXPECT_EQ(ok(-kDragon, 3, 3), 0);
    // No notion of check: the king may step onto a square the rook attacks.
    p.board[5][1] = kRook;
    p.board[4][9] = -kKing;
    EXPECT_EQ(移動チェック(p, f, 4, 9, 5, 9, -kKing), 1);
}

TEST(MoveRules, CapturesFillTheHandUnpromotedAndAKingDecides) {
    Position p = emptyBoard();
    GameState g;  // manSide -1, comSide +1
    p.board[5][5] = -kRook;
    p.board[5][2] = kDragon;
    EXPECT_EQ(駒移動_局面(p, g, 5, 5, 5, 2, -kRook), kDragon);
    EXPECT_EQ(p.ownHand[7], 1);
    EXPECT_EQ(p.ownHandTotal, 1);
    EXPECT_EQ(p.board[5][5], kEmpty);
    // Dropped again as an unpromoted rook from its hand row (kind 7 = row 9).
    駒移動_局面(p, g, 11, 9, 1, 1, -kRook);
    EXPECT_EQ(p.board[1][1], -kRook);
    EXPECT_EQ(p.ownHand[7], 0);
    EXPECT_EQ(p.ownHandTotal, 0);
    // 111 is filed as a gold.
    p.board[2][2] = kGoldAlt;
    駒移動_局面(p, g, 1, 1, 2, 1, -kRook);
    駒移動_局面(p, g, 2, 1, 2, 2, -kRook);
    EXPECT_EQ(p.ownHand[5], 1);
    // The lower king's square follows it; taking it ends the game, no hand grows.
    p.board[5][9] = -kKing;
    駒移動_局面(p, g, 5, 9, 5, 8, -kKing);
    EXPECT_EQ(p.manKingX, 5);
    EXPECT_EQ(p.manKingY, 8);
    p.board[5][7] = kGold;
    駒移動_局面(p, g, 5, 7, 5, 8, kGold);
    EXPECT_EQ(g.winnerSide, g.comSide);
    EXPECT_EQ(p.enemyHandTotal, 0);
    for (int k = 1; k <= 7; ++k) EXPECT_EQ(p.enemyHand[k], 0);
}

TEST(MoveRules, PromotionZonesAndStrandedPieces) {
    int promoted = 77;
    EXPECT_EQ(調査_駒成(3, 3, 4, 4, -kSilver, promoted), 1);  // leaving the zone
    EXPECT_EQ(promoted, -kPromSilver);
    promoted = 77;
    EXPECT_EQ(調査_駒成(1, 5, 1, 4, -kLance, promoted), 0);
    EXPECT_EQ(調査_駒成(5, 3, 5, 4, -kLance, promoted), 0);  // a lance only promotes arriving
    EXPECT_EQ(調査_駒成(11, 3, 1, 1, -kPawn, promoted), 0);  // drops never
    EXPECT_EQ(調査_駒成(-1, 1, 5, 9, kPawn, promoted), 0);
    EXPECT_EQ(調査_駒成(5, 3, 5, 2, -kGold, promoted), 0);
    EXPECT_EQ(調査_駒成(5, 3, 5, 2, -kPromPawn, promoted), 0);
    EXPECT_EQ(promoted, 77);  // untouched when the answer is 0
    EXPECT_EQ(調査_駒成(5, 7, 5, 5, kPawn, promoted), 1);
    EXPECT_EQ(promoted, kPromPawn);
    EXPECT_EQ(調査_駒成(2, 6, 3, 8, kKnight, promoted), 1);
    EXPECT_EQ(promoted, kPromKnight);

    EXPECT_EQ(移動後チェック(1, -kLance), 0);
    EXPECT_EQ(移動後チェック(1, -kPawn), 1);
    EXPECT_EQ(移動後チェック(2, -kKnight), 0);
    EXPECT_EQ(移動後チェック(3, -kKnight), 1);
    EXPECT_EQ(移動後チェック(9, kLance), 0);
    EXPECT_EQ(移動後チェック(8, kKnight), 0);
    EXPECT_EQ(移動後チェック(7, kKnight), 1);
    EXPECT_EQ(移動後チェック(1, -kPromLance), 1);
}

TEST(MoveRules, PawnFlagsForgetAPromotedPawn) {
    Position p = emptyBoard();
    PawnFiles f;
    p.board[5][4] = -kPawn;
    p.board[3][3] = kPawn;
    調査_2歩フラグ設定(p, f);
    EXPECT_EQ(f.man[5], 1);
    EXPECT_EQ(f.com[3], 1);
    EXPECT_EQ(f.man[3], 0);
    p.board[5][4] = -kPromPawn;
    調査_2歩フラグ設定(p, f);
    EXPECT_EQ(f.man[5], 0);
}

// The one-move lookup the USI reader uses must agree with the whole list on
// every text, along random games that fill both hands.
TEST(LegalMove, AgreesWithTheListOnEveryText) {
    std::vector<std::string> texts;
    for (int fx = 1; fx <= 9; ++fx)
        for (int fy = 1; fy <= 9; ++fy)
            for (int tx = 1; tx <= 9; ++tx)
                for (int ty = 1; ty <= 9; ++ty) {
                    texts.push_back(usiSquare(fx, fy) + usiSquare(tx, ty));
                    texts.push_back(texts.back() + "+");
                }
    for (int kind = 1; kind <= 7; ++kind)
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) texts.push_back(std::string(1, usiHandLetter(kind)) + "*" + usiSquare(x, y));
    std::mt19937 rng(20);
    int drops = 0;
    for (int game = 0; game < 2; ++game) {
        Position p = start();
        Side side = Side::Lower;
        for (int ply = 0; ply < 40; ++ply) {
            const std::vector<Move> moves = legalMoves(p, side);
            std::map<std::string, Move> listed;
            for (const Move& m : moves) listed.emplace(m.usi(), m);
            for (const std::string& t : texts) {
                const auto found = listed.find(t);
                const std::optional<Move> one = legalMove(p, side, t);
                ASSERT_EQ(found != listed.end(), one.has_value()) << toSfen(p, side) << " " << t;
                if (found == listed.end()) continue;
                EXPECT_EQ(found->second, *one) << t;
                drops += one->isDrop();
            }
            if (moves.empty()) break;
            const Move& m = moves[rng() % moves.size()];
            if (absCode(playMove(p, m)) == kKing) break;
            side = opponent(side);
        }
    }
    EXPECT_GT(drops, 0);
}
