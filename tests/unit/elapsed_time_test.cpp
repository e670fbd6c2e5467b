#include <gtest/gtest.h>

#include <limits>

#include "clock/elapsed_time.h"

using namespace xantu;

TEST(ElapsedTime, 時分秒の表示) {
    EXPECT_EQ(調査_時間秒追加結果(0), "00:00:00");
    EXPECT_EQ(調査_時間秒追加結果(59), "00:00:59");
    EXPECT_EQ(調査_時間秒追加結果(3599), "00:59:59");
    EXPECT_EQ(調査_時間秒追加結果(3600), "01:00:00");
    EXPECT_EQ(調査_時間秒追加結果(3725), "01:02:05");
    EXPECT_EQ(調査_時間秒追加結果(86399), "23:59:59");
    EXPECT_EQ(調査_時間秒追加結果(359999), "99:59:59");
    // Three-digit hours leave their place empty.
    EXPECT_EQ(調査_時間秒追加結果(360000), ":00:00");
    EXPECT_EQ(調査_時間秒追加結果(1e300), ":00:00");
    // Fractions never show.
    EXPECT_EQ(調査_時間秒追加結果(59.999), "00:00:59");
    EXPECT_EQ(調査_時間秒追加結果(3659.5), "01:00:59");
    EXPECT_EQ(調査_時間秒追加結果(-3), "00:00:00");
    EXPECT_EQ(調査_時間秒追加結果(std::numeric_limits<double>::quiet_NaN()), "00:00:00");
}

TEST(ElapsedTime, 経過秒と日付の変わり目) {
    EXPECT_DOUBLE_EQ(調査_経過秒(100, 160.5), 60.5);
    EXPECT_DOUBLE_EQ(調査_経過秒(100, 100), 0);
    // 23:59:50 to 00:00:05.
    EXPECT_DOUBLE_EQ(調査_経過秒(86390, 5), 15);
}

TEST(ElapsedTime, 二桁の文字) {
    EXPECT_EQ(変換_数字から文字(0), "00");
    EXPECT_EQ(変換_数字から文字(7), "07");
    EXPECT_EQ(変換_数字から文字(42), "42");
    EXPECT_EQ(変換_数字から文字(100), "");
    EXPECT_EQ(変換_数字から文字(-5), "-5");
}
