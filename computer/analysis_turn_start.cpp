// Analyses of the Position when the computer begins to think.
#include <cassert>

#include "computer/analysis.h"
#include "core/move_check.h"

namespace xantu {

int 調査_自王逃道(const Position& p, const InfluenceMap& m) {
    const int kx = p.manKingX, ky = p.manKingY;
    // The order of the neighbours does not change the count; it is kept as
    // the squares ahead of the king first, behind it next, beside it last.
    static constexpr int kSteps[8][2] = {{0, -1}, {-1, -1}, {1, -1}, {0, 1}, {-1, 1}, {1, 1}, {-1, 0}, {1, 0}};
    int count = 0;
    for (const auto& s : kSteps) {
        const int x = kx + s[0], y = ky + s[1];
        if (x < 1 || x > 9 || y < 1 || y > 9) continue;
        if (p.board[x][y] == kEmpty && m.comInfluence[x][y] == 0) ++count;
    }
    return count;
}

void 調査_持角狙座標(const Position& p, const InfluenceMap& m, TurnState& t) {
    // Rebuilt from scratch every turn: an occupied square is never a target.
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const bool target = p.board[x][y] == kEmpty && m.comInfluence[x][y] == 0 &&
                                移動チェック(p, t.pawnFiles, x, y, p.comKingX, p.comKingY, -kBishop) == 1;
            t.manBishopCheckSquares[x][y] = target ? 1 : 0;
        }
}

namespace {

bool isComSlider(int c) { return c == kLance || c == kBishop || c == kHorse || c == kRook || c == kDragon; }
bool isManSlider(int c) { return isComSlider(-c); }

struct SquareList {
    int n = 0;
    int x[81], y[81];
    void add(int sx, int sy) {
        x[n] = sx;
        y[n] = sy;
        ++n;
    }
};

// Does some slider of the list (other than one on the lifted square) reach
// the king square once (lx, ly) is empty?
bool sliderReaches(const Position& p, const PawnFiles& f, const SquareList& sliders, int lx, int ly, int kx, int ky) {
    for (int i = 0; i < sliders.n; ++i) {
        const int sx = sliders.x[i], sy = sliders.y[i];
        if (sx == lx && sy == ly) continue;  // lifted off the board
        if (移動チェック(p, f, sx, sy, kx, ky, p.board[sx][sy]) == 1) return true;
    }
    return false;
}

}  // namespace

void 調査_移動不可駒(Position& p, TurnState& t) {
    // The sliders are listed once; the lifted piece itself is skipped, so the
    // answers are those of a scan over the board with the piece lifted.
    SquareList comSliders, manSliders;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            if (isComSlider(p.board[x][y])) comSliders.add(x, y);
            if (isManSlider(p.board[x][y])) manSliders.add(x, y);
        }
    t.comPinExists = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            t.manPinned[x][y] = 0;
            t.comPinned[x][y] = 0;
            const int piece = p.board[x][y];
            if (piece == kEmpty) continue;
            p.board[x][y] = kEmpty;
            if (isLower(piece)) {
                if (sliderReaches(p, t.pawnFiles, comSliders, x, y, p.manKingX, p.manKingY)) t.manPinned[x][y] = 1;
            } else if (isUpper(piece)) {
                if (sliderReaches(p, t.pawnFiles, manSliders, x, y, p.comKingX, p.comKingY)) {
                    t.comPinned[x][y] = 1;
                    t.comPinExists = 1;
                }
            }
            p.board[x][y] = piece;
        }
    assert(p.ok(SetBound::Waived));
}

}  // namespace xantu
