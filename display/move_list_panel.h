#pragma once
// The move-list panel beside the board (to its right) or, in a tall window,
// below it: a title, the starting Position and one numbered line per move,
// the current one marked. Drawn in twips on the same canvas as everything
// else, in an area the window grows by while the panel is shown; it scrolls
// to keep the current line in view.
#include <string>
#include <vector>

#include "display/screen.h"
#include "record/move_list_view.h"

namespace xantu {

class MoveListPanel {
public:
    // The panel beside the board: from kLeft to the grown window's right edge.
    static constexpr double kLeft = 9465;  // left edge of grid column 17
    static constexpr double kWidth = 2735;
    static constexpr double kAreaWidth = kLeft + kWidth;  // the window's width with the panel
    static constexpr double kFirstRowTop = 560;
    static constexpr double kRowHeight = 270;
    static constexpr int kRows = 26;
    // The panel below the board: from the grid row under the window's usual
    // height (or under what else stands below the board), the lines in columns.
    static constexpr double kBelowTop = 8095;  // top edge of grid row 13
    static constexpr double kBelowHeight = 2405;
    static constexpr double kBelowAreaHeight = kBelowTop + kBelowHeight;
    static constexpr double kBelowLeft = 150;
    static constexpr double kBelowColumnWidth = 2950;
    static constexpr int kBelowColumns = 3;
    static constexpr int kBelowRowsPerColumn = 7;

    explicit MoveListPanel(Screen& screen) : screen_(screen) {}

    // Where the panel stands: beside the board (false) or below it (true),
    // from `top` down. The next drawing shows it there.
    void placeBelow(bool below, double top = kBelowTop);
    bool below() const { return below_; }
    // The bottom of the panel below the board: the area's height with it.
    double belowBottom() const { return belowTop_ + kBelowHeight; }
    // Whether a point of the window lies in the panel's area.
    bool contains(double xTwips, double yTwips) const;

    // Draws the list as `view` gives it. Unless `force`, nothing is drawn
    // when the window already shows exactly this.
    void 描画_棋譜一覧(const MoveListView& view, bool force);
    // Forgets what is shown (the panel was hidden or painted over).
    void forget() { shown_ = false; }
    // The row (0 = the starting Position, k = after k moves) at a point of
    // the window, or -1 when the point is on no listed row.
    int rowAt(double xTwips, double yTwips) const;
    // The first row in view.
    int top() const { return top_; }
    // The rows in view at once.
    int rowsInView() const;
    // The marks of more rows above (−1) and below (+1) the view: a click on
    // one scrolls by a page. 0 for any other point.
    int scrollMarkAt(double xTwips, double yTwips) const;
    // Scrolls the view by a page up (−1) or down (+1); the next drawing shows it.
    void scrollPage(int direction);
    // Scrolls the view by `rows` rows (negative: up), as the mouse wheel does.
    void scrollRows(int rows);

private:
    // The panel's frame in either place; a line i of the view stands in
    // column i / rowsPerColumn.
    struct Geometry {
        double left, top, right, bottom;  // the panel's area
        double columnWidth;
        int columns, rowsPerColumn;
        double firstRowTop;           // the first line's text
        double upMarkX, upMarkY;      // ▲
        double downMarkX, downMarkY;  // ▼
    };
    Geometry geometry() const;
    // The top-left corner of line i of the view.
    double lineLeft(int i) const;
    double lineTop(int i) const;

    // Brings the current row into view when the list or the current row has
    // changed since the last drawing; otherwise the view stays where the user
    // scrolled it.
    void scrollTo(const MoveListView& view, int rows);
    void erase();

    Screen& screen_;
    bool below_ = false;
    double belowTop_ = kBelowTop;
    bool shown_ = false;
    MoveListView drawn_;
    int top_ = 0;
    int rows_ = 0;  // rows drawn
};

}  // namespace xantu
