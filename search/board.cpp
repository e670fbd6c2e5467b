#include "search/board.h"

#include <cassert>
#include <cstring>

#include "core/sfen.h"
#include "search/eval.h"

namespace xantu::search {

namespace {
constexpr int N = 1, S = 2, W = 4, E = 8, NW = 16, NE = 32, SW = 64, SE = 128;
constexpr int kOrth = N | S | W | E, kDiag = NW | NE | SW | SE, kGoldSteps = N | S | W | E | NW | NE;
}  // namespace

const TypeMoves kTypeMoves[kTypeCount] = {
    {0, 0},                      // none
    {0, kOrth},                  // pawn: a rook's moves
    {0, N},                      // lance
    {0, 0},                      // knight (jumps, handled apart)
    {N | NW | NE | SW | SE, 0},  // silver
    {kGoldSteps, 0},             // gold
    {0, kDiag},                  // bishop
    {0, kOrth},                  // rook
    {kOrth | kDiag, 0},          // king
    {0, kOrth | kDiag},          // promoted pawn: rook or bishop
    {kGoldSteps, 0},             // promoted lance
    {kGoldSteps, 0},             // promoted knight
    {kGoldSteps, 0},             // promoted silver
    {kOrth, kDiag},              // horse
    {kDiag, kOrth},              // dragon
};

namespace zobrist {
std::uint64_t piece[48][kSquares];
std::uint64_t hand[2][8][20];
std::uint64_t sideKey;

namespace {
struct Init {
    Init() {
        std::uint64_t s = 0x5851F42D4C957F2DULL;
        auto next = [&s] {
            std::uint64_t z = (s += 0x9E3779B97F4A7C15ULL);
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
            return z ^ (z >> 31);
        };
        for (auto& row : piece)
            for (auto& k : row) k = next();
        for (auto& c : hand)
            for (auto& kind : c)
                for (auto& k : kind) k = next();
        sideKey = next();
    }
} init;
}  // namespace
}  // namespace zobrist

namespace {

int typeOfCode(int code) {
    switch (code < 0 ? -code : code) {
    case 10: return kP;
    case 20: return kL;
    case 30: return kN;
    case 100: return kS;
    case 110:
    case 111: return kG;
    case 800: return kB;
    case 900: return kR;
    case 950: return kK;
    case 11: return kPP;
    case 21: return kPL;
    case 31: return kPN;
    case 101: return kPS;
    case 801: return kHorse;
    case 901: return kDragon;
    default: return kNoType;
    }
}

}  // namespace

void Board::set(const Position& p, Side toMove) {
    std::memset(sq, kWall, sizeof sq);
    std::memset(hand, 0, sizeof hand);
    std::memset(pawnsOnFile, 0, sizeof pawnsOnFile);
    king[0] = king[1] = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int code = p.board[x][y];
            const int s = squareOf(x, y);
            const int t = typeOfCode(code);
            if (t == kNoType) {
                sq[s] = 0;
                continue;
            }
            const int c = code < 0 ? kLower : kUpper;
            sq[s] = static_cast<std::uint8_t>(makePiece(c, t));
            if (t == kK) king[c] = static_cast<std::uint8_t>(s);
            if (t == kP) ++pawnsOnFile[c][x];
        }
    for (int k = 1; k <= 7; ++k) {
        hand[kLower][k] = static_cast<std::uint8_t>(p.ownHand[k]);
        hand[kUpper][k] = static_cast<std::uint8_t>(p.enemyHand[k]);
    }
    side = colourOf(toMove);
    histLen_ = 0;
    key = computeKey();
    computePsq(psq);
}

void Board::computePsq(int out[2]) const {
    out[0] = out[1] = 0;
    for (int y = 1; y <= 9; ++y)
        for (int x = 1; x <= 9; ++x) {
            const int pc = sq[squareOf(x, y)];
            if (pc != 0) out[colourOf(pc)] += gPieceSquare[colourOf(pc)][typeOf(pc)][squareOf(x, y)];
        }
    for (int c = 0; c < 2; ++c)
        for (int k = 1; k <= 7; ++k) out[c] += hand[c][k] * gHandValue[k];
}

