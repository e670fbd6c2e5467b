#pragma once
#include <string_view>

namespace xantu {

// The menu bar: every menu and item by name, with its caption, its parent
// (empty for a top-level entry) and whether it is a command on the bar itself.
struct MenuItemDef {
    std::string_view name;
    std::string_view caption;
    std::string_view parent;
    bool checkable;
};

inline constexpr MenuItemDef kMenuItems[] = {
    {"TAIKYOKU", "対局", "", false},
    {"NEW_GAME", "新規対局…", "TAIKYOKU", false},
    {"MATCH_MAN", "対局(人間)", "TAIKYOKU", false},
    {"START", "スタート", "MATCH_MAN", false},
    {"START2", "対局(COM)", "TAIKYOKU", false},
    {"SENTE", "先手", "START2", false},
    {"GOTE", "後手", "START2", false},
    {"LEVEL", "COM対局ﾚﾍﾞﾙ", "TAIKYOKU", false},
    {"LEVEL1", "LEVEL1", "LEVEL", true},
    {"LEVEL2", "LEVEL2", "LEVEL", true},
    {"LEVEL3", "LEVEL3", "LEVEL", true},
    {"LEVEL4", "LEVEL4", "LEVEL", true},
    {"STRENGTH", "LEVEL4の強さ", "LEVEL", false},
    {"STRENGTH1", "入門", "STRENGTH", true},
    {"STRENGTH2", "初級", "STRENGTH", true},
    {"STRENGTH3", "中級", "STRENGTH", true},
    {"STRENGTH4", "上級", "STRENGTH", true},
    {"STRENGTH5", "最強", "STRENGTH", true},
    {"TOURYOU", "投了", "TAIKYOKU", false},
    {"MATTA", "待った", "TAIKYOKU", false},
    {"HINT", "ヒント", "TAIKYOKU", false},
    {"OWARI", "終わり", "TAIKYOKU", false},
    {"STOP", "局面", "", false},
    {"CANCEL", "最初", "STOP", false},
    {"REVERSE", "反転", "STOP", false},
    {"REPLAY", "戻", "", false},
    {"AFTER", "進", "", false},
    {"LBEL_UP", "△", "", false},
    {"LEBEL_DOWN", "▽", "", false},
    {"KIFU", "棋譜", "", false},
    {"KIFU_READ", "読込", "KIFU", false},
    {"KIFU_WRITE", "書込", "KIFU", false},
    {"KIF_WRITE", "KIF書出し", "KIFU", false},
    {"KIF_READ", "KIF読込", "KIFU", false},
    {"CSA_WRITE", "CSA書出し", "KIFU", false},
    {"CSA_READ", "CSA読込", "KIFU", false},
    {"KIF_COPY", "棋譜をコピー", "KIFU", false},
    {"SFEN_COPY", "局面をコピー", "KIFU", false},
    {"PASTE", "貼り付け", "KIFU", false},
    {"KAISEKI", "棋譜解析", "KIFU", false},
    {"KAISEKI_START", "解析開始", "KAISEKI", false},
    {"KAISEKI_05", "1手 0.5秒", "KAISEKI", true},
    {"KAISEKI_1", "1手 1秒", "KAISEKI", true},
    {"KAISEKI_3", "1手 3秒", "KAISEKI", true},
    {"OPTION", "ｵﾌﾟｼｮﾝ", "", false},
    {"HAIKEI_GA", "背景画", "OPTION", false},
    {"MIDORI", "ペカナ", "HAIKEI_GA", true},
    {"TATAMI", "畳", "HAIKEI_GA", true},
    {"TAKE", "竹", "HAIKEI_GA", true},
    {"UCHU", "宇宙", "HAIKEI_GA", true},
    {"RENGA", "煉瓦", "HAIKEI_GA", true},
    {"SIDOU", "移動指導", "OPTION", true},
    {"KEIKA", "経過時間", "OPTION", true},
    {"BGM", "BGM", "OPTION", true},
    {"KIFU_LIST", "棋譜表示", "OPTION", true},
    {"KIKI", "利き表示", "OPTION", true},
    {"NARI_KAKUNIN", "成・不成を確認", "OPTION", true},
    {"KENTOU", "検討", "OPTION", true},
    {"KEISEI", "形勢グラフ", "OPTION", true},
    {"JIKAN", "持ち時間…", "OPTION", false},
    {"VER", "その他", "", false},
};

// Top-level entries without items (戻, 進, △, ▽, その他) are commands.
constexpr bool isTopLevelCommand(std::string_view name) {
    return name == "REPLAY" || name == "AFTER" || name == "LBEL_UP" || name == "LEBEL_DOWN" || name == "VER";
}

inline constexpr const char* kWindowTitle = "Xantu ペカナ将棋";
inline constexpr double kTwipsPerPixel = 15.0;
inline constexpr double kWindowWidthTwips = 9200.0;
inline constexpr double kWindowHeightTwips = 8000.0;

}  // namespace xantu
