#pragma once
#include <string_view>

#include "text/messages.h"

namespace xantu {

// The menu bar: every menu and item by name, with its caption (a text of the
// catalogue), its parent (empty for a top-level entry) and whether it carries
// a check mark.
struct MenuItemDef {
    std::string_view name;
    Msg caption;
    std::string_view parent;
    bool checkable;
};

inline constexpr MenuItemDef kMenuItems[] = {
    {"TAIKYOKU", Msg::MenuTaikyoku, "", false},
    {"NEW_GAME", Msg::MenuNewGame, "TAIKYOKU", false},
    {"MATCH_MAN", Msg::MenuMatchMan, "TAIKYOKU", false},
    {"START", Msg::MenuStart, "MATCH_MAN", false},
    {"START2", Msg::MenuStart2, "TAIKYOKU", false},
    {"SENTE", Msg::MenuSente, "START2", false},
    {"GOTE", Msg::MenuGote, "START2", false},
    {"LEVEL", Msg::MenuLevel, "TAIKYOKU", false},
    {"LEVEL1", Msg::MenuLevel1, "LEVEL", true},
    {"LEVEL2", Msg::MenuLevel2, "LEVEL", true},
    {"LEVEL3", Msg::MenuLevel3, "LEVEL", true},
    {"LEVEL4", Msg::MenuLevel4, "LEVEL", true},
    {"STRENGTH", Msg::MenuStrength, "LEVEL", false},
    {"STRENGTH1", Msg::StrengthNyuumon, "STRENGTH", true},
    {"STRENGTH2", Msg::StrengthShokyuu, "STRENGTH", true},
    {"STRENGTH3", Msg::StrengthChuukyuu, "STRENGTH", true},
    {"STRENGTH4", Msg::StrengthJoukyuu, "STRENGTH", true},
    {"STRENGTH5", Msg::StrengthSaikyou, "STRENGTH", true},
    {"TOURYOU", Msg::MenuTouryou, "TAIKYOKU", false},
    {"MATTA", Msg::MenuMatta, "TAIKYOKU", false},
    {"HINT", Msg::MenuHint, "TAIKYOKU", false},
    {"OWARI", Msg::MenuOwari, "TAIKYOKU", false},
    {"STOP", Msg::MenuStop, "", false},
    {"CANCEL", Msg::MenuCancel, "STOP", false},
    {"REVERSE", Msg::MenuReverse, "STOP", false},
    {"REPLAY", Msg::MenuReplay, "", false},
    {"AFTER", Msg::MenuAfter, "", false},
    {"LBEL_UP", Msg::MenuLevelUp, "", false},
    {"LEBEL_DOWN", Msg::MenuLevelDown, "", false},
    {"KIFU", Msg::MenuKifu, "", false},
    {"KIFU_READ", Msg::MenuKifuRead, "KIFU", false},
    {"KIFU_WRITE", Msg::MenuKifuWrite, "KIFU", false},
    {"KIF_WRITE", Msg::MenuKifWrite, "KIFU", false},
    {"KIF_READ", Msg::MenuKifRead, "KIFU", false},
    {"CSA_WRITE", Msg::MenuCsaWrite, "KIFU", false},
    {"CSA_READ", Msg::MenuCsaRead, "KIFU", false},
    {"KIF_COPY", Msg::MenuKifCopy, "KIFU", false},
    {"SFEN_COPY", Msg::MenuSfenCopy, "KIFU", false},
    {"PASTE", Msg::MenuPaste, "KIFU", false},
    {"KAISEKI", Msg::MenuKaiseki, "KIFU", false},
    {"KAISEKI_START", Msg::MenuKaisekiStart, "KAISEKI", false},
    {"KAISEKI_05", Msg::MenuKaiseki05, "KAISEKI", true},
    {"KAISEKI_1", Msg::MenuKaiseki1, "KAISEKI", true},
    {"KAISEKI_3", Msg::MenuKaiseki3, "KAISEKI", true},
    {"OPTION", Msg::MenuOption, "", false},
    {"HAIKEI_GA", Msg::MenuHaikeiGa, "OPTION", false},
    {"MIDORI", Msg::MenuMidori, "HAIKEI_GA", true},
    {"TATAMI", Msg::MenuTatami, "HAIKEI_GA", true},
    {"TAKE", Msg::MenuTake, "HAIKEI_GA", true},
    {"UCHU", Msg::MenuUchu, "HAIKEI_GA", true},
    {"RENGA", Msg::MenuRenga, "HAIKEI_GA", true},
    {"SIDOU", Msg::MenuSidou, "OPTION", true},
    {"KEIKA", Msg::MenuKeika, "OPTION", true},
    {"BGM", Msg::MenuBgm, "OPTION", true},
    {"KIFU_LIST", Msg::MenuKifuList, "OPTION", true},
    {"KIKI", Msg::MenuKiki, "OPTION", true},
    {"NARI_KAKUNIN", Msg::MenuNariKakunin, "OPTION", true},
    {"KENTOU", Msg::MenuKentou, "OPTION", true},
    {"KEISEI", Msg::MenuKeisei, "OPTION", true},
    {"JIKAN", Msg::MenuJikan, "OPTION", false},
    {"VER", Msg::MenuVer, "", false},
};

// Top-level entries without items (戻, 進, △, ▽, その他) are commands.
constexpr bool isTopLevelCommand(std::string_view name) {
    return name == "REPLAY" || name == "AFTER" || name == "LBEL_UP" || name == "LEBEL_DOWN" || name == "VER";
}

// The program's name as the desktop knows it (its settings folder is named
// after it); the title the player reads is Msg::AppTitle.
inline constexpr const char* kWindowTitle = "Xantu ペカナ将棋";
inline constexpr double kTwipsPerPixel = 15.0;
inline constexpr double kWindowWidthTwips = 9200.0;
inline constexpr double kWindowHeightTwips = 8000.0;

}  // namespace xantu
