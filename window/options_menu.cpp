#include <algorithm>

#include "core/hand_rows.h"
#include "options/settings_file.h"
#include "window/game_window.h"

namespace xantu {

namespace {
struct ThemeItem {
    int theme;
    const char* item;
};
// In the order the settings file looks for the checked theme.
constexpr ThemeItem kThemeItems[] = {{kThemePekana, "MIDORI"},
                                     {kThemeTake, "TAKE"},
                                     {kThemeTatami, "TATAMI"},
                                     {kThemeUchu, "UCHU"},
                                     {kThemeRenga, "RENGA"}};
}  // namespace

void GameWindow::チェック設定(int IN_背景種類) {
    for (const ThemeItem& t : kThemeItems) plat.menus.setChecked(t.item, false);
    for (const ThemeItem& t : kThemeItems)
        if (t.theme == IN_背景種類) plat.menus.setChecked(t.item, true);
}

void GameWindow::読込_環境設定ファイル() {
    const SettingsReadResult result = 読込_環境設定(settingsPath);
    if (result.status != SettingsReadStatus::Ok) {
        std::error_code why;
        if (書込_環境設定(kDefaultSettings, settingsPath, why) != SettingsWriteStatus::Ok) settingsWriteFailed(why);
        チェック設定(kThemePekana);
        screen.描画_背景(kThemePekana);
        opt.backgroundTheme = kThemePekana;
        plat.menus.setChecked("SIDOU", false);
        plat.menus.setChecked("KEIKA", true);
        plat.menus.setChecked("BGM", true);
        return;
    }
    std::string chosenEngine;
    for (const Setting& s : result.settings) {
        switch (s.key) {
        case SettingKey::Theme:
            チェック設定(s.theme);
            screen.描画_背景(s.theme);
            opt.backgroundTheme = s.theme;
            break;
        case SettingKey::Guidance:
            opt.guidance = s.on ? 1 : 0;
            opt.guideColour = s.on ? colourWhite : outlineColour;
            plat.menus.setChecked("SIDOU", s.on);
            break;
        case SettingKey::ElapsedTime: plat.menus.setChecked("KEIKA", s.on); break;
        case SettingKey::Bgm:
            plat.menus.setChecked("BGM", s.on);
            if (s.on && bgmSound != 0) plat.sound.dsPlayLooping(bgmSound);
            break;
        case SettingKey::MoveListPanel: plat.menus.setChecked("KIFU_LIST", s.on); break;
        case SettingKey::InfluenceOverlay: plat.menus.setChecked("KIKI", s.on); break;
        case SettingKey::PromotionQuestion: plat.menus.setChecked("NARI_KAKUNIN", s.on); break;
        case SettingKey::RecordFolder: recordFolder = s.text; break;
        case SettingKey::ComLevel:
            // The built-in level; an engine chosen as the opponent stays so.
            g.opponent.level = s.number;
            markLevelMenu();
            break;
        case SettingKey::Engine: {
            // A name given again replaces the engine registered before under it.
            const auto same = std::find_if(engines.begin(), engines.end(),
                                           [&s](const RegisteredEngine& e) { return e.name == s.engine.name; });
            if (same != engines.end())
                *same = s.engine;
            else
                engines.push_back(s.engine);
            break;
        }
        case SettingKey::OpponentEngine: chosenEngine = s.text; break;
        case SettingKey::HumanOrder: preferredOrder = s.number; break;
        case SettingKey::Level4Strength:
            strength_ = static_cast<search::Strength>(s.number);
            for (int i = 0; i < search::kStrengthCount; ++i)
                plat.menus.setChecked("STRENGTH" + std::to_string(i + 1), i == s.number);
            break;
        case SettingKey::WindowPlace:
            解析_ウィンドウ位置(s.text, windowPlace.x, windowPlace.y, windowPlace.width, windowPlace.height);
            break;
        case SettingKey::WindowMaximised: windowPlace.maximised = s.on; break;
        case SettingKey::TimeMan: opt.timeControls.man = s.time; break;
        case SettingKey::TimeCom: opt.timeControls.com = s.time; break;
        }
    }
    // The engine chosen as the opponent, if it is still registered.
    if (!chosenEngine.empty() && findEngine(engines, chosenEngine) != nullptr) {
        g.opponent = Opponent::registered(chosenEngine, g.opponent.level);
        markLevelMenu();
    }
    // The record panel opens where records were last read or written.
    if (!recordFolder.empty()) plat.filePanel.openFolder(recordFolder);
}

void GameWindow::noteRecordFolder() {
    const std::string folder = plat.filePanel.folder();
    if (folder == recordFolder) return;
    recordFolder = folder;
    書込_環境設定ファイル();
}

void GameWindow::書込_環境設定ファイル() {
    SettingsValues v;
    v.theme = 0;
    for (const ThemeItem& t : kThemeItems)
        if (plat.menus.checked(t.item)) {
            v.theme = t.theme;
            break;
        }
    v.guidance = plat.menus.checked("SIDOU");
    v.elapsedTime = plat.menus.checked("KEIKA");
    v.bgm = plat.menus.checked("BGM");
    v.moveListPanel = plat.menus.checked("KIFU_LIST");
    v.influenceOverlay = plat.menus.checked("KIKI");
    v.promotionQuestion = plat.menus.checked("NARI_KAKUNIN");
    v.recordFolder = recordFolder;
    v.comLevel = g.opponent.level;
    v.engines = engines;
    if (g.opponent.isEngine()) v.opponentEngine = g.opponent.engine;
    v.humanOrder = preferredOrder;
    v.level4Strength = static_cast<int>(strength_);
    if (windowPlace.valid())
        v.windowPlace = std::to_string(windowPlace.x) + "," + std::to_string(windowPlace.y) + "," +
                        std::to_string(windowPlace.width) + "," + std::to_string(windowPlace.height);
    v.windowMaximised = windowPlace.valid() && windowPlace.maximised;
    v.timeControls = opt.timeControls;
    // A file that cannot be written leaves the choices of this run as they are.
    std::error_code why;
    if (書込_環境設定(v, settingsPath, why) != SettingsWriteStatus::Ok) settingsWriteFailed(why);
}

void GameWindow::settingsWriteFailed(std::error_code why) {
    if (settingsFailureShown_) return;
    settingsFailureShown_ = true;
    message(文言(Msg::CannotSaveSettings, {{"reason", writeFailureReason(why)}}), 文言(Msg::TitleSettings));
}

void GameWindow::selectTheme(int theme, const char* item) {
    if (!plat.menus.checked(item)) {
        チェック設定(theme);
        opt.backgroundTheme = theme;
    }
    書込_環境設定ファイル();
    画面_再描画();
}

void GameWindow::MIDORI_Click() { selectTheme(kThemePekana, "MIDORI"); }
void GameWindow::TATAMI_Click() { selectTheme(kThemeTatami, "TATAMI"); }
void GameWindow::TAKE_Click() { selectTheme(kThemeTake, "TAKE"); }
void GameWindow::UCHU_Click() { selectTheme(kThemeUchu, "UCHU"); }
void GameWindow::RENGA_Click() { selectTheme(kThemeRenga, "RENGA"); }

void GameWindow::SIDOU_Click() {
    if (plat.menus.checked("SIDOU")) {
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) screen.描画_桝輪郭(outlineColour, x, y);
        for (int k = 1; k <= kHandKinds; ++k) {
            screen.描画_桝輪郭(outlineColour, kUpperHandCol, k);  // the upper hand's rows 1..7
            screen.描画_桝輪郭(outlineColour, kLowerHandCol, lowerHandRow(k));
        }
        plat.menus.setChecked("SIDOU", false);
        opt.guidance = 0;
        opt.guideColour = outlineColour;
    } else {
        plat.menus.setChecked("SIDOU", true);
        opt.guidance = 1;
        opt.guideColour = colourWhite;
    }
    書込_環境設定ファイル();
}

void GameWindow::KEIKA_Click() {
    if (plat.menus.checked("KEIKA")) {
        plat.menus.setChecked("KEIKA", false);
        // A timed game's clock keeps running unseen: time still runs out.
        if (!clk.control.timed()) plat.clock.setTimerEnabled(false);
        screen.消去_所有時間(g.manSide);
        screen.消去_所有時間(g.comSide);
    } else {
        plat.menus.setChecked("KEIKA", true);
        plat.clock.setTimerEnabled(true);
        描画_両時計();
    }
    書込_環境設定ファイル();
}

void GameWindow::NARI_KAKUNIN_Click() {
    plat.menus.setChecked("NARI_KAKUNIN", !plat.menus.checked("NARI_KAKUNIN"));
    書込_環境設定ファイル();
}

void GameWindow::BGM_Click() {
    if (plat.menus.checked("BGM")) {
        plat.menus.setChecked("BGM", false);
        if (bgmSound != 0) plat.sound.dsStop(bgmSound);
    } else {
        plat.menus.setChecked("BGM", true);
        if (bgmSound != 0) plat.sound.dsPlayLooping(bgmSound);
    }
    書込_環境設定ファイル();
}

}  // namespace xantu
