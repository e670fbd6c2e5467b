#include "options/settings_file.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <utility>

#include "core/cp932.h"

namespace xantu {

namespace {

// A settings file is a few dozen bytes; anything this large is not one.
constexpr std::uintmax_t kMaxSettingsBytes = 1024 * 1024;

struct ThemeName {
    int theme;
    const char* name;
};
constexpr ThemeName kThemeNames[] = {{6, "ペカナ"}, {2, "畳"}, {3, "竹"}, {4, "宇宙"}, {5, "煉瓦"}};

// The steps of LEVEL4 by number, weakest first; 4 (最強) is never written.
constexpr std::string_view kLevel4Steps[] = {"入門", "初級", "中級", "上級", "最強"};

// A registered engine's texts, tab-separated: name, command, then each option.
bool 解析_エンジン登録(std::string_view value, RegisteredEngine& out) {
    std::vector<std::string> fields;
    std::size_t at = 0;
    for (;;) {
        const std::size_t tab = value.find('\t', at);
        fields.emplace_back(value.substr(at, tab == std::string_view::npos ? std::string_view::npos : tab - at));
        if (tab == std::string_view::npos) break;
        at = tab + 1;
    }
    if (fields.size() < 2 || fields[0].empty() || fields[1].empty()) return false;
    out = RegisteredEngine{fields[0], fields[1], {}};
    for (std::size_t i = 2; i < fields.size(); ++i)
        if (!fields[i].empty()) out.options.push_back(fields[i]);
    return true;
}

// The same texts for the file; empty when one of them cannot be written.
std::string 作成_エンジン登録(const RegisteredEngine& e) {
    const auto plain = [](const std::string& t) { return t.find_first_of("\t\r\n") == std::string::npos; };
    if (e.name.empty() || e.command.empty() || !plain(e.name) || !plain(e.command)) return {};
    std::string line = e.name + '\t' + e.command;
    for (const std::string& o : e.options) {
        if (!plain(o)) return {};
        line += '\t' + o;
    }
    return line;
}

}  // namespace

int 背景画の番号(std::string_view name) {
    for (const ThemeName& t : kThemeNames)
        if (name == t.name) return t.theme;
    return 0;
}

std::string_view 背景画の名前(int theme) {
    for (const ThemeName& t : kThemeNames)
        if (theme == t.theme) return t.name;
    return {};
}

bool 解析_ウィンドウ位置(std::string_view text, int& x, int& y, int& width, int& height) {
    int values[4] = {};
    std::size_t at = 0;
    for (int i = 0; i < 4; ++i) {
        const bool negative = at < text.size() && text[at] == '-';
        if (negative) ++at;
        const std::size_t start = at;
        long v = 0;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9' && at - start < 6)
            v = v * 10 + (text[at++] - '0');
        if (at == start) return false;
        values[i] = static_cast<int>(negative ? -v : v);
        if (i < 3 && (at >= text.size() || text[at++] != ',')) return false;
    }
    if (at != text.size() || values[2] <= 0 || values[3] <= 0) return false;
    x = values[0];
    y = values[1];
    width = values[2];
    height = values[3];
    return true;
}

std::vector<Setting> 解析_環境設定(std::string_view bytes) {
    std::vector<Setting> settings;
    for (const std::string_view raw : splitLines(bytes)) {
        const std::optional<std::string> line = cp932ToUtf8(raw);
        if (!line) continue;
        const std::size_t eq = line->find('=');
        if (eq == std::string::npos) continue;
        const std::string_view text(*line);
        const std::string_view key = text.substr(0, eq);
        const std::string_view value = text.substr(eq + 1);
        Setting s;
        if (key == "背景画") {
            s.key = SettingKey::Theme;
            s.theme = 背景画の番号(value);
            if (s.theme == 0) continue;
        } else if (key == "移動指導" || key == "経過時間" || key == "BGM") {
            s.key = key == "移動指導"   ? SettingKey::Guidance
                    : key == "経過時間" ? SettingKey::ElapsedTime
                                        : SettingKey::Bgm;
            s.on = value == "ON";
        } else if (key == "棋譜表示" || key == "利き表示") {
            s.key = key == "棋譜表示" ? SettingKey::MoveListPanel : SettingKey::InfluenceOverlay;
            s.on = value == "ON";
        } else if (key == "成・不成を確認") {
            s.key = SettingKey::PromotionQuestion;
            s.on = value != "OFF";
        } else if (key == "COM対局ﾚﾍﾞﾙ") {
            s.key = SettingKey::ComLevel;
            if (value.size() != 6 || value.substr(0, 5) != "LEVEL" || value[5] < '1' || value[5] > '4') continue;
            s.number = value[5] - '0';
        } else if (key == "LEVEL4の強さ") {
            s.key = SettingKey::Level4Strength;
            const auto* step = std::find(std::begin(kLevel4Steps), std::end(kLevel4Steps), value);
            if (step == std::end(kLevel4Steps)) continue;
            s.number = static_cast<int>(step - std::begin(kLevel4Steps));
        } else if (key == "手番") {
            s.key = SettingKey::HumanOrder;
            if (value != "先手" && value != "後手") continue;
            s.number = value == "先手" ? 1 : -1;
        } else if (key == "ウィンドウ") {
            s.key = SettingKey::WindowPlace;
            int x, y, w, h;
            if (!解析_ウィンドウ位置(value, x, y, w, h)) continue;
            s.text = std::string(value);
        } else if (key == "最大化") {
            s.key = SettingKey::WindowMaximised;
            s.on = value == "ON";
        } else if (key == "棋譜フォルダ") {
            if (value.empty()) continue;
            s.key = SettingKey::RecordFolder;
            s.text = std::string(value);
        } else if (key == "エンジン") {
            s.key = SettingKey::Engine;
            if (!解析_エンジン登録(value, s.engine)) continue;
        } else if (key == "対局相手") {
            if (value.empty()) continue;
            s.key = SettingKey::OpponentEngine;
            s.text = std::string(value);
        } else if (key == "持ち時間MAN" || key == "持ち時間COM") {
            const std::optional<TimeControl> t = 解析_持ち時間文字列(value);
            if (!t) continue;
            s.key = key == "持ち時間MAN" ? SettingKey::TimeMan : SettingKey::TimeCom;
            s.time = 調整_持ち時間(*t);
        } else {
            continue;
        }
        settings.push_back(s);
    }
    return settings;
}

SettingsReadResult 読込_環境設定(const std::filesystem::path& file) {
    SettingsReadResult result;
    const FileReadResult read = readWholeFile(file, kMaxSettingsBytes);
    if (read.status != FileReadStatus::Ok) return result;
    result.status = SettingsReadStatus::Ok;
    result.settings = 解析_環境設定(read.bytes);
    return result;
}

std::string 作成_環境設定(const SettingsValues& values) {
    std::string text;
    const std::string_view theme = 背景画の名前(values.theme);
    if (!theme.empty()) text.append("背景画=").append(theme).append("\r\n");
    text.append(values.guidance ? "移動指導=ON\r\n" : "移動指導=OFF\r\n");
    text.append(values.elapsedTime ? "経過時間=ON\r\n" : "経過時間=OFF\r\n");
    text.append(values.bgm ? "BGM=ON\r\n" : "BGM=OFF\r\n");
    if (values.moveListPanel) text.append("棋譜表示=ON\r\n");
    if (values.influenceOverlay) text.append("利き表示=ON\r\n");
    if (!values.promotionQuestion) text.append("成・不成を確認=OFF\r\n");
    if (values.comLevel != kDefaultSettings.comLevel && values.comLevel >= 1 && values.comLevel <= 4)
        text.append("COM対局ﾚﾍﾞﾙ=LEVEL").append(std::to_string(values.comLevel)).append("\r\n");
    if (values.humanOrder == -1) text.append("手番=後手\r\n");
    if (values.level4Strength >= 0 && values.level4Strength < 4)
        text.append("LEVEL4の強さ=").append(kLevel4Steps[values.level4Strength]).append("\r\n");
    int x, y, w, h;
    if (解析_ウィンドウ位置(values.windowPlace, x, y, w, h))
        text.append("ウィンドウ=").append(values.windowPlace).append("\r\n");
    if (values.windowMaximised) text.append("最大化=ON\r\n");
    // Fixed texts, all of which CP932 holds.
    std::string bytes = utf8ToCp932(text).value_or(std::string());
    if (!values.recordFolder.empty() && values.recordFolder.find_first_of("\r\n") == std::string::npos) {
        if (const std::optional<std::string> folder = utf8ToCp932("棋譜フォルダ=" + values.recordFolder + "\r\n"))
            bytes += *folder;
    }
    std::string times;
    for (const auto& [key, t] :
         {std::pair{"持ち時間MAN=", values.timeControls.man}, std::pair{"持ち時間COM=", values.timeControls.com}})
        if (t.timed()) times.append(key).append(作成_持ち時間文字列(t)).append("\r\n");
    bytes += utf8ToCp932(times).value_or(std::string());
    for (const RegisteredEngine& e : values.engines) {
        const std::string line = 作成_エンジン登録(e);
        if (line.empty()) continue;
        if (const std::optional<std::string> text = utf8ToCp932("エンジン=" + line + "\r\n")) bytes += *text;
    }
    if (!values.opponentEngine.empty() && values.opponentEngine.find_first_of("\r\n") == std::string::npos) {
        if (const std::optional<std::string> text = utf8ToCp932("対局相手=" + values.opponentEngine + "\r\n"))
            bytes += *text;
    }
    return bytes;
}

SettingsWriteStatus 書込_環境設定(const SettingsValues& values, const std::filesystem::path& file) {
    std::error_code why;
    return 書込_環境設定(values, file, why);
}

SettingsWriteStatus 書込_環境設定(const SettingsValues& values, const std::filesystem::path& file,
                                  std::error_code& why) {
    why = replaceWholeFile(file, 作成_環境設定(values));
    return why ? SettingsWriteStatus::CannotWrite : SettingsWriteStatus::Ok;
}

SettingsWriteStatus 書込_既定の環境設定(const std::filesystem::path& file) {
    return 書込_環境設定(kDefaultSettings, file);
}

std::string_view 環境設定書込メッセージ(SettingsWriteStatus status) {
    return status == SettingsWriteStatus::Ok ? std::string_view() : "環境設定ファイルを書き込めません";
}

}  // namespace xantu
