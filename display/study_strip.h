#pragma once
// The strip below the board where the strong search shows what it sees: the
// 検討 panel (score, depth, speed, best line) and the 形勢グラフ (the score of
// every Position of the game against the move number). Drawn in twips on the
// same canvas as everything else, in an area the window grows downwards by
// while either is shown; the board's width, so that it never meets the move
// list beside it.
#include <climits>
#include <string>
#include <vector>

#include "core/score_view.h"
#include "display/screen.h"

namespace xantu {

// What the 検討 panel shows: its lines, the first one highlighted.
struct StudyPanelView {
    std::vector<std::string> lines;
    bool operator==(const StudyPanelView&) const = default;
};

// What the graph shows. scores[k] is the score of the Position after k moves
// from 先手's view in centipawns, kNoScore where none is known; marks[k] is
// the mistake mark of move k (0 none, 1 "?", 2 "??").
struct GraphView {
    static constexpr int kNoScore = INT_MIN;
    std::vector<int> scores;
    std::vector<int> marks;
    int current = 0;  // the Position on the board
    std::string caption;
    // While 棋譜解析 runs: Positions done of total, drawn as a bar beside a
    // 中止 button; progress < 0 shows neither.
    int progress = -1, total = 0;
    bool operator==(const GraphView&) const = default;
};

class StudyStrip {
public:
    static constexpr double kTop = 8095;  // the top of grid row 13
    static constexpr double kPanelHeight = 1230;
    static constexpr double kGraphHeight = 1845;
    static constexpr double kRight = 9200;
    // Scores beyond this are drawn at the graph's edge.
    static constexpr int kGraphLimit = kScoreViewShownLimit;
    // Where the plot lies inside the graph's area.
    static constexpr double kPlotLeft = 600, kPlotRight = 8900;
    static constexpr double kPlotTopOffset = 330, kPlotBottomMargin = 120;
    static constexpr int kPanelRows = 4;

    explicit StudyStrip(Screen& screen) : screen_(screen) {}

    // The area's height with the panel and the graph shown or not.
    static double areaHeight(bool panel, bool graph);
    // The top of the graph's area.
    static double graphTop(bool panel) { return kTop + (panel ? kPanelHeight : 0); }

    // Draws the panel at the strip's top; unless `force`, nothing when it
    // already shows exactly this.
    void 描画_検討(const StudyPanelView& view, bool force);
    // Draws the graph below the panel (or at the strip's top).
    void 描画_形勢グラフ(const GraphView& view, bool panelShown, bool force);
    // Forgets what is shown (hidden, or painted over).
    void forget() { panelShown_ = graphShown_ = false; }
    // The Position (the number of moves) a click at the point picks on the
    // graph, or -1 when the point is not on the graph or it shows nothing.
    int graphRowAt(double xTwips, double yTwips) const;
    // Whether a point lies on the 中止 button shown beside the progress bar.
    bool cancelButtonAt(double xTwips, double yTwips) const;
    // Where the graph puts the score of Position k, in twips.
    Point graphPoint(const GraphView& view, int k, bool panelShown) const;

private:
    void erase(double top, double height);

    Screen& screen_;
    bool panelShown_ = false, graphShown_ = false;
    bool graphBelowPanel_ = false;
    StudyPanelView panel_;
    GraphView graph_;
};

}  // namespace xantu
