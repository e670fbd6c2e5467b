#pragma once
// A recording fake of the desktop: every drawing call, dialog and sound is
// kept in order; dialogs are answered from a script; the clock is set by hand.
// The window's tests drive the game through it, and so does the kill-and-
// resume harness, which runs the game without a desktop.
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "display/colours.h"
#include "platform/platform.h"

namespace xantu {

struct DrawCall {
    enum Kind { Picture, Box, Text, Polyline } kind;
    int code = 0;  // picture code, or colour for boxes and text
    double x = 0, y = 0, x2 = 0, y2 = 0;
    std::string text;
    int size = 0;
    bool bold = false;
    std::vector<Point> points{};  // a polyline's
    bool filled = false;
};

struct Dialog {
    std::string text, title;
    MsgButtons buttons;
    bool exclamation;
    std::size_t drawsBefore = 0;  // how many drawing calls were made before it opened
};

class FakePlatform : public Canvas,
                     public Dialogs,
                     public Menus,
                     public TimerClock,
                     public FilePanel,
                     public SoundLibrary,
                     public WindowFrame,
                     public Clipboard,
                     public Translator {
public:
    FakePlatform() : platform{*this, *this, *this, *this, *this, *this, *this, *this, *this, 0, {}} {}

    // ---- Canvas
    void paintPicture(int code, double x, double y) override {
        draws.push_back({DrawCall::Picture, code, x, y, 0, 0, {}, 0, false});
    }
    void drawBox(int colour, double x1, double y1, double x2, double y2, double /*pen*/) override {
        draws.push_back({DrawCall::Box, colour, x1, y1, x2, y2, {}, 0, false});
    }
    void drawPolyline(int colour, const std::vector<Point>& points, double pen, bool filled) override {
        draws.push_back({DrawCall::Polyline, colour, 0, 0, 0, 0, {}, static_cast<int>(pen), false, points, filled});
    }
    void printText(const std::string& text, double x, double y, int fontSize, bool bold, int colour) override {
        draws.push_back({DrawCall::Text, colour, x, y, 0, 0, text, fontSize, bold});
    }
    void setBackColour(int colour) override { backColour = colour; }
    void refresh() override {
        ++refreshes;
        if (onRefresh) onRefresh();
    }
    void setArea(double w, double h) override { area = {w, h}; }
    void setSurround(const Surround& s) override { surround = s; }
    void setMarks(const std::vector<Mark>& m) override { marks = m; }

    // ---- Dialogs
    int messageBox(const std::string& text, const std::string& title, MsgButtons buttons, bool exclamation) override {
        dialogs.push_back({text, title, buttons, exclamation, draws.size()});
        clockNow += secondsPerDialog;
        if (buttons == MsgButtons::YesNo) {
            if (!answers.empty()) {
                const int a = answers.front();
                answers.pop_front();
                return a;
            }
            return kMsgYes;
        }
        return kMsgOk;
    }
    // Answers from `chosenFiles` in order; cancelled when it is empty.
    std::string chooseFile(const FileRequest& request) override {
        fileChoices.push_back(request);
        if (chosenFiles.empty()) return {};
        std::string path = chosenFiles.front();
        chosenFiles.pop_front();
        return path;
    }

    // Answers from `newGameChoices` in order; cancelled when it is empty.
    std::optional<NewGameChoice> chooseNewGame(const NewGameRequest& request) override {
        newGameRequests.push_back(request);
        if (newGameChoices.empty()) return std::nullopt;
        const NewGameChoice choice = newGameChoices.front();
        newGameChoices.pop_front();
        return choice;
    }
    // Answers the 持ち時間 dialog with `timeAnswer` (cancelled when empty).
    bool chooseTimeControls(TimeControls& controls) override {
        ++timeDialogs;
        if (!timeAnswer) return false;
        controls = *timeAnswer;
        return true;
    }

    // Diagrams: each request is kept and answered with `diagramAnswer`
    // (cancelled by default); nothing is written or printed.
    DiagramResult saveDiagram(const DiagramRequest& request) override {
        diagramSaves.push_back(request);
        return diagramAnswer;
    }
    DiagramResult printDiagram(const DiagramRequest& request) override {
        diagramPrints.push_back(request);
        return diagramAnswer;
    }

    // ---- Menus
    bool checked(const std::string& item) const override { return checks.count(item) != 0; }
    void setChecked(const std::string& item, bool on) override {
        if (on)
            checks.insert(item);
        else
            checks.erase(item);
    }

    // ---- Timer and clock
    void setTimerEnabled(bool on) override { timerOn = on; }
    bool timerEnabled() const override { return timerOn; }
    double now() const override { return clockNow; }
    std::string localDateTime() const override { return dateTime; }
    void wait(double seconds) override {
        clockNow += seconds;
        waited += seconds;
        if (onWait) onWait();
    }

    // ---- File panel
    void setListsVisible(bool drive, bool folder, bool files) override { lists = {drive, folder, files}; }
    void setIoVisible(bool on) override { ioVisible = on; }
    std::string folder() const override { return folderPath; }
    void openFolder(const std::string& path) override { folderPath = path; }
    std::string text(int box) const override {
        auto it = texts.find(box);
        return it == texts.end() ? std::string() : it->second;
    }
    void setText(int box, const std::string& s) override { texts[box] = s; }
    void refreshFiles() override { ++fileRefreshes; }

    // ---- Sound (handles: device 1, buffers 100, 101, ...)
    std::int32_t dsInitialize(std::intptr_t) override { return deviceWorks ? 1 : 0; }
    std::int32_t dsCreateDSB(std::int32_t device, const std::uint8_t*, std::int32_t) override {
        return device == 0 ? 0 : nextBuffer++;
    }
    void dsPlay(std::int32_t b) override {
        sounds.push_back("play:" + std::to_string(b));
        clockNow += secondsPerSound;
    }
    void dsPlayLooping(std::int32_t b) override { sounds.push_back("loop:" + std::to_string(b)); }
    void dsStop(std::int32_t b) override { sounds.push_back("stop:" + std::to_string(b)); }
    void dsFree(std::int32_t b) override { sounds.push_back("free:" + std::to_string(b)); }
    void dsTerminate(std::int32_t d) override { sounds.push_back("terminate:" + std::to_string(d)); }

    // ---- Frame
    double top() const override { return frameTop; }
    void place(double l, double t, double w, double h) override {
        placed = {l, t, w, h};
        frameTop = t;
    }
    void quit() override { quitCalled = true; }
    WindowPlacement placement() const override { return framePlacement; }
    void restorePlacement(const WindowPlacement& p) override { restoredPlacements.push_back(p); }
    void discardUserInput() override { ++inputDiscards; }

    // ---- Clipboard
    std::string text() const override { return clipboardText; }
    void setText(const std::string& s) override { clipboardText = s; }

    // ---- Translator: the source text, unless `translations` holds the id.
    std::string translate(std::string_view id, std::string_view source) const override {
        const auto it = translations.find(id);
        return it == translations.end() ? std::string(source) : it->second;
    }

    // ---- Queries used by the tests
    // The last picture painted with its top-left corner on cell (x, y), or -1.
    int pictureAt(double cx, double cy) const {
        for (auto it = draws.rbegin(); it != draws.rend(); ++it)
            if (it->kind == DrawCall::Picture && it->x == cellX(cx) && it->y == cellY(cy)) return it->code;
        return -1;
    }
    // The colour of the last outline of cell (x, y), or -1.
    int outlineAt(double cx, double cy) const {
        for (auto it = draws.rbegin(); it != draws.rend(); ++it)
            if (it->kind == DrawCall::Box && it->x == cellX(cx) && it->y == cellY(cy)) return it->code;
        return -1;
    }
    // Texts drawn since mark (index into draws).
    std::vector<DrawCall> textsSince(std::size_t mark) const {
        std::vector<DrawCall> out;
        for (std::size_t i = mark; i < draws.size(); ++i)
            if (draws[i].kind == DrawCall::Text) out.push_back(draws[i]);
        return out;
    }
    void clearLog() {
        draws.clear();
        dialogs.clear();
        sounds.clear();
    }

    Platform platform;
    std::vector<DrawCall> draws;
    std::vector<Dialog> dialogs;
    std::deque<int> answers;
    std::deque<std::string> chosenFiles;
    std::vector<FileRequest> fileChoices;
    std::string clipboardText;
    std::map<std::string, std::string, std::less<>> translations;
    std::deque<NewGameChoice> newGameChoices;
    std::vector<NewGameRequest> newGameRequests;
    std::optional<TimeControls> timeAnswer;
    int timeDialogs = 0;
    std::vector<DiagramRequest> diagramSaves, diagramPrints;
    DiagramResult diagramAnswer;
    std::string dateTime = "2026/12/07 10:00:00";
    std::vector<std::string> sounds;
    std::set<std::string> checks;
    std::map<int, std::string> texts;
    std::vector<bool> lists{false, false, false};
    bool ioVisible = false;
    bool timerOn = false;
    bool deviceWorks = true;
    double clockNow = 36000;  // 10:00:00
    double waited = 0;
    // Time the clock moves on while a sound starts (a slow desktop) and
    // while a message box is open (a user reading it).
    double secondsPerSound = 0;
    double secondsPerDialog = 0;
    // Called from inside the waits and refreshes: input arriving then.
    std::function<void()> onWait, onRefresh;
    int inputDiscards = 0;
    int backColour = -1;
    int refreshes = 0;
    std::pair<double, double> area{0, 0};
    Surround surround;
    std::vector<Mark> marks;
    int fileRefreshes = 0;
    std::int32_t nextBuffer = 100;
    std::string folderPath = "/tmp";
    double frameTop = 0;
    std::vector<double> placed;
    bool quitCalled = false;
    WindowPlacement framePlacement;  // what placement() answers; none by default
    std::vector<WindowPlacement> restoredPlacements;
};

}  // namespace xantu
