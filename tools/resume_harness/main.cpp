// xantu-resume-harness: plays a game on a headless desktop so that it can be
// killed at any moment, and checks what the next start finds.
//   play DIR SEED [ACTIONS]  continue the game kept in DIR (or start one) and
//                            play random moves, steps, flips and level changes
//   check DIR                start as the program does, answer Yes, and check
//                            that the game resumed is whole and can go on
// check prints "resumed N" (N moves), "fresh", or "BROKEN …" and then exits 1.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "core/legal_moves.h"
#include "fake/fake_platform.h"
#include "options/settings_file.h"
#include "window/game_window.h"

namespace {

using namespace xantu;

struct Harness {
    FakePlatform fake;
    GameWindow w{fake.platform};

    explicit Harness(const std::filesystem::path& dir) {
        w.settingsPath = (dir / kSettingsFileName).string();
        fake.platform.assetFolders = {};
        w.Form_Load();
    }
    void clickCell(double x, double y) {
        w.Form_MouseDown(1, 0, cellX(x) + squareWidth / 2, cellY(y) + squareHeight / 2);
    }
    // Clicks one legal board move of the side to move; false if there is none.
    bool move(std::mt19937& rng) {
        if (w.g.vsComputer == 1 && w.g.sideToMove == w.g.comSide) clickCell(5, 10);
        if (w.g.winnerSide != 0 || w.g.sideToMove == 0) return false;
        const Side mover = w.g.sideToMove == w.g.manSide ? Side::Lower : Side::Upper;
        std::vector<Move> found;
        for (const Move& m : legalMoves(w.pos, mover))
            if (!m.isDrop() && !m.promotes) found.push_back(m);
        if (found.empty()) return false;
        const Move& m = found[rng() % found.size()];
        clickCell(m.fromX, m.fromY);
        clickCell(m.toX, m.toY);
        if (w.chooser.open) w.choosePromotion(rng() % 2 == 0);
        return true;
    }
};

void startGame(Harness& h, std::mt19937& rng) {
    static const char* const starts[] = {"START", "SENTE", "GOTE"};
    h.w.menuCommand("CANCEL");
    h.w.menuCommand("LEVEL" + std::to_string(1 + rng() % 3));
    h.w.menuCommand(starts[rng() % 3]);
}

int play(const std::filesystem::path& dir, unsigned seed, long actions) {
    std::mt19937 rng(seed);
    Harness h(dir);
    h.w.再開_確認();  // the fake answers Yes
    if (h.w.g.sideToMove == 0) startGame(h, rng);
    for (long i = 0; actions < 0 || i < actions; ++i) {
        h.fake.clearLog();
        const unsigned r = rng() % 40;
        if (r == 0)
            h.w.menuCommand("REPLAY");
        else if (r == 1)
            h.w.menuCommand("AFTER");
        else if (r == 2)
            h.w.menuCommand("REVERSE");
        else if (r == 3)
            h.w.menuCommand("LEVEL" + std::to_string(1 + rng() % 3));
        else if (!h.move(rng) || h.w.g.winnerSide != 0)
            startGame(h, rng);
    }
    h.w.OWARI_Click();
    return 0;
}

int check(const std::filesystem::path& dir) {
    const ResumeReadResult kept = 読込_再開ファイル(dir / kResumeFileName);
    if (kept.status != ResumeReadStatus::Ok && kept.status != ResumeReadStatus::NotFound) {
        std::printf("BROKEN file status %d\n", static_cast<int>(kept.status));
        return 1;
    }
    Harness h(dir);
    h.w.再開_確認();
    if (kept.status == ResumeReadStatus::NotFound) {
        if (h.w.g.sideToMove != 0 || !h.fake.dialogs.empty()) {
            std::printf("BROKEN fresh start\n");
            return 1;
        }
        std::printf("fresh\n");
        return 0;
    }
    const GameState& g = h.w.g;
    const bool same = g.moveNumber == kept.state.game.moveNumber && g.sideToMove == kept.state.game.sideToMove &&
                      h.w.moves.recordLength == kept.state.moves.recordLength &&
                      h.w.moves.lastEntry == kept.state.moves.lastEntry;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (h.w.pos.board[x][y] != kept.state.position.board[x][y]) {
                std::printf("BROKEN board differs\n");
                return 1;
            }
    if (!same || !h.w.pos.ok() || g.paused != (g.sideToMove != 0 ? 1 : 0)) {
        std::printf("BROKEN state\n");
        return 1;
    }
    // The game goes on from there.
    std::mt19937 rng(1);
    if (g.sideToMove != 0) h.move(rng);
    if (!h.w.pos.ok()) {
        std::printf("BROKEN after a move\n");
        return 1;
    }
    std::printf("resumed %d\n", kept.state.game.moveNumber);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() >= 3 && args[0] == "play")
        return play(args[1], static_cast<unsigned>(std::stoul(args[2])), args.size() > 3 ? std::stol(args[3]) : -1);
    if (args.size() == 2 && args[0] == "check") return check(args[1]);
    std::fprintf(stderr, "usage: xantu-resume-harness play DIR SEED [ACTIONS] | check DIR\n");
    return 2;
}
