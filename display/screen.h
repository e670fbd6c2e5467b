#pragma once
#include <string>
#include <vector>

#include "core/game_state.h"
#include "core/position.h"
#include "display/colours.h"
#include "options/options.h"
#include "platform/platform.h"
#include "text/wording.h"

namespace xantu {

// The squares of the last move: the square moved from (0, 0 for a drop)
// and the square moved to; toX = 0 when there is none to show.
struct LastMove {
    int fromX = 0, fromY = 0, toX = 0, toY = 0;
    bool operator==(const LastMove&) const = default;
};

// The area every drawing lies in, in twips; the window shows it whole.
struct TwipsArea {
    double width = 9200, height = 8000;
};

// Every drawing procedure of the window: pictures in grid cells, outlines,
// the background themes, hand areas, labels, counters, notation and clocks.
// It reads the state it shows; it never changes game state.
class Screen {
public:
    Screen(Platform& platform, const Position& pos, const GameState& game, const Options& options)
        : plat_(platform), pos_(pos), g_(game), opt_(options) {}

    // A text of the catalogue as the platform shows it, its placeholders filled.
    std::string 文言(Msg m, std::initializer_list<TextArg> args = {}) const {
        return xantu::文言(plat_.translator, m, args);
    }
    // The rank label of a handicap level ("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人"), or "手目" for
    // 99; empty otherwise.
    std::string handicapLabel(int level) const;

    // Pictures and outlines
    void 描画_絵(int 駒種類, double 座標X, double 座標Y);
    void 描画_桝輪郭(int 描画色, double 座標X, double 座標Y);
    void 描画_将棋盤桝();
    void 描画_盤();
    void 描画_背景(int IN_背景種類);
    // Repaints one cell with the background as the current theme leaves it.
    void 背景桝(int x, int y);
    // The tile (7, 8 or 9) the ペカナ pattern leaves on cell (x, y); 6, which
    // paints nothing, where the pattern leaves no tile.
    static int pekanaTileAt(int x, int y);

    // Text. Shadowed text is printed twice: first in black one pixel (at
    // 100 %) down and to the right, then in its colour at the position given.
    static constexpr double kShadowTwips = 15;
    void 描画_数値(double 入力X, double 入力Y, const std::string& 数値, int 色, int モード, int フォントサイズ);
    void 描画_数値(double 入力X, double 入力Y, int 数値, int 色, int モード, int フォントサイズ);
    void 描画_文字列(double 入力X, double 入力Y, int 数値, int 色, int サイズ);
    void printAt(double xTwips, double yTwips, const std::string& text, int colour, int size);
    void printShadowed(double xTwips, double yTwips, const std::string& text, int colour, int size);
    // Text with a dark outline all round (one pixel at 100 %), readable on
    // every background theme.
    void printOutlined(double xTwips, double yTwips, const std::string& text, int colour, int size);
    void 描画_影付き数値(double 入力X, double 入力Y, const std::string& 数値, int 色, int フォントサイズ);
    void 描画_影付き数値(double 入力X, double 入力Y, int 数値, int 色, int モード, int フォントサイズ);
    // An unfilled box given in twips.
    void 描画_枠(int 描画色, double x1, double y1, double x2, double y2);
    // Lines through points given in twips; `filled`: the polygon, filled.
    void 描画_折れ線(int 描画色, const std::vector<Point>& points, double pen, bool filled) {
        plat_.canvas.drawPolyline(描画色, points, pen, filled);
    }

    // Hands and labels. The labels and the notation read the squares as the
    // player at the bottom sees them: with 先手 there, files 9..1 from the
    // left and ranks 一..九 from the top; with 後手 there, files 1..9 and
    // ranks 九..一, so that every square keeps its real name.
    void 描画_桝_数値();
    // The order value of the player at the bottom (+1 先手, −1 後手). When it
    // changes, the labels and the shown notation are drawn again at once.
    void 設定_視点(int 下側の手番);
    int 視点() const { return lowerOrder_; }
    void 描画_自持盤();
    void 描画_敵持盤();
    void 消去_自持盤();
    void 消去_敵持盤();
    void 消去_手数();
    void 描画_手数(int 数値, int 色);
    void 描画_レベル(int IN_LEVEL);
    void 描画_ハンデレベル(int IN_ハンデレベル);
    void 消去_ハンディキャップ();

