// The coordinates on the screen from the seat of the player at the bottom:
// a game played as 後手 shows the same square names as its KIF file.
#include <fstream>
#include <sstream>

#include "core/cp932.h"
#include "window_fixture.h"

namespace xantu::testing {
namespace {

using SeatCoordinates = WindowTest;

// The last text printed exactly at (x, y) twips, or "".
std::string textAt(const FakePlatform& fake, double x, double y) {
    for (auto it = fake.draws.rbegin(); it != fake.draws.rend(); ++it)
        if (it->kind == DrawCall::Text && it->x == x && it->y == y) return it->text;
    return {};
}

// The move column of every numbered line of a KIF text.
std::vector<std::string> kifMoves(const std::string& kif) {
    std::vector<std::string> moves;
    std::istringstream in(kif);
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line);
        int number = 0;
        std::string move;
        if (line.size() > 4 && line[0] == ' ' && (fields >> number >> move) && number == int(moves.size()) + 1)
            moves.push_back(move);
    }
    return moves;
}

TEST_F(SeatCoordinates, PlayedAsGoteTheLabelsListAndNotationMatchTheKif) {
    load();
    w->menuOpened("OPTION");
    w->menuCommand("KIFU_LIST");
    w->menuCommand("LEVEL1");
    w->menuCommand("GOTE");  // the computer, 先手 on the upper side, moves first
    // The labels: files 1..9 from the left, ranks 九..一 from the top.
    for (int i = 1; i <= 9; ++i) {
        EXPECT_EQ(textAt(fake, cellX(i + 0.1), cellY(0.4)), std::to_string(i));
        const char* const ranks[] = {"九", "八", "七", "六", "五", "四", "三", "二", "一"};
        EXPECT_EQ(textAt(fake, cellX(10.1), cellY(i + 0.3)), ranks[i - 1]);
    }
    move(3, 7, 3, 6);
    move(5, 9, 4, 8);  // the bottom player's king: 王 on its picture
    ASSERT_GE(w->g.moveNumber, 4);
    // The human's king move beside the board, from 後手's seat: ４二王.
    EXPECT_EQ(textAt(fake, cellX(12.4), cellY(2.4)), "４");
    EXPECT_EQ(textAt(fake, cellX(12.8), cellY(2.4)), "二");
    EXPECT_EQ(textAt(fake, cellX(13.4), cellY(2.4)), "王");

    fake.chosenFiles.push_back((dir / "gote.kifu").string());
    w->menuCommand("KIF_WRITE");
    std::ifstream in(dir / "gote.kifu", std::ios::binary);
    const std::string kif((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::vector<std::string> fromKif = kifMoves(kif);
    ASSERT_EQ(fromKif.size(), static_cast<std::size_t>(w->g.moveNumber)) << kif;
    EXPECT_EQ(fromKif[1], "３四歩(33)");
    EXPECT_EQ(fromKif[3], "４二玉(51)");
    // The list: ▲ for the computer (先手), △ for the human, and the KIF's
    // squares; only the bottom king is named 王 as on its picture.
    const MoveListView list = 作成_棋譜一覧(w->record, w->moves, w->g, w->調査_下側の手番());
    ASSERT_EQ(list.moves.size(), fromKif.size());
    for (std::size_t i = 0; i < fromKif.size(); ++i) {
        std::string expected = (i % 2 == 0 ? "▲" : "△") + fromKif[i];
        // The KIF names a promoted pawn "と" for other readers; the screen keeps "奔".
        if (const std::size_t at = expected.find("と"); at != std::string::npos) expected.replace(at, 3, "奔");
        if (i == 3) expected = "△４二王(51)";
        EXPECT_EQ(list.moves[i], expected);
        bool drawn = false;
        for (const DrawCall& d : fake.draws) drawn = drawn || (d.kind == DrawCall::Text && d.text == expected);
        EXPECT_TRUE(drawn) << expected;
    }
    // Back to no game: 先手's seat again.
    w->menuOpened("STOP");
    w->menuCommand("CANCEL");
    EXPECT_EQ(textAt(fake, cellX(1.1), cellY(0.4)), "9");
    EXPECT_EQ(textAt(fake, cellX(10.1), cellY(1.3)), "一");
}

}  // namespace
}  // namespace xantu::testing