Position Board::toPosition() const {
    Position p;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int pc = sq[squareOf(x, y)];
            if (pc == 0) continue;
            const int code = kCodeOfType[typeOf(pc)];
            p.board[x][y] = colourOf(pc) == kLower ? -code : code;
            if (typeOf(pc) == kK) {
                if (colourOf(pc) == kLower)
                    p.manKingX = x, p.manKingY = y;
                else
                    p.comKingX = x, p.comKingY = y;
            }
        }
    for (int k = 1; k <= 7; ++k) {
        p.ownHand[k] = hand[kLower][k];
        p.enemyHand[k] = hand[kUpper][k];
        p.ownHandTotal += hand[kLower][k];
        p.enemyHandTotal += hand[kUpper][k];
    }
    return p;
}

bool Board::fromSfen(const std::string& text) {
    const SfenResult r = parseSfen(text);
    if (!r.ok) return false;
    set(r.position, r.side);
    return true;
}

std::string Board::toSfen() const { return xantu::toSfen(toPosition(), sideOfColour(side)); }

std::uint64_t Board::computeKey() const {
    std::uint64_t k = 0;
    for (int y = 1; y <= 9; ++y)
        for (int x = 1; x <= 9; ++x) {
            const int s = squareOf(x, y);
            if (sq[s] != 0) k ^= zobrist::piece[sq[s]][s];
        }
    for (int c = 0; c < 2; ++c)
        for (int t = 1; t <= 7; ++t)
            for (int n = 1; n <= hand[c][t]; ++n) k ^= zobrist::hand[c][t][n];
    if (side == kUpper) k ^= zobrist::sideKey;
    return k;
}

bool Board::ok() const {
    if (key != computeKey()) return false;
    int sums[2];
    computePsq(sums);
    if (sums[0] != psq[0] || sums[1] != psq[1]) return false;
    std::uint8_t pawns[2][10] = {};
    std::uint8_t kings[2] = {0, 0};
    for (int y = 1; y <= 9; ++y)
        for (int x = 1; x <= 9; ++x) {
            const int pc = sq[squareOf(x, y)];
            if (pc == 0) continue;
            if (pc == kWall || typeOf(pc) == kNoType || colourOf(pc) > 1) return false;
            if (typeOf(pc) == kP) ++pawns[colourOf(pc)][x];
            if (typeOf(pc) == kK) {
                if (kings[colourOf(pc)] != 0) return false;  // two kings of one side
                kings[colourOf(pc)] = static_cast<std::uint8_t>(squareOf(x, y));
            }
        }
    return std::memcmp(pawns, pawnsOnFile, sizeof pawns) == 0 && kings[0] == king[0] && kings[1] == king[1];
}

void Board::make(Move m) {
    Undo& u = hist_[histLen_++];
    u.key = key;
    u.psq[0] = psq[0];
    u.psq[1] = psq[1];
    u.captured = 0;
    const int to = moveTo(m);
    const int us = side;
    if (isDrop(m)) {
        const int t = moveDropType(m);
        const int pc = makePiece(us, t);
        key ^= zobrist::hand[us][t][hand[us][t]];
        --hand[us][t];
        sq[to] = static_cast<std::uint8_t>(pc);
        key ^= zobrist::piece[pc][to];
        if (t == kP) ++pawnsOnFile[us][fileOf(to)];
        psq[us] += gPieceSquare[us][t][to] - gHandValue[t];
        u.irreversible = 1;
    } else {
        const int from = moveFrom(m);
        const int pc = sq[from];
        const int cap = sq[to];
        u.captured = static_cast<std::uint8_t>(cap);
        u.irreversible = cap != 0;
        if (cap != 0) {
            const int ct = typeOf(cap);
            key ^= zobrist::piece[cap][to];
            psq[us ^ 1] -= gPieceSquare[us ^ 1][ct][to];
            if (ct == kK) {
                king[us ^ 1] = 0;
            } else {
                const int ht = kUnpromoted[ct];
                ++hand[us][ht];
                key ^= zobrist::hand[us][ht][hand[us][ht]];
                psq[us] += gHandValue[ht];
                if (ct == kP) --pawnsOnFile[us ^ 1][fileOf(to)];
            }
        }
        const int t = typeOf(pc);
        const int npc = isPromotion(m) ? makePiece(us, kPromoted[t]) : pc;
        key ^= zobrist::piece[pc][from] ^ zobrist::piece[npc][to];
        psq[us] += gPieceSquare[us][typeOf(npc)][to] - gPieceSquare[us][t][from];
        sq[from] = 0;
        sq[to] = static_cast<std::uint8_t>(npc);
        if (t == kP) {
            --pawnsOnFile[us][fileOf(from)];
            if (!isPromotion(m)) ++pawnsOnFile[us][fileOf(to)];
        } else if (t == kK) {
            king[us] = static_cast<std::uint8_t>(to);
        }
    }
    side ^= 1;
    key ^= zobrist::sideKey;
    assert(ok());
}

