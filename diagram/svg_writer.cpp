#include "diagram/svg_writer.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <set>

namespace xantu {

namespace {

// A length as SVG reads it: at most two decimals, never the locale's comma.
std::string number(double v) {
    char text[32];
    const double rounded = static_cast<double>(static_cast<long long>(v * 100 + (v < 0 ? -0.5 : 0.5))) / 100;
    const auto end = std::to_chars(text, text + sizeof text, rounded == 0 ? 0.0 : rounded).ptr;
    return std::string(text, end);
}

std::string colour(std::uint32_t rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06x", static_cast<unsigned>(rgb & 0xffffff));
    return text;
}

std::string escaped(const std::string& s) {
    std::string out;
    for (char c : s) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default:
            // Control characters have no place in XML 1.0.
            if (static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\n') out += c;
        }
    }
    return out;
}

std::string base64(const std::string& bytes) {
    static const char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::size_t n = std::min<std::size_t>(3, bytes.size() - i);
        std::uint32_t v = 0;
        for (std::size_t k = 0; k < 3; ++k) v = (v << 8) | (k < n ? static_cast<unsigned char>(bytes[i + k]) : 0u);
        for (std::size_t k = 0; k < 4; ++k) out += k <= n ? kDigits[(v >> (18 - 6 * k)) & 63] : '=';
    }
    return out;
}

const char* family(DiagramShape::Face face) {
    // The IPA faces the game itself uses, then what other systems have.
    return face == DiagramShape::Face::Mincho
               ? "IPAMincho, 'Noto Serif CJK JP', 'Yu Mincho', 'Hiragino Mincho ProN', serif"
               : "IPAPMincho, IPAMincho, 'Noto Serif CJK JP', 'Yu Mincho', 'Hiragino Mincho ProN', serif";
}

std::string pictureId(int code) { return code < 0 ? "p" + std::to_string(-code) + "l" : "p" + std::to_string(code); }

}  // namespace

std::string diagramSvg(const Diagram& d, const PictureFile& pictureFile) {
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out += "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" version=\"1.1\"";
    out += " width=\"" + number(d.width * d.scale) + "\" height=\"" + number(d.height * d.scale) + "\"";
    out += " viewBox=\"0 0 " + number(d.width) + " " + number(d.height) + "\"";
    // Texts are in the fixed-width face unless they name the other.
    out += " font-family=\"" + std::string(family(DiagramShape::Face::Mincho)) + "\">\n";

    // Each picture once, at the size of its first use.
    std::set<int> defined, missing;
    std::string defs;
    for (const DiagramShape& s : d.shapes) {
        if (s.kind != DiagramShape::Kind::Picture || defined.count(s.code) || missing.count(s.code)) continue;
        const std::string png = pictureFile ? pictureFile(s.code) : std::string();
        if (png.empty()) {
            missing.insert(s.code);
            continue;
        }
        defined.insert(s.code);
        defs += "<image id=\"" + pictureId(s.code) + "\" width=\"" + number(s.w) + "\" height=\"" + number(s.h) +
                "\" preserveAspectRatio=\"none\" xlink:href=\"data:image/png;base64," + base64(png) + "\"/>\n";
    }
    if (!defs.empty()) out += "<defs>\n" + defs + "</defs>\n";

    out += "<rect width=\"" + number(d.width) + "\" height=\"" + number(d.height) + "\" fill=\"" +
           colour(d.background) + "\"/>\n";
    for (const DiagramShape& s : d.shapes) {
        switch (s.kind) {
        case DiagramShape::Kind::Rect:
            out += "<rect x=\"" + number(s.x) + "\" y=\"" + number(s.y) + "\" width=\"" + number(s.w) + "\" height=\"" +
                   number(s.h) + "\" fill=\"" + colour(s.colour) + "\"/>\n";
            break;
        case DiagramShape::Kind::Picture:
            if (defined.count(s.code))
                out += "<use xlink:href=\"#" + pictureId(s.code) + "\" x=\"" + number(s.x) + "\" y=\"" + number(s.y) +
                       "\"/>\n";
            break;
        case DiagramShape::Kind::Text: {
            out += "<text";
            if (s.piece) out += " class=\"piece\"";
            out += " x=\"" + number(s.x) + "\" y=\"" + number(s.y) + "\"";
            if (s.face != DiagramShape::Face::Mincho) out += " font-family=\"" + std::string(family(s.face)) + "\"";
            out += " font-size=\"" + number(s.size) + "\"";
            if (s.anchor != DiagramShape::Anchor::Start)
                out += s.anchor == DiagramShape::Anchor::Middle ? " text-anchor=\"middle\"" : " text-anchor=\"end\"";
            if (s.bold) out += " font-weight=\"bold\"";
            if (s.colour != 0) out += " fill=\"" + colour(s.colour) + "\"";
            if (s.upsideDown)
                out +=
                    " transform=\"rotate(180 " + number(s.x) + " " + number(s.y - kEmCentreToBaseline * s.size) + ")\"";
            out += ">" + escaped(s.text) + "</text>\n";
            break;
        }
        }
    }
    out += "</svg>\n";
    return out;
}

}  // namespace xantu
