#pragma once
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "fake/fake_platform.h"
#include "window/game_window.h"

namespace xantu::testing {

// A started window on the fake desktop, with its settings file in a fresh
// folder of its own.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir =
            std::filesystem::temp_directory_path() / ("xantu-window-" + std::to_string(::getpid()) + "-" +
                                                      ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        fake.platform.assetFolders = {std::string(XANTU_SOURCE_DIR) + "/assets/sounds"};
        fake.folderPath = dir.string();
        w = std::make_unique<GameWindow>(fake.platform);
        w->settingsPath = (dir / "Xantuペカナ将棋.ini").string();
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    // Starts the window. The tests play by the specified clicks, where the
    // left button never promotes: the chooser's own tests turn it on.
    void load() {
        w->Form_Load();
        fake.setChecked("NARI_KAKUNIN", false);
        fake.clearLog();
    }
    // A click in the middle of cell (x, y).
    void click(int x, int y, int button = 1) {
        w->Form_MouseDown(button, 0, cellX(x) + squareWidth / 2, cellY(y) + squareHeight / 2);
    }
    void move(int fx, int fy, int tx, int ty, int button = 1) {
        click(fx, fy);
        click(tx, ty, button);
    }
    std::string lastDialog() const { return fake.dialogs.empty() ? std::string() : fake.dialogs.back().text; }
    std::string play(std::int32_t handle) const { return "play:" + std::to_string(handle); }

    FakePlatform fake;
    std::unique_ptr<GameWindow> w;
    std::filesystem::path dir;
};

}  // namespace xantu::testing