void Board::unmake(Move m) {
    const Undo& u = hist_[--histLen_];
    side ^= 1;
    const int us = side;
    const int to = moveTo(m);
    if (isDrop(m)) {
        const int t = moveDropType(m);
        ++hand[us][t];
        sq[to] = 0;
        if (t == kP) --pawnsOnFile[us][fileOf(to)];
    } else {
        const int from = moveFrom(m);
        const int npc = sq[to];
        const int pc = isPromotion(m) ? makePiece(us, kUnpromoted[typeOf(npc)]) : npc;
        const int t = typeOf(pc);
        sq[from] = static_cast<std::uint8_t>(pc);
        sq[to] = u.captured;
        if (t == kP) {
            ++pawnsOnFile[us][fileOf(from)];
            if (!isPromotion(m)) --pawnsOnFile[us][fileOf(to)];
        } else if (t == kK) {
            king[us] = static_cast<std::uint8_t>(from);
        }
        if (u.captured != 0) {
            const int ct = typeOf(u.captured);
            if (ct == kK) {
                king[us ^ 1] = static_cast<std::uint8_t>(to);
            } else {
                --hand[us][kUnpromoted[ct]];
                if (ct == kP) ++pawnsOnFile[us ^ 1][fileOf(to)];
            }
        }
    }
    key = u.key;
    psq[0] = u.psq[0];
    psq[1] = u.psq[1];
    assert(ok());
}

void Board::makeNull() {
    Undo& u = hist_[histLen_++];
    u.key = key;
    u.captured = 0;
    u.irreversible = 1;
    side ^= 1;
    key ^= zobrist::sideKey;
}

void Board::unmakeNull() {
    key = hist_[--histLen_].key;
    side ^= 1;
}

int Board::repetitions() const {
    // hist_[i].key is the position before move i. A capture, drop or null
    // move cannot be undone, so no position before one can come back.
    int n = 0;
    for (int i = histLen_ - 1; i >= 0; --i) {
        if (hist_[i].irreversible) break;
        if (((histLen_ - i) & 1) == 0 && hist_[i].key == key) ++n;
    }
    return n;
}

bool Board::attacked(int s, int by) const {
    const int sign = by == kLower ? 1 : -1;
    // Steps and slides: look outward from s in each direction; a piece of
    // `by` standing there attacks s when it moves in the opposite direction.
    for (int d = 0; d < 8; ++d) {
        const int delta = kDelta[d];
        int t = s + delta;
        const int pc = sq[t];
        // The attacker moves from t to s: direction -delta, which for an
        // upper piece is the lower-side direction +delta.
        const int bit = 1 << (by == kLower ? kOpposite[d] : d);
        if (pc != 0) {
            if (pc != kWall && colourOf(pc) == by) {
                const TypeMoves& tm = kTypeMoves[typeOf(pc)];
                if ((tm.steps | tm.slides) & bit) return true;
            }
            continue;
        }
        for (t += delta;; t += delta) {
            const int q = sq[t];
            if (q == 0) continue;
            if (q != kWall && colourOf(q) == by && (kTypeMoves[typeOf(q)].slides & bit)) return true;
            break;
        }
    }
    // Knights: a lower knight at s + 22 +- 1 jumps to s; an upper one at s - 22 +- 1.
    const int kn = makePiece(by, kN);
    const int base = s + 22 * sign;
    return sq[base - 1] == kn || sq[base + 1] == kn;
}

std::string Board::usi(Move m) const {
    const int to = moveTo(m);
    std::string out;
    if (isDrop(m)) {
        out += "?PLNSGBR"[moveDropType(m)];
        out += '*';
    } else {
        const int from = moveFrom(m);
        out += static_cast<char>('0' + 10 - fileOf(from));
        out += static_cast<char>('a' + rankOf(from) - 1);
    }
    out += static_cast<char>('0' + 10 - fileOf(to));
    out += static_cast<char>('a' + rankOf(to) - 1);
    if (isPromotion(m)) out += '+';
    return out;
}

}  // namespace xantu::search
