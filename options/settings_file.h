#pragma once
// The settings file "Xantuペカナ将棋.ini": one "key=value" line per option,
// CP932, CR LF. Keys and values are matched exactly (whole text, case as
// written), so "背景画=煉瓦 " with a trailing space is not recognised. Lines
// may come in any order and a repeated key takes its last value; the window
// applies the recognised lines in file order, so that is what reading
// returns.
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "clock/time_control.h"
#include "opponent/opponent.h"

namespace xantu {

inline constexpr const char* kSettingsFileName = "Xantuペカナ将棋.ini";

enum class SettingKey {
    Theme,
    Guidance,
    ElapsedTime,
    Bgm,
    MoveListPanel,
    InfluenceOverlay,
    RecordFolder,
    PromotionQuestion,
    ComLevel,
    HumanOrder,
    Level4Strength,
    WindowPlace,
    WindowMaximised,
    TimeMan,
    TimeCom,
    Engine,
    OpponentEngine,
};

// One recognised line.
//  Theme:       "背景画" with "ペカナ" 6, "畳" 2, "竹" 3, "宇宙" 4 or "煉瓦" 5 in
//               `theme` (a 背景画 line with another value changes nothing and
//               is not returned);
//  Guidance:    "移動指導", ElapsedTime: "経過時間", Bgm: "BGM",
//               MoveListPanel: "棋譜表示", InfluenceOverlay: "利き表示": `on` is
//               true for the value "ON" and false for any other value.
//  PromotionQuestion: "成・不成を確認": `on` is false for the value "OFF"
//               and true for any other value.
//  RecordFolder: "棋譜フォルダ", the folder records were last read from or
//               written to, in `text` (UTF-8); an empty value is not returned.
//  ComLevel:    "COM対局ﾚﾍﾞﾙ", the level last chosen for a game against the
//               computer: "LEVEL1".."LEVEL4" as 1..4 in `number`;
//  HumanOrder:  "手番", the side the player last chose: "先手" +1 or "後手" −1
//               in `number`. Other values of these two are not returned.
//  Level4Strength: "LEVEL4の強さ", the step of LEVEL4 last chosen: "入門"
//               0, "初級" 1, "中級" 2, "上級" 3, "最強" 4 in `number`; other
//               values are not returned.
//  WindowPlace: "ウィンドウ", the window's corner and size in pixels as
//               "x,y,width,height" in `text` (any other value is not returned);
//  WindowMaximised: "最大化": `on` for "ON".
//  TimeMan, TimeCom: "持ち時間MAN", "持ち時間COM", the time control of the
//               lower and the upper side ("10分＋秒読み30秒", "10分＋加算10秒",
//               "10分") in `time`; a value that does not read as one is not
//               returned.
//  Engine:      "エンジン", one outside engine registered: its name, its
//               command line and its USI options ("NAME=VALUE"), separated
//               by tabs, in `engine`; a value without a name and a command
//               is not returned. A name given again replaces the earlier one.
//  OpponentEngine: "対局相手", the registered engine last chosen as the
//               opponent, by name in `text` (the level of COM対局ﾚﾍﾞﾙ stays
//               the built-in one); an empty value is not returned.
struct Setting {
    SettingKey key = SettingKey::Theme;
    int theme = 0;
    bool on = false;
    std::string text{};
    int number = 0;
    TimeControl time{};
    RegisteredEngine engine{};
    bool operator==(const Setting&) const = default;
};

enum class SettingsReadStatus {
    Ok,
    CannotRead,  // missing, a folder, no permission, an input error
};

struct SettingsReadResult {
    SettingsReadStatus status = SettingsReadStatus::CannotRead;
    std::vector<Setting> settings;  // in file order
};

// The recognised lines of a settings file content. A line without "=", a
// line that is not CP932, an unknown key and a 背景画 line with an unknown
// value are skipped.
std::vector<Setting> 解析_環境設定(std::string_view bytes);

// Reads the settings file. On CannotRead the window writes the defaults
// (書込_既定の環境設定) and applies them.
SettingsReadResult 読込_環境設定(const std::filesystem::path& file = kSettingsFileName);

// The state the file mirrors: the checked theme (6, 2, 3, 4 or 5; 0 when no
// theme item is checked, which writes no 背景画 line) and the check marks.
// The move-list panel and the influence overlay came later than the other
// options: they are off when the file has no line for them.
struct SettingsValues {
    int theme = 6;
    bool guidance = false;
    bool elapsedTime = true;
    bool bgm = true;
    bool moveListPanel = false;
    bool influenceOverlay = false;
    // The question 成 or 不成 on the board; on unless the file says OFF.
    bool promotionQuestion = true;
    // Empty until a record has been read or written.
    std::string recordFolder{};
    // The level and the side of the last new game chosen (3 and 先手 until then).
    int comLevel = 3;
    int humanOrder = 1;
    // The step of LEVEL4, 0 (入門) .. 4 (最強, full strength, until chosen).
    int level4Strength = 4;
    // Where the window stood when the program ended: "x,y,width,height" in
    // pixels, empty before the first end; and whether it was maximised.
    std::string windowPlace{};
    bool windowMaximised = false;
    // No clock for either side until the user sets one.
    TimeControls timeControls{};
    // The outside engines registered, and the one chosen as the opponent
    // (empty: the built-in level above); none until the user registers one.
    std::vector<RegisteredEngine> engines{};
    std::string opponentEngine{};
    bool operator==(const SettingsValues&) const = default;
};

// The defaults: ペカナ, guidance off, elapsed time on, BGM on, no record folder.
inline const SettingsValues kDefaultSettings{};

// Theme number ↔ its name in the file ("ペカナ" 6, "畳" 2, "竹" 3, "宇宙" 4,
// "煉瓦" 5); 0 / an empty text for anything else.
int 背景画の番号(std::string_view name);
std::string_view 背景画の名前(int theme);

// "x,y,width,height" with a positive width and height: true, and the four.
bool 解析_ウィンドウ位置(std::string_view text, int& x, int& y, int& width, int& height);

// The file content: the 背景画 line, then 移動指導, 経過時間, BGM, then
// "棋譜表示=ON" and "利き表示=ON" for those that are on (an off one writes no
// line, so a file with both off is the same as before they existed),
// "成・不成を確認=OFF" when that question is off (likewise), the level and
// the side when they are not LEVEL3 and 先手 (likewise), the step of LEVEL4
// when it is not 最強 (likewise), the window's place
// once it has one and "最大化=ON" when it was maximised, and,
// when there is one, 棋譜フォルダ, then 持ち時間MAN and 持ち時間COM for a side
// that has a clock (none writes no line), each line ended by CR LF, in CP932. A
// folder whose name CP932 cannot hold is left out (the panel then opens in
// the home folder next time). Last, one "エンジン" line per registered engine
// and "対局相手" when an engine is the opponent (none written when there are
// none, likewise); an engine whose texts hold a tab or a line break, or that
// CP932 cannot hold, is left out.
std::string 作成_環境設定(const SettingsValues& values);

enum class SettingsWriteStatus { Ok, CannotWrite };

// Rewrites the whole file (a temporary file beside it, then renamed over
// it). On CannotWrite the earlier file is left as it was and the window
// keeps the user's choices for this run.
SettingsWriteStatus 書込_環境設定(const SettingsValues& values, const std::filesystem::path& file = kSettingsFileName);
// The same, with the reason of a failure in `why` (cleared on success).
SettingsWriteStatus 書込_環境設定(const SettingsValues& values, const std::filesystem::path& file,
                                  std::error_code& why);

// Writes the four default lines.
SettingsWriteStatus 書込_既定の環境設定(const std::filesystem::path& file = kSettingsFileName);

// A message for a failed write, should the window want to tell the user (the
// settings file itself never shows one).
std::string_view 環境設定書込メッセージ(SettingsWriteStatus status);

}  // namespace xantu
