#include "computer/score.h"

#include <cstdio>

namespace xantu {

std::string formatScore(Score s) {
    const bool negative = s < 0;
    const long long a = negative ? -static_cast<long long>(s) : static_cast<long long>(s);
    char text[32];
    std::snprintf(text, sizeof text, "%s%lld.%lld", negative ? "-" : "", a / 10, a % 10);
    return text;
}

}  // namespace xantu
