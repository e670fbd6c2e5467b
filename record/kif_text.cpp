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

bool isValidUtf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        std::size_t len = 0;
        unsigned cp = 0;
        if (c >= 0xC2 && c <= 0xDF)
            len = 2, cp = c & 0x1F;
        else if (c >= 0xE0 && c <= 0xEF)
            len = 3, cp = c & 0x0F;
        else if (c >= 0xF0 && c <= 0xF4)
            len = 4, cp = c & 0x07;
        else
            return false;
        if (i + len > s.size()) return false;
        for (std::size_t k = 1; k < len; ++k) {
            const unsigned char d = static_cast<unsigned char>(s[i + k]);
            if ((d & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (d & 0x3F);
        }
        if ((len == 3 && cp < 0x800) || (len == 4 && (cp < 0x10000 || cp > 0x10FFFF)) || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += len;
    }
    return true;
}

}  // namespace xantu
