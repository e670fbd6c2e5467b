#include "record/move_list_view.h"

#include <optional>

#include "record/move_notation.h"

namespace xantu {

MoveListView 作成_棋譜一覧(const MoveList& list, const Position& board, const GameState& g) {
    MoveListView view;
    if (g.sideToMove == 0 && g.recordMode == 0) return view;
    view.game = true;
    const int entries = static_cast<int>(list.entries.size());
    // During play the Position after the last move is the board itself; once
    // stepped back (or for a record) every Position is an entry.
    const bool liveEnd = g.recordMode == 0 && list.recordLength == list.lastEntry + 1;
    int count = liveEnd ? list.recordLength : list.lastEntry;
    if (count > entries - (liveEnd ? 0 : 1)) count = entries - (liveEnd ? 0 : 1);
    if (count < 0) count = 0;
    view.current = list.recordLength < 0 ? 0 : (list.recordLength > count ? count : list.recordLength);
    view.moves.reserve(static_cast<std::size_t>(count));

    Position before, after;
    局面復元(list, 0, before);
    int prevToX = 0, prevToY = 0;
    for (int k = 1; k <= count; ++k) {
        if (liveEnd && k == count)
            after = board;
        else
            局面復元(list, k, after);
        const std::optional<MoveRecord> m = 調査_指し手(before, after);
        if (m) {
            const int mover = m->piece < 0 ? g.manSide : g.comSide;
            view.moves.push_back(作成_指し手表記(*m, mover, prevToX, prevToY));
            prevToX = m->toX;
            prevToY = m->toY;
        } else {
            view.moves.push_back("――");
            prevToX = prevToY = 0;
        }
        before = after;
    }
    return view;
}

}  // namespace xantu
