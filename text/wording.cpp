#include "text/wording.h"

#include <algorithm>
#include <set>

namespace xantu {
namespace {

bool isNameChar(char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_'; }

// The name of the placeholder that starts at text[at] ('{'), or empty.
std::string_view placeholderAt(std::string_view text, std::size_t at) {
    std::size_t end = at + 1;
    while (end < text.size() && isNameChar(text[end])) ++end;
    if (end == at + 1 || end >= text.size() || text[end] != '}') return {};
    return text.substr(at + 1, end - at - 1);
}

std::vector<std::string_view> declaredNames(std::string_view list) {
    std::vector<std::string_view> names;
    std::size_t i = 0;
    while (i < list.size()) {
        const std::size_t space = std::min(list.find(' ', i), list.size());
        if (space > i) names.push_back(list.substr(i, space - i));
        i = space + 1;
    }
    return names;
}

class SourceTexts : public Translator {
public:
    std::string translate(std::string_view, std::string_view source) const override { return std::string(source); }
};

}  // namespace

std::string fillPlaceholders(std::string_view text, std::initializer_list<TextArg> args) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == '{') {
            const std::string_view name = placeholderAt(text, i);
            const auto arg =
                std::find_if(args.begin(), args.end(), [name](const TextArg& a) { return a.name == name; });
            if (!name.empty() && arg != args.end()) {
                out += arg->value;
                i += name.size() + 2;
                continue;
            }
        }
        out += text[i++];
    }
    return out;
}

std::vector<std::string_view> placeholdersIn(std::string_view text) {
    std::vector<std::string_view> names;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == '{') {
            const std::string_view name = placeholderAt(text, i);
            if (!name.empty()) names.push_back(name);
        }
    return names;
}

std::string 文言(const Translator& translator, Msg m, std::initializer_list<TextArg> args) {
    const MessageDef& def = messageDef(m);
    return fillPlaceholders(translator.translate(def.id, def.japanese), args);
}

const Translator& sourceTexts() {
    static const SourceTexts source;
    return source;
}

std::vector<std::string> 調査_文言表(const Translator& translator) {
    std::vector<std::string> problems;
    std::set<std::string_view> ids;
    for (const MessageDef& def : allMessages()) {
        const std::string id(def.id);
        if (def.id.empty()) problems.push_back("message " + std::to_string(static_cast<int>(def.msg)) + ": no id");
        if (!ids.insert(def.id).second) problems.push_back(id + ": id used twice");
        const std::string text = translator.translate(def.id, def.japanese);
        if (text.empty()) problems.push_back(id + ": no text");
        const std::vector<std::string_view> declared = declaredNames(def.placeholders);
        auto isDeclared = [&declared](std::string_view n) {
            return std::find(declared.begin(), declared.end(), n) != declared.end();
        };
        for (const std::string_view name : placeholdersIn(text))
            if (!isDeclared(name)) problems.push_back(id + ": {" + std::string(name) + "} is not declared");
        const std::vector<std::string_view> used = placeholdersIn(def.japanese);
        for (const std::string_view name : declared)
            if (std::find(used.begin(), used.end(), name) == used.end())
                problems.push_back(id + ": {" + std::string(name) + "} is declared but not in the Japanese text");
    }
    return problems;
}

}  // namespace xantu
