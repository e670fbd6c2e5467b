#include "record/record_text.h"

#include "core/cp932.h"

namespace xantu {

namespace {

constexpr std::string_view kFullSpace = "　";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

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

std::size_t utf8CharBytes(std::string_view s, std::size_t i) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    const std::size_t len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    return i + len <= s.size() ? len : s.size() - i;
}

DecodedText decodeRecordText(std::string_view bytes) {
    DecodedText out;
    if (textStartsWith(bytes, kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
    if (isValidUtf8(bytes)) {
        out.text = bytes;
    } else if (auto decoded = cp932ToUtf8(bytes)) {
        out.text = std::move(*decoded);
    } else {
        out.problem = RecordProblemCode::BadEncoding;
        return out;
    }
    for (const char c : out.text)
        if ((static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\r' && c != '\n') || c == 0x7F) {
            out.text.clear();
            out.problem = RecordProblemCode::ControlCharacter;
            return out;
        }
    return out;
}

std::vector<std::string_view> splitRecordLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
    }
    return lines;
}

bool textStartsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

std::string_view trimRecordLeft(std::string_view s) {
    for (;;) {
        if (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
            s.remove_prefix(1);
        else if (textStartsWith(s, kFullSpace))
            s.remove_prefix(kFullSpace.size());
        else
            return s;
    }
}

std::string_view trimRecord(std::string_view s) {
    s = trimRecordLeft(s);
    for (;;) {
        if (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
            s.remove_suffix(1);
        else if (s.size() >= kFullSpace.size() && s.substr(s.size() - kFullSpace.size()) == kFullSpace)
            s.remove_suffix(kFullSpace.size());
        else
            return s;
    }
}

}  // namespace xantu
