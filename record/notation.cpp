#include "record/notation.h"

#include "core/pieces.h"

namespace xantu {

std::string 文字列変換(int IN_文字列) {
    static const char* const kDigits[] = {"１", "２", "３", "４", "５", "６", "７", "８", "９"};
    static const char* const kRanks[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九"};
    const int v = IN_文字列;
    if (v >= 1 && v <= 9) return kDigits[v - 1];
    if (v >= 1001 && v <= 1009) return kRanks[v - 1001];
    switch (absCode(v)) {
    case kPawn: return "歩";
    case kPromPawn: return "奔";
    case kLance: return "香";
    case kPromLance: return "香成";
    case kKnight: return "桂";
    case kPromKnight: return "桂成";
    case kSilver: return "銀";
    case kPromSilver: return "銀成";
    case kGold: return "金";
    case kBishop: return "角";
    case kHorse: return "角成";
    case kRook: return "飛";
    case kDragon: return "飛成";
    case kKing: return "王";
    default: return {};
    }
}

}  // namespace xantu
