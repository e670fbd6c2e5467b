#pragma once
// Small helpers shared by the unit tests: board fixtures, table queries and a
// scratch folder.
#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "core/position.h"

namespace xantu::testing {

using Square = std::pair<int, int>;

// A Position holding just the given pieces {x, y, code}.
inline Position place(std::initializer_list<std::array<int, 3>> pieces) {
    Position p;
    for (const auto& [x, y, c] : pieces) p.board[x][y] = c;
    return p;
}

// The squares of a 9×9 table holding `value`, column by column.
inline std::vector<Square> marked(const int (&t)[10][10], int value) {
    std::vector<Square> s;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (t[x][y] == value) s.emplace_back(x, y);
    return s;
}

// The squares of a 9×9 table that are not 0, column by column.
inline std::vector<Square> nonZero(const int (&t)[10][10]) {
    std::vector<Square> s;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (t[x][y] != 0) s.emplace_back(x, y);
    return s;
}

// A fresh folder of its own, removed with everything in it afterwards (even
// when a test took its write permission away).
struct ScratchFolder {
    std::filesystem::path path;
    explicit ScratchFolder(const std::string& prefix = "xantu_") {
        std::random_device rd;
        path = std::filesystem::temp_directory_path() / (prefix + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(path);
    }
    ~ScratchFolder() {
        std::error_code ec;
        std::filesystem::permissions(path, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    // The names in the folder, sorted.
    std::vector<std::string> names() const {
        std::vector<std::string> n;
        for (const auto& e : std::filesystem::directory_iterator(path)) n.push_back(e.path().filename().string());
        std::sort(n.begin(), n.end());
        return n;
    }
};

// The whole content of a file as bytes.
inline std::string slurp(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace xantu::testing
