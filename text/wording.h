#pragma once
// The texts of the catalogue as the player sees them: translated through the
// platform's Translator, with their placeholders filled.
#include <concepts>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/platform.h"
#include "text/messages.h"

namespace xantu {

// The value of one placeholder: {name} in a text is replaced by `value`.
struct TextArg {
    TextArg(std::string_view n, std::string v) : name(n), value(std::move(v)) {}
    TextArg(std::string_view n, std::string_view v) : name(n), value(v) {}
    TextArg(std::string_view n, const char* v) : name(n), value(v) {}
    template <std::integral T>
    TextArg(std::string_view n, T v) : name(n), value(std::to_string(v)) {}
    std::string_view name;
    std::string value;
};

// The text of `m` as `translator` gives it, its placeholders filled from `args`.
std::string 文言(const Translator& translator, Msg m, std::initializer_list<TextArg> args = {});

// `text` with every {name} that `args` names replaced by its value, in one
// pass (a value is never searched again); braces around anything else stay.
std::string fillPlaceholders(std::string_view text, std::initializer_list<TextArg> args);

// The names of the placeholders in `text`, in order: {name}, where a name is
// made of lower-case letters, digits and '_'.
std::vector<std::string_view> placeholdersIn(std::string_view text);

// The texts as written in the catalogue, with no translation.
const Translator& sourceTexts();

// What is wrong with the catalogue as `translator` shows it, one line each
// (empty when nothing is): an id that is empty or not unique, a text that is
// empty, a placeholder that its message does not declare, and, in the source
// texts, a declared placeholder that the text does not use.
std::vector<std::string> 調査_文言表(const Translator& translator);

}  // namespace xantu
