#include "core/position_fault.h"

namespace xantu {

namespace {

const char* sideName(Side side) { return side == Side::Lower ? "the lower side" : "the upper side"; }

const char* kindName(int kind, bool plural) {
    static const char* const singular[8] = {"?", "pawn", "lance", "knight", "silver", "gold", "bishop", "rook"};
    static const char* const many[8] = {"?", "pawns", "lances", "knights", "silvers", "golds", "bishops", "rooks"};
    return kind >= 1 && kind <= 7 ? (plural ? many[kind] : singular[kind]) : "?";
}

std::string square(int x, int y) { return "(" + std::to_string(x) + "," + std::to_string(y) + ")"; }

}  // namespace

std::string describe(const PositionFault& f) {
    const std::string found = std::to_string(f.found), allowed = std::to_string(f.allowed);
    switch (f.rule) {
    case PositionRule::None: return {};
    case PositionRule::PieceCode: return "square " + square(f.x, f.y) + " holds " + found + ", which is no piece";
    case PositionRule::KingCount: return std::string(sideName(f.side)) + " has a second king, on " + square(f.x, f.y);
    case PositionRule::HandCount:
        return std::string(sideName(f.side)) + "'s hand holds " + found + " " + kindName(f.kind, f.found != 1) +
               " (0 to " + allowed + ")";
    case PositionRule::HandTotal:
        return std::string(sideName(f.side)) + "'s hand total is " + found + " but its counts add up to " + allowed;
    case PositionRule::PieceSet:
        return "the set has " + allowed + " " + kindName(f.kind, f.allowed != 1) + ", found " + found +
               " (board and both hands)";
    }
    return {};
}

}  // namespace xantu
