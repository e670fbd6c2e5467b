// The window takes every text it shows from the catalogue through the
// platform's translator: a translation reaches boxes, titles, drawn marks,
// the result line and the 新規対局 dialog, with its placeholders filled.
#include <algorithm>

#include "window_fixture.h"

namespace xantu::testing {
namespace {

TEST_F(WindowTest, TheTextsShownComeThroughThePlatformsTranslator) {
    fake.translations = {{"turn.sente", "Sente to move"},
                         {"side.gote", "Gote"},
                         {"game.side-wins", "{winner} wins"},
                         {"game.result-line", "{winner} won by {reason}"},
                         {"end.resigned", "resignation"},
                         {"title.end", "Game over"},
                         {"screen.turn-badge", "Turn"},
                         {"handicap.rank-meijin", "Master"},
                         {"handicap.lower-lacks", "{rank}, you lack {count}"}};
    load();
    w->menuCommand("NEW_GAME");  // cancelled: only what it offered is looked at
    ASSERT_EQ(fake.newGameRequests.size(), 1u);
    EXPECT_EQ(fake.newGameRequests[0].handicapNames.front(), "Master, you lack 10");
    EXPECT_EQ(fake.newGameRequests[0].handicapNames[10], "２級（平手）");  // not translated: the source text

    w->menuCommand("START");
    EXPECT_EQ(lastDialog(), "Sente to move");
    EXPECT_TRUE(std::any_of(fake.marks.begin(), fake.marks.end(),
                            [](const Mark& m) { return m.kind == Mark::Kind::Badge && m.text == "Turn"; }));
    fake.clearLog();
    fake.answers = {kMsgYes};
    w->menuCommand("TOURYOU");  // 先手, to move, resigns
    EXPECT_EQ(fake.dialogs.front().text, "投了しますか？");
    EXPECT_EQ(lastDialog(), "Gote wins");
    EXPECT_EQ(fake.dialogs.back().title, "Game over");
    EXPECT_EQ(w->screen.shownResult(), "Gote won by resignation");
}

// The record layer's refusals and results are the catalogue's too: a
// translation reaches them, with the place and the reason filled in.
TEST_F(WindowTest, RecordMessagesComeThroughThePlatformsTranslator) {
    fake.translations = {{"record.problem-at-move", "move {move} \"{text}\": {reason}"},
                         {"record.problem.cannot-move-there", "that piece cannot go there"},
                         {"record-file.no-name", "No file name"},
                         {"title.blank", "Record"}};
    load();
    fake.clipboardText = "startpos moves 7g6f";
    w->menuCommand("PASTE");
    EXPECT_EQ(lastDialog(), "move 1 \"7g6f\": that piece cannot go there");
    w->menuCommand("KIFU_WRITE");
    w->Command1_Click();
    EXPECT_EQ(lastDialog(), "No file name");
    EXPECT_EQ(fake.dialogs.back().title, "Record");
}

}  // namespace
}  // namespace xantu::testing
