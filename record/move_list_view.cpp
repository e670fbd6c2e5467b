#include "record/move_list_view.h"

#include "record/move_notation.h"

namespace xantu {

int 調査_下側の手番(const GameRecord& record, const MoveList& list, const GameState& g, int recordLowerOrder) {
    if (g.recordMode == 0) return g.sideToMove == 0 ? kSente : g.manSide;
    if (recordLowerOrder != 0) return recordLowerOrder;
    if (list.lastEntry < 1 || 手順の手数(record) < 1) return kSente;
    return record.nodes[static_cast<std::size_t>(手順の節(record, 1))].move.side() == Side::Upper ? kGote : kSente;
}

int 調査_一覧の手数(const MoveList& list, const GameState& g) {
    const int entries = static_cast<int>(list.entries.size());
    // During play the Position after the last move is the board itself; once
    // stepped back (or for a record) every Position is an entry.
    const bool liveEnd = g.recordMode == 0 && list.recordLength == list.lastEntry + 1;
    int count = liveEnd ? list.recordLength : list.lastEntry;
    if (count > entries - (liveEnd ? 0 : 1)) count = entries - (liveEnd ? 0 : 1);
    return count < 0 ? 0 : count;
}

MoveListView 作成_棋譜一覧(const GameRecord& record, const MoveList& list, const GameState& g, int lowerOrder) {
    const NotationView seat = lowerOrder == kGote ? NotationView::UpperSideFirst : NotationView::AsDrawn;
    MoveListView view;
    if (g.sideToMove == 0 && g.recordMode == 0) return view;
    view.game = true;
    const int count = 調査_一覧の手数(list, g);
    view.current = list.recordLength < 0 ? 0 : (list.recordLength > count ? count : list.recordLength);
    view.moves.reserve(static_cast<std::size_t>(count));

    const GameLine line = 作成_手順局面(record);
    const int known = static_cast<int>(line.nodes.size());
    int prevToX = 0, prevToY = 0;
    for (int k = 1; k <= count; ++k) {
        if (k > known) {
            view.moves.push_back("――");
            continue;
        }
        const Move& m = record.nodes[static_cast<std::size_t>(line.nodes[static_cast<std::size_t>(k - 1)])].move;
        const MoveTokens t = 作成_指し手要素(line.positions[static_cast<std::size_t>(k - 1)], m, prevToX, prevToY);
        const int mover = t.piece < 0 ? lowerOrder : -lowerOrder;
        std::string text = 表記_画面(t, mover, seat);
        if (t.piece == -kKing) {
            // The bottom player's king, as its picture names it.
            const std::size_t at = text.find("玉");
            if (at != std::string::npos) text.replace(at, std::string("玉").size(), "王");
        }
        view.moves.push_back(std::move(text));
        prevToX = m.toX;
        prevToY = m.toY;
    }
    return view;
}

}  // namespace xantu
