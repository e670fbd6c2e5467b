#include "diagram/screen_diagram.h"

#include <algorithm>
#include <cmath>

#include "core/game_state.h"
#include "display/screen.h"
#include "options/options.h"

namespace xantu {

namespace {

constexpr double kTwipsPerPixel = 15;
// Where the diagram is cut from the window's drawing, in cells: from half a
// cell left of the upper hand's column to the end of the lower hand's counts,
// and from just above the file numbers to just below the board.
constexpr double kCutLeft = -1.5, kCutRight = 12.8, kCutTop = -0.15, kCutBottom = 10.25;

// The pictures' own sizes in pixels at 100 %: the title picture, the
// background tiles (one pixel wider than a cell) and the squares.
bool pictureSize(int code, double& w, double& h) {
    h = 41;
    if (code == kPicTitle) {
        w = 171, h = 39;
    } else if (code == kPicHu || code == kPicKei || code == kPicKi || (code >= 2 && code <= 5)) {
        w = 34;
    } else if (code == kEmpty || isPieceCode(code)) {
        w = 33;
    } else {
        return false;  // paints nothing (the ペカナ theme's own code)
    }
    return true;
}

// Takes the game's drawing calls as shapes of the diagram. Only the canvas
// is used: every other part of the desktop is there because the drawing
// procedures are given a whole platform, and does nothing.
class DiagramRecorder : public Canvas,
                        public Dialogs,
                        public Menus,
                        public TimerClock,
                        public FilePanel,
                        public SoundLibrary,
                        public WindowFrame,
                        public Clipboard {
public:
    explicit DiagramRecorder(Diagram& d)
        : platform{*this, *this, *this, *this, *this, *this, *this, *this, sourceTexts(), 0, {}}, d_(d) {}

    Platform platform;

    void paintPicture(int code, double x, double y) override {
        double w = 0, h = 0;
        if (pictureSize(code, w, h)) d_.picture(code, px(x), py(y), w, h);
    }
    // As the window draws a box: lines of the pen's width (one pixel at
    // least) inside the corners, the far corner's pixel included.
    void drawBox(int colour, double x1, double y1, double x2, double y2, double pen) override {
        const double wide = std::max(1.0, std::round(pen / kTwipsPerPixel));
        const double left = px(std::min(x1, x2)), top = py(std::min(y1, y2));
        const double right = px(std::max(x1, x2)) + 1, bottom = py(std::max(y1, y2)) + 1;
        frame(left, top, right, bottom, wide, paletteRgb(colour));
    }
    void drawPolyline(int, const std::vector<Point>&, double, bool) override {}
    // As the window prints: the Mincho face at the point size of a 96 dpi
    // screen, the top of the text at its ascent above the baseline.
    void printText(const std::string& text, double x, double y, int fontSize, bool bold, int colour) override {
        const double size = std::max(1.0, std::round(fontSize * 96.0 / 72.0));
        DiagramShape& s = d_.text(px(x), py(y) + std::round(size * kAscent), text, size, DiagramShape::Anchor::Start,
                                  DiagramShape::Face::ProportionalMincho);
        s.bold = bold;
        s.colour = paletteRgb(colour);
    }
    void setBackColour(int colour) override { d_.background = paletteRgb(colour); }
    void setArea(double, double) override {}
    void setSurround(const Surround&) override {}
    // The frame on a square of the last move, as the window shows it.
    void setMarks(const std::vector<Mark>& marks) override {
        for (const Mark& m : marks) {
            if (m.kind != Mark::Kind::Square) continue;
            const double inset = m.inset, wide = 2;
            frame(px(m.x1) + inset, py(m.y1) + inset, px(m.x2) - inset, py(m.y2) - inset, wide, paletteRgb(m.colour));
        }
    }
    void refresh() override {}

    int messageBox(const std::string&, const std::string&, MsgButtons, bool) override { return kMsgOk; }
    bool checked(const std::string&) const override { return false; }
    void setChecked(const std::string&, bool) override {}
    void setTimerEnabled(bool) override {}
    bool timerEnabled() const override { return false; }
    double now() const override { return 0; }
    void wait(double) override {}
    void setListsVisible(bool, bool, bool) override {}
    void setIoVisible(bool) override {}
    std::string folder() const override { return {}; }
    void openFolder(const std::string&) override {}
    std::string text(int) const override { return {}; }
    void setText(int, const std::string&) override {}
    void refreshFiles() override {}
    std::int32_t dsInitialize(std::intptr_t) override { return 0; }
    std::int32_t dsCreateDSB(std::int32_t, const std::uint8_t*, std::int32_t) override { return 0; }
    void dsPlay(std::int32_t) override {}
    void dsPlayLooping(std::int32_t) override {}
    void dsStop(std::int32_t) override {}
    void dsFree(std::int32_t) override {}
    void dsTerminate(std::int32_t) override {}
    double top() const override { return 0; }
    void place(double, double, double, double) override {}
    void quit() override {}
    void discardUserInput() override {}
    std::string text() const override { return {}; }
    void setText(const std::string&) override {}

private:
    // The IPA Mincho faces' ascent, in ems.
    static constexpr double kAscent = 0.88;

    static double px(double twips) { return std::round((twips - cellX(kCutLeft)) / kTwipsPerPixel); }
    static double py(double twips) { return std::round((twips - cellY(kCutTop)) / kTwipsPerPixel); }
    // Four bars `wide` inside the box from (left, top) to (right, bottom).
    void frame(double left, double top, double right, double bottom, double wide, std::uint32_t rgb) {
        d_.rect(left, top, right - left, wide, rgb);
        d_.rect(left, bottom - wide, right - left, wide, rgb);
        d_.rect(left, top, wide, bottom - top, rgb);
        d_.rect(right - wide, top, wide, bottom - top, rgb);
    }

    Diagram& d_;
};

}  // namespace

Diagram screenDiagram(const DiagramContent& content) {
    Diagram d;
    d.scale = 2;
    d.width = std::round((cellX(kCutRight) - cellX(kCutLeft)) / kTwipsPerPixel);
    d.height = std::round((cellY(kCutBottom) - cellY(kCutTop)) / kTwipsPerPixel);
    DiagramRecorder recorder(d);
    recorder.setBackColour(colourGreen);
    GameState game;
    Options options;
    options.backgroundTheme = content.backgroundTheme;
    Screen screen(recorder.platform, content.position, game, options);
    screen.描画_背景(content.backgroundTheme);
    screen.描画_桝_数値();
    screen.描画_自持盤();
    screen.描画_敵持盤();
    screen.描画_盤();
    screen.描画_手番と直前の手(0, LastMove{0, 0, content.lastX, content.lastY});
    return d;
}

}  // namespace xantu
