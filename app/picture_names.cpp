#include "picture_names.h"

namespace xantu {

namespace {

struct PieceKind {
    int code;
    std::string_view lower[2];  // unpromoted, promoted
    std::string_view upper[2];
};

constexpr PieceKind kPieces[] = {
    {10, {"SITA_HU_0", "SITA_HU_1"}, {"UE_HU_0", "UE_HU_1"}},
    {20, {"SITA_KYOU_0", "SITA_KYOU_1"}, {"UE_KYOU_0", "UE_KYOU_1"}},
    {30, {"SITA_KEI_0", "SITA_KEI_1"}, {"UE_KEI_0", "UE_KEI_1"}},
    {100, {"SITA_GIN_0", "SITA_GIN_1"}, {"UE_GIN_0", "UE_GIN_1"}},
    {110, {"SITA_KIN", ""}, {"UE_KIN", ""}},
    {800, {"SITA_KAKU_0", "SITA_KAKU_1"}, {"UE_KAKU_0", "UE_KAKU_1"}},
    {900, {"SITA_SYA_0", "SITA_SYA_1"}, {"UE_SYA_0", "UE_SYA_1"}},
    {950, {"SITA_OU", ""}, {"UE_OU", ""}},
};

}  // namespace

std::string_view pictureName(int code) {
    switch (code) {
    case 0: return "KARA_MASU";
    case 1: return "XANTUSHOGI";
    case 2: return "HAIKEI_TATAMI";
    case 3: return "HAIKEI_TAKE";
    case 4: return "HAIKEI_UCHU";
    case 5: return "HAIKEI_RENGA";
    case 7: return "HAIKEI_HU";
    case 8: return "HAIKEI_KEI";
    case 9: return "HAIKEI_KI";
    default: break;
    }
    const int magnitude = code < 0 ? -code : code;
    for (const PieceKind& kind : kPieces) {
        const int promoted = magnitude - kind.code;
        if (promoted != 0 && promoted != 1) continue;
        return code < 0 ? kind.lower[promoted] : kind.upper[promoted];
    }
    return {};
}

}  // namespace xantu
