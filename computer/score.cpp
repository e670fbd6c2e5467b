#include "computer/score.h"

namespace xantu {

std::string formatScore(Score s) {
    const bool negative = s < 0;
    const long long a = negative ? -static_cast<long long>(s) : static_cast<long long>(s);
    std::string out = negative ? "-" : "";
    out += std::to_string(a / 10);
    out += '.';
    out += static_cast<char>('0' + a % 10);
    return out;
}

}  // namespace xantu
