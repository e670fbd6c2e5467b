#pragma once
#include <string>

namespace xantu {

// The notation word for a number or piece code ("７", "六", "歩", "飛成"…);
// an empty text for any value without a word.
std::string 文字列変換(int IN_文字列);

}  // namespace xantu
