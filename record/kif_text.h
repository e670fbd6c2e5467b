#pragma once
// Small pieces of KIF text shared by the writer and the reader.
#include <string>
#include <string_view>

namespace xantu {

// The 備考 line that tells a reader which rules the game was played under.
inline constexpr const char* kKifRulesNote = "ペカナ将棋（歩は飛車と同じく動き、成った歩「奔」は飛車か角の動き）";

enum class KifEncoding { Utf8, Cp932 };

// ".kifu" is UTF-8; every other name (".kif") is Shift-JIS (CP932).
KifEncoding kifEncodingFor(std::string_view fileName);

// A count of pieces in hand in kanji: 2 → "二", 10 → "十", 18 → "十八".
std::string kif漢数字(int n);

// The one-character name of a piece in a board block: 歩 香 桂 銀 金 角 飛 玉,
// promoted と 杏 圭 全 馬 竜.
std::string kif局面図駒名(int code);

}  // namespace xantu
