// The files the game writes, byte for byte: a few whole games played through
// the fake desktop (every level, both seats, a handicap, clocks, two people
// and a resignation, a record read and written back) are written as .棋譜,
// KIF, CSA and the kept unfinished game, and compared with the copies in
// tests/data/pinned. Other programs and older versions of this one read these
// files, so a change of the writers' bytes must be a decision, never a side
// effect: to write the copies anew, run this test with XANTU_PIN_WRITE=1 and
// say why in the commit.
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>

#include "core/legal_moves.h"
#include "influence/influence_map.h"
#include "window_fixture.h"

namespace xantu::testing {
namespace {

const std::filesystem::path kPinned = std::filesystem::path(XANTU_SOURCE_DIR) / "tests/data/pinned";

std::string slurp(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class PinnedFiles : public WindowTest {
protected:
    // Compares `file` with its pinned copy (or writes the copy).
    void expectPinned(const std::filesystem::path& file, const std::string& name) {
        ASSERT_TRUE(std::filesystem::exists(file)) << name;
        const std::string got = slurp(file);
        if (std::getenv("XANTU_PIN_WRITE")) {
            std::ofstream(kPinned / name, std::ios::binary) << got;
            return;
        }
        EXPECT_EQ(got, slurp(kPinned / name)) << name << " differs from tests/data/pinned/" << name;
    }
    // Writes the game on the board through every writer and compares each file.
    void expectWritten(const std::string& stem, bool recordFile = true) {
        if (recordFile) {
            w->menuCommand("KIFU_WRITE");
            fake.folderPath = dir.string();
            fake.setText(1, stem);
            w->Command1_Click();
            expectPinned(dir / (stem + ".棋譜"), stem + ".棋譜");
        }
        fake.chosenFiles.push_back((dir / (stem + ".kif")).string());
        w->menuCommand("KIF_WRITE");
        expectPinned(dir / (stem + ".kif"), stem + ".kif");
        fake.chosenFiles.push_back((dir / (stem + ".csa")).string());
        w->menuCommand("CSA_WRITE");
        expectPinned(dir / (stem + ".csa"), stem + ".csa");
    }
    // The human (or, in a game of two, the side to move) plays `count` moves
    // picked by `rng` among those that keep its king out of reach, thinking
    // a few seconds over each; the kept game is compared after move `keepAt`.
    void playMoves(int count, std::mt19937& rng, const std::string& stem, int keepAt) {
        for (int i = 0; i < count && w->g.winnerSide == 0; ++i) {
            const Side side = w->g.sideToMove == w->g.manSide ? Side::Lower : Side::Upper;
            std::vector<Move> moves = legalMoves(w->pos, side), safe;
            for (const Move& c : moves) {
                Position after = w->pos;
                playMove(after, c);
                InfluenceMap map;
                勢力調査(after, map);
                const bool attacked = side == Side::Lower ? map.comInfluence[after.manKingX][after.manKingY] != 0
                                                          : map.manInfluence[after.comKingX][after.comKingY] != 0;
                if (!attacked) safe.push_back(c);
            }
            if (!safe.empty()) moves = safe;
            const Move m = moves[rng() % moves.size()];
            fake.clockNow += 1 + rng() % 7;
            click(m.originX(), m.originY());
            click(m.toX, m.toY, m.promotes ? 2 : 1);
            if (i == keepAt) expectPinned(w->resumePath(), stem + ".resume");
        }
    }
};

TEST_F(PinnedFiles, GamesAgainstTheComputer) {
    load();
    fake.secondsPerSound = 0.25;
    for (const auto& [level, first] : {std::pair{1, true}, {2, false}, {3, true}, {3, false}}) {
        const std::string stem = "level" + std::to_string(level) + (first ? "-sente" : "-gote");
        w->menuCommand("LEVEL" + std::to_string(level));
        w->menuCommand(first ? "SENTE" : "GOTE");
        std::mt19937 rng(77 + level * 2 + first);
        playMoves(60, rng, stem, 8);
        expectWritten(stem);
    }
}

TEST_F(PinnedFiles, HandicapAndClocks) {
    load();
    fake.secondsPerSound = 0.5;
    w->menuCommand("LEVEL2");
    w->menuCommand("LBEL_UP");
    w->menuCommand("LBEL_UP");
    fake.timeAnswer = TimeControls{{TimeKind::Byoyomi, 10, 30}, {TimeKind::Increment, 5, 10}};
    w->menuCommand("JIKAN");
    w->menuCommand("SENTE");
    std::mt19937 rng(5);
    playMoves(40, rng, "handicap-timed", 15);
    expectWritten("handicap-timed", false);
}

TEST_F(PinnedFiles, TwoPeopleAndAResignation) {
    load();
    w->menuCommand("START");
    std::mt19937 rng(9);
    playMoves(45, rng, "two-people", 30);
    fake.answers.push_back(kMsgYes);
    w->menuCommand("TOURYOU");
    expectWritten("two-people");
}

TEST_F(PinnedFiles, RecordsReadAndWrittenBack) {
    load();
    for (const char* name : {"long_game.kif", "hanging_rook.kif", "short_game.kifu"}) {
        fake.chosenFiles.push_back(std::string(XANTU_SOURCE_DIR) + "/tests/data/" + name);
        w->menuCommand("KIF_READ");
        expectWritten(std::string("read-") + name, false);
    }
    fake.chosenFiles.push_back((kPinned / "level3-gote.csa").string());
    w->menuCommand("CSA_READ");
    expectWritten("read-level3-gote.csa", false);
}

}  // namespace
}  // namespace xantu::testing
