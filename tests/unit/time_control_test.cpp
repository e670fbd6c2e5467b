#include <gtest/gtest.h>

#include "clock/time_control.h"
#include "core/cp932.h"
#include "options/settings_file.h"

using namespace xantu;

// One player's clock through a game: main time running out into byoyomi,
// the period starting afresh each move, then exceeded.
TEST(TimeControl, MainTimeIntoByoyomiThenLost) {
    const TimeControl t{TimeKind::Byoyomi, 1, 30};
    double left = t.mainSeconds();
    ClockReading r = 調査_残り時間(t, left, 50.5);
    EXPECT_FALSE(r.inByoyomi);
    EXPECT_DOUBLE_EQ(r.main, 9.5);
    EXPECT_FALSE(r.warning);  // byoyomi still follows
    left = 調査_着手後の持ち時間(t, left, 50.5);
    r = 調査_残り時間(t, left, 25);  // 9.5 s of main time, then 15.5 s of the period
    EXPECT_TRUE(r.inByoyomi);
    EXPECT_DOUBLE_EQ(r.byoyomi, 14.5);
    EXPECT_FALSE(r.warning);
    left = 調査_着手後の持ち時間(t, left, 25);
    EXPECT_DOUBLE_EQ(left, 0);
    // Each move has the whole period again; its last ten seconds warn.
    EXPECT_DOUBLE_EQ(調査_残り時間(t, left, 0).byoyomi, 30);
    EXPECT_TRUE(調査_残り時間(t, left, 20.5).warning);
    EXPECT_FALSE(調査_残り時間(t, left, 30).timedOut);
    EXPECT_TRUE(調査_残り時間(t, left, 30.05).timedOut);
    EXPECT_NEAR(調査_残り猶予(t, left, 29.5), 0.5, 1e-9);
}

TEST(TimeControl, IncrementAfterEachMoveAndNoByoyomi) {
    const TimeControl t{TimeKind::Increment, 1, 10};
    double left = 調査_着手後の持ち時間(t, 60, 5);
    EXPECT_DOUBLE_EQ(left, 65);
    EXPECT_TRUE(調査_残り時間(t, left, 55.5).warning);  // no byoyomi: the main time's end warns
    EXPECT_FALSE(調査_残り時間(t, left, 65).timedOut);
    EXPECT_TRUE(調査_残り時間(t, left, 65.1).timedOut);
    // No clock: nothing ever runs out.
    EXPECT_FALSE(調査_残り時間(TimeControl{}, 0, 1e6).timedOut);
}

TEST(TimeControl, TextsOfTheSettingsAndTheKifHeader) {
    const TimeControl byo{TimeKind::Byoyomi, 10, 30}, inc{TimeKind::Increment, 10, 10},
        sudden{TimeKind::Byoyomi, 90, 0};
    EXPECT_EQ(作成_持ち時間見出し(byo, byo), "各10分＋秒読み30秒");
    EXPECT_EQ(作成_持ち時間見出し(inc, inc), "各10分＋加算10秒");
    EXPECT_EQ(作成_持ち時間見出し(sudden, inc), "先手90分 後手10分＋加算10秒");
    EXPECT_EQ(作成_持ち時間見出し({}, {}), "");
    for (const auto& [sente, gote] : {std::pair{byo, byo}, {inc, inc}, {sudden, inc}, {TimeControl{}, byo}})
        EXPECT_EQ(解析_持ち時間見出し(作成_持ち時間見出し(sente, gote)), std::pair(sente, gote));
    // Spellings other KIF files use.
    EXPECT_EQ(解析_持ち時間文字列("各1時間30分(秒読み60秒)"), (TimeControl{TimeKind::Byoyomi, 90, 60}));
    EXPECT_EQ(解析_持ち時間文字列("15分+30秒"), (TimeControl{TimeKind::Byoyomi, 15, 30}));
    EXPECT_EQ(解析_持ち時間文字列("１０分切れ負け"), (TimeControl{TimeKind::Byoyomi, 10, 0}));
    EXPECT_FALSE(解析_持ち時間文字列("各9999分"));
    EXPECT_FALSE(解析_持ち時間文字列("無制限"));
}

TEST(TimeControl, SettingsKeepTheClocksAndLeaveOldFilesAlone) {
    SettingsValues v;
    EXPECT_EQ(作成_環境設定(v).find("持ち時間"), std::string::npos);
    EXPECT_EQ(作成_環境設定(v).find(utf8ToCp932("持ち時間").value()), std::string::npos);
    v.timeControls.man = {TimeKind::Byoyomi, 10, 30};
    v.timeControls.com = {TimeKind::Increment, 600, 60};
    const std::string bytes = 作成_環境設定(v);
    EXPECT_NE(bytes.find(utf8ToCp932("持ち時間MAN=10分＋秒読み30秒\r\n持ち時間COM=600分＋加算60秒\r\n").value()),
              std::string::npos);
    TimeControls read;
    for (const Setting& s : 解析_環境設定(bytes)) {
        if (s.key == SettingKey::TimeMan) read.man = s.time;
        if (s.key == SettingKey::TimeCom) read.com = s.time;
    }
    EXPECT_EQ(read, v.timeControls);
}
