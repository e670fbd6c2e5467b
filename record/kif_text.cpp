#include "record/kif_text.h"

#include "core/pieces.h"
#include "record/move_notation.h"

namespace xantu {

KifEncoding kifEncodingFor(std::string_view fileName) {
    constexpr std::string_view kUtf8Ending = ".kifu";
    if (fileName.size() >= kUtf8Ending.size()) {
        std::string tail(fileName.substr(fileName.size() - kUtf8Ending.size()));
        for (char& c : tail)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (tail == kUtf8Ending) return KifEncoding::Utf8;
    }
    return KifEncoding::Cp932;
}

std::string kif漢数字(int n) {
    if (n <= 0) return {};
    if (n < 10) return 漢数字(n);
    return "十" + (n > 10 ? kif漢数字(n - 10) : std::string());
}

std::string kif局面図駒名(int code) {
    switch (absCode(code)) {
    case kPromPawn: return "と";
    case kPromLance: return "杏";
    case kPromKnight: return "圭";
    case kPromSilver: return "全";
    case kDragon: return "竜";
    default: return 指し手駒名(code);
    }
}

}  // namespace xantu
