#include "display/study_strip.h"

#include <algorithm>
#include <cmath>

namespace xantu {

namespace {

constexpr double kTextLeft = 300;
constexpr double kWidestArea = 12200;  // the window with the move list
constexpr double kLineHeight = 280;
constexpr int kTextSize = 10;
constexpr int kSmallSize = 8;
// Palette colours of the graph.
constexpr int kPlotBack = colourBlack;
constexpr int kAxisColour = 8;    // grey
constexpr int kScoreColour = 11;  // light cyan
constexpr int kDubiousColour = 13;
constexpr int kBlunderColour = colourLightRed;
// The progress bar and the 中止 button on the graph's caption line.
constexpr double kBarLeft = 4200, kBarRight = 7700;
constexpr double kButtonLeft = 7900, kButtonRight = 8700;

// The x of Position k of n on the plot.
double plotX(int k, int n) {
    const int last = std::max(1, n - 1);
    return StudyStrip::kPlotLeft + (StudyStrip::kPlotRight - StudyStrip::kPlotLeft) * k / last;
}

}  // namespace

double StudyStrip::areaHeight(bool panel, bool graph) {
    if (!panel && !graph) return 8000;
    return kTop + (panel ? kPanelHeight : 0) + (graph ? kGraphHeight : 0);
}

void StudyStrip::erase(double top, double height) {
    // The background's own tiles, which also hide what they cover for good.
    const int firstRow = static_cast<int>(std::floor((top - boardTop) / squareHeight));
    const int lastRow = static_cast<int>(std::ceil((top + height - boardTop) / squareHeight)) - 1;
    const int firstColumn = static_cast<int>(std::floor((0 - boardLeft) / squareWidth));
    // Under the move list as well: the window grown downwards shows that
    // part too, and nothing else paints it.
    const int lastColumn = static_cast<int>(std::ceil((kWidestArea - boardLeft) / squareWidth)) - 1;
    for (int x = firstColumn; x <= lastColumn; ++x)
        for (int y = firstRow; y <= lastRow; ++y) screen_.背景桝(x, y);
}

void StudyStrip::描画_検討(const StudyPanelView& view, bool force) {
    if (!force && panelShown_ && view == panel_) return;
    erase(kTop, kPanelHeight);
    for (int i = 0; i < kPanelRows && i < static_cast<int>(view.lines.size()); ++i)
        screen_.printOutlined(kTextLeft, kTop + 60 + i * kLineHeight, view.lines[static_cast<std::size_t>(i)],
                              i == 0 ? colourYellow : colourWhite, kTextSize);
    panel_ = view;
    panelShown_ = true;
}

Point StudyStrip::graphPoint(const GraphView& view, int k, bool panelShown) const {
    const double top = graphTop(panelShown) + kPlotTopOffset;
    const double bottom = graphTop(panelShown) + kGraphHeight - kPlotBottomMargin;
    const double x = plotX(k, static_cast<int>(view.scores.size()));
    const int score = std::clamp(view.scores[static_cast<std::size_t>(k)], -kGraphLimit, kGraphLimit);
    const double y = (top + bottom) / 2 - (bottom - top) / 2 * score / kGraphLimit;
    return {x, y};
}

void StudyStrip::描画_形勢グラフ(const GraphView& view, bool panelShown, bool force) {
    // The current move is a mark over the drawing, so that stepping through
    // the game does not draw the whole graph again.
    std::vector<Mark> cursor;
    const int n = static_cast<int>(view.scores.size());
    if (view.current >= 0 && view.current < n) {
        const double top = graphTop(panelShown) + kPlotTopOffset;
        const double bottom = graphTop(panelShown) + kGraphHeight - kPlotBottomMargin;
        Mark m;
        m.kind = Mark::Kind::Line;
        m.colour = colourYellow;
        m.pen = 30;
        m.points = {{plotX(view.current, n), top}, {plotX(view.current, n), bottom}};
        cursor.push_back(m);
    }
    screen_.描画_追加印(cursor);
    GraphView drawn = view;
    drawn.current = graph_.current;
    if (!force && graphShown_ && drawn == graph_ && panelShown == graphBelowPanel_) return;
    const double areaTop = graphTop(panelShown);
    erase(areaTop, kGraphHeight);
    const double top = areaTop + kPlotTopOffset, bottom = areaTop + kGraphHeight - kPlotBottomMargin;
    const double middle = (top + bottom) / 2;
    screen_.printOutlined(kTextLeft, areaTop + 40, view.caption, colourWhite, kTextSize);
    if (view.progress >= 0 && view.total > 0) {
        const double barTop = areaTop + 70, barBottom = areaTop + 250;
        const double filled = kBarLeft + (kBarRight - kBarLeft) * std::min(view.progress, view.total) / view.total;
        screen_.描画_折れ線(kPlotBack,
                            {{kBarLeft, barTop}, {kBarRight, barTop}, {kBarRight, barBottom}, {kBarLeft, barBottom}},
                            15, true);
        if (filled > kBarLeft)
            screen_.描画_折れ線(kScoreColour,
                                {{kBarLeft, barTop}, {filled, barTop}, {filled, barBottom}, {kBarLeft, barBottom}}, 15,
                                true);
        screen_.描画_枠(colourWhite, kButtonLeft, areaTop + 40, kButtonRight, areaTop + 280);
        screen_.printOutlined(kButtonLeft + 130, areaTop + 60, screen_.文言(Msg::StopButton), colourWhite, kTextSize);
    }
    screen_.描画_折れ線(kPlotBack, {{kPlotLeft, top}, {kPlotRight, top}, {kPlotRight, bottom}, {kPlotLeft, bottom}}, 15,
                        true);
    screen_.描画_折れ線(kAxisColour, {{kPlotLeft, middle}, {kPlotRight, middle}}, 15, false);
    screen_.printOutlined(60, top - 40, screen_.文言(Msg::SideSente), colourWhite, kSmallSize);
    screen_.printOutlined(60, bottom - 180, screen_.文言(Msg::SideGote), colourWhite, kSmallSize);
    if (n > 0) {
        // The scores known, as lines through consecutive known points.
        std::vector<Point> run;
        auto flush = [&] {
            if (run.size() > 1) screen_.描画_折れ線(kScoreColour, run, 30, false);
            run.clear();
        };
        for (int k = 0; k < n; ++k) {
            if (view.scores[static_cast<std::size_t>(k)] == GraphView::kNoScore) {
                flush();
                continue;
            }
            run.push_back(graphPoint(view, k, panelShown));
        }
        flush();
        // The mistakes, as small marks on the line.
        for (int k = 0; k < n && k < static_cast<int>(view.marks.size()); ++k) {
            const int mark = view.marks[static_cast<std::size_t>(k)];
            if (mark == 0 || view.scores[static_cast<std::size_t>(k)] == GraphView::kNoScore) continue;
            const Point p = graphPoint(view, k, panelShown);
            const double r = mark == 2 ? 75 : 55;
            screen_.描画_折れ線(mark == 2 ? kBlunderColour : kDubiousColour,
                                {{p.x, p.y - r}, {p.x + r, p.y}, {p.x, p.y + r}, {p.x - r, p.y}}, 15, true);
        }
    }
    graph_ = view;
    graphBelowPanel_ = panelShown;
    graphShown_ = true;
}

bool StudyStrip::cancelButtonAt(double xTwips, double yTwips) const {
    if (!graphShown_ || graph_.progress < 0) return false;
    const double areaTop = graphTop(graphBelowPanel_);
    return xTwips >= kButtonLeft && xTwips <= kButtonRight && yTwips >= areaTop + 20 && yTwips <= areaTop + 300;
}

int StudyStrip::graphRowAt(double xTwips, double yTwips) const {
    if (!graphShown_ || graph_.scores.empty()) return -1;
    const double areaTop = graphTop(graphBelowPanel_);
    if (yTwips < areaTop + kPlotTopOffset - 100 || yTwips > areaTop + kGraphHeight - kPlotBottomMargin + 100 ||
        xTwips < kPlotLeft - 150 || xTwips > kPlotRight + 150)
        return -1;
    const int last = static_cast<int>(graph_.scores.size()) - 1;
    if (last == 0) return 0;
    const double step = (kPlotRight - kPlotLeft) / last;
    return std::clamp(static_cast<int>(std::lround((xTwips - kPlotLeft) / step)), 0, last);
}

}  // namespace xantu
