#pragma once
// Who plays the computer's side of a game: one of this program's own
// players by its level, or an outside USI engine registered under a name.
// A plain value carried by the game state, the kept game, the settings
// file, the 新規対局 dialog and the level menus alike.
#include <string>
#include <string_view>
#include <vector>

namespace xantu {

struct Opponent {
    enum class Kind { BuiltIn, Engine };
    Kind kind = Kind::BuiltIn;
    // The built-in level: 1..3 the one-ply player, whose evaluation reads
    // this number, 4 LEVEL4. An engine keeps the level last chosen, which
    // the level menus and the settings file go on naming.
    int level = 3;
    // Engine: the name it is registered under; empty for a built-in level.
    std::string engine;

    static Opponent builtIn(int level) { return Opponent{Kind::BuiltIn, level, {}}; }
    // The engine registered as `name`, remembering `level` as the built-in one.
    static Opponent registered(std::string name, int level = 3) {
        return Opponent{Kind::Engine, level, std::move(name)};
    }
    bool isEngine() const { return kind == Kind::Engine; }
    bool isLevel(int n) const { return kind == Kind::BuiltIn && level == n; }
    bool operator==(const Opponent&) const = default;
};

// An outside engine as the player registers it: the name shown and kept,
// the command line (run by /bin/sh) and the USI options set after `usi`,
// each "NAME=VALUE", in order.
struct RegisteredEngine {
    std::string name;
    std::string command;
    std::vector<std::string> options;
    bool operator==(const RegisteredEngine&) const = default;
};

// The engine registered as `name`, or nullptr.
inline const RegisteredEngine* findEngine(const std::vector<RegisteredEngine>& engines, std::string_view name) {
    for (const RegisteredEngine& e : engines)
        if (e.name == name) return &e;
    return nullptr;
}

}  // namespace xantu
