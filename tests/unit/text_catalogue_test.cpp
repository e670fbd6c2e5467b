// The catalogue of the texts the player reads: every message complete, and
// the copy of each text that Qt's lupdate collects the same as the text the
// program shows.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "text/wording.h"

namespace xantu {
namespace {

std::string joined(const std::vector<std::string>& lines) {
    std::string s;
    for (const std::string& l : lines) s += l + "\n";
    return s;
}

TEST(TextCatalogue, EveryMessageHasItsOwnIdATextAndOnlyThePlaceholdersItDeclares) {
    ASSERT_EQ(allMessages().size(), static_cast<std::size_t>(Msg::Count));
    const std::vector<std::string> problems = 調査_文言表(sourceTexts());
    EXPECT_TRUE(problems.empty()) << joined(problems);

    // The same walk over a translation finds a missing text and a placeholder
    // the message does not give.
    class Faulty : public Translator {
    public:
        std::string translate(std::string_view id, std::string_view source) const override {
            if (id == "side.sente") return "";
            if (id == "game.side-wins") return "{loser} loses";
            return std::string(source);
        }
    };
    EXPECT_EQ(調査_文言表(Faulty{}),
              (std::vector<std::string>{"side.sente: no text", "game.side-wins: {loser} is not declared"}));
}

// lupdate takes each text from the `//%` lines above its entry, and the
// program shows the literal of the entry: the two must never drift apart.
TEST(TextCatalogue, TheLupdateCommentOfEveryEntryRepeatsItsText) {
    std::ifstream in(std::string(XANTU_SOURCE_DIR) + "/text/messages.cpp");
    ASSERT_TRUE(in);
    std::stringstream whole;
    whole << in.rdbuf();
    const std::string src = whole.str();
    // The literals that follow one another from `at` on, as written (escapes kept).
    auto literals = [&src](std::size_t& at) {
        std::string text;
        while (true) {
            at = src.find_first_not_of(" \n", at);
            if (at == std::string::npos || src[at] != '"') return text;
            std::size_t end = at + 1;
            while (src[end] != '"') end += src[end] == '\\' ? 2 : 1;
            text += src.substr(at + 1, end - at - 1);
            at = end + 1;
        }
    };
    std::size_t entries = 0;
    std::string comment;
    std::istringstream lines(src);
    std::size_t offset = 0;
    for (std::string line; std::getline(lines, line); offset += line.size() + 1) {
        const std::size_t mark = line.find("//% ");
        if (mark != std::string::npos && line.find_first_not_of(' ') == mark) {
            std::size_t at = offset + mark + 4;
            comment += literals(at);
            continue;
        }
        const std::size_t id = line.find("QT_TRID_NOOP(\"");
        if (id == std::string::npos) continue;
        std::size_t at = offset + id + 13;
        const std::string idText = literals(at);
        at = src.find(',', at) + 1;
        const std::string text = literals(at);
        ASSERT_LT(entries, allMessages().size());
        EXPECT_EQ(idText, allMessages()[entries].id);
        EXPECT_FALSE(comment.empty()) << idText << " has no //% comment";
        EXPECT_EQ(comment, text) << idText;
        comment.clear();
        ++entries;
    }
    EXPECT_EQ(entries, allMessages().size());
}

TEST(TextCatalogue, PlaceholdersAreFilledInOnePassAndOtherBracesStay) {
    EXPECT_EQ(fillPlaceholders("{a}, {b}, {c}, {A}, {}, {a", {{"a", "{b}"}, {"b", 7}}), "{b}, 7, {c}, {A}, {}, {a");
    EXPECT_EQ(文言(sourceTexts(), Msg::ResultLine, {{"reason", "投了"}, {"winner", "後手"}}), "後手の勝ち（投了）");
}

}  // namespace
}  // namespace xantu