    // Notation
    void 描画_移動駒種類(double 入力X, double 入力Y, const std::string& 駒文字, int 色);
    void 描画_移動結果(int IN_手番, int 移動先X, int 移動先Y, int 移動駒, int 駒色);
    void 消去_移動結果(int IN_手番);

    // Clocks
    // A countdown clock of a timed game: `text` in `colour` where
    // 描画_所有時間 draws the side's total (only while 経過時間 is checked).
    void 描画_残り時間(int IN_手番, const std::string& text, int colour);
    void 描画_所有時間(int IN_手番, double IN_思考時間);
    void 消去_所有時間(int IN_手番);

    // Marks over the drawing: the mark of the side to move (0: none) beside
    // its clock, and the squares of the last move. Only changes reach the window.
    void 描画_手番と直前の手(int 手番, const LastMove& 直前の手);
    // A small mark while keeping the unfinished game fails.
    void 描画_保存不可(bool failing);
    // An arrow over the board (the best move the strong search sees, a
    // hint): from the middle of cell (fromX, fromY), a board square or a
    // hand cell, to the middle of square (toX, toY). toX = 0 shows none.
    struct Arrow {
        int fromX = 0, fromY = 0, toX = 0, toY = 0;
        int colour = 0;
        bool operator==(const Arrow&) const = default;
    };
    void 描画_矢印(const Arrow& arrow);
    const Arrow& shownArrow() const { return arrow_; }
    // Further marks shown with the others (the graph's current move), in
    // place of the ones given before.
    void 描画_追加印(const std::vector<Mark>& marks);
    // The arrow as marks: its shaft and its filled head.
    static std::vector<Mark> arrowMarks(const Arrow& arrow);

    bool fontBold() const { return bold_; }

    // The result line of a game that has ended ("先手の勝ち（投了）"), right
    // of the board below the lower clock; it stays, also through full
    // redraws, until erased.
    void 描画_対局結果(const std::string& text);
    void 消去_対局結果();
    const std::string& shownResult() const { return result_; }

    // The influence overlay: while it is on, every board square is painted
    // with the counts of the pieces of each side that reach it. The counts
    // are the ones last given to 描画_利き.
    struct InfluenceCounts {
        int man[10][10]{};  // lower side
        int com[10][10]{};  // upper side
        bool operator==(const InfluenceCounts&) const = default;
    };
    bool influenceShown() const { return overlayOn_; }
    // Turns the overlay on or off and repaints the board squares.
    void 表示_利き(bool on, const InfluenceCounts& counts);
    // Takes new counts; repaints only the squares whose counts changed.
    void 描画_利き(const InfluenceCounts& counts);
    const InfluenceCounts& shownInfluence() const { return overlay_; }

    // Texts the window keeps showing until they are erased: the move counter,
    // the last notation on either side of the board and a loaded record's
    // header lines. A full redraw paints the background over them and then
    // draws them again from here.
    void 描画_棋譜見出し(double xTwips, double yTwips, const std::string& text, int colour);
    void redrawShownTexts();
    void forgetRecordHeaders() { headers_.clear(); }
    void forgetNotations();
    void forgetShownTexts();

private:
    struct ShownNotation {
        bool shown = false;
        int x = 0, y = 0, piece = 0, colour = 0;
    };
    struct ShownHeader {
        double x, y;
        std::string text;
        int colour;
    };
    // The notation areas: [0] left of the board (the upper side's), [1] right of it.
    ShownNotation* notationArea(int side);

    Platform& plat_;
    const Position& pos_;
    const GameState& g_;
    const Options& opt_;
    void 描画_利き数(int x, int y);
    void 描画_利き凡例(bool on);
    void repaintSquare(int x, int y);

    bool bold_ = false;
    int lowerOrder_ = 1;        // 先手 at the bottom until a game says otherwise
    bool labelsShown_ = false;  // the coordinate labels have been drawn
    bool overlayOn_ = false;
    InfluenceCounts overlay_;
    int shownTurn_ = 0;
    LastMove shownMove_;
    bool marksShown_ = false;
    bool marksOverOverlay_ = false;
    bool saveFailing_ = false;
    Arrow arrow_;
    std::vector<Mark> extraMarks_;
    int shownCounter_ = -1;  // -1: no counter on the window
    ShownNotation notations_[2];
    std::vector<ShownHeader> headers_;
    std::string result_;
};

// The rank of a handicap level −10..+10: 名人 for −10 .. 12級 for +10.
Msg handicapRank(int level);

}  // namespace xantu
