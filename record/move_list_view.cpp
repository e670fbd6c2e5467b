#include "record/move_list_view.h"

#include <optional>

#include "record/move_notation.h"

namespace xantu {

int 調査_下側の手番(const MoveList& list, const GameState& g, int recordLowerOrder) {
    if (g.recordMode == 0) return g.sideToMove == 0 ? kSente : g.manSide;
    if (recordLowerOrder != 0) return recordLowerOrder;
    if (list.lastEntry < 1 || list.entries.size() < 2) return kSente;
    Position before, after;
    局面復元(list, 0, before);
    局面復元(list, 1, after);
    const std::optional<MoveRecord> m = 調査_指し手(before, after);
    return m && m->piece > 0 ? kGote : kSente;
}

MoveListView 作成_棋譜一覧(const MoveList& list, const Position& board, const GameState& g, int lowerOrder) {
    const NotationView seat = lowerOrder == kGote ? NotationView::UpperSideFirst : NotationView::AsDrawn;
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
            const int mover = m->piece < 0 ? lowerOrder : -lowerOrder;
            std::string text = 作成_指し手表記(*m, mover, prevToX, prevToY, seat);
            if (m->piece == -kKing) {
                // The bottom player's king, as its picture names it.
                const std::size_t at = text.find("玉");
                if (at != std::string::npos) text.replace(at, std::string("玉").size(), "王");
            }
            view.moves.push_back(std::move(text));
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
