#pragma once
// CSA text (version 2.2) of a game, for computer-shogi programs and game
// servers: the players, the start ("PI" with the pieces a handicap removes,
// or the board rows with both hands), the moves with their times, the end.
// Squares are numbered from 先手's seat as in KIF; a promoted pawn is "TO".
#include <string>
#include <string_view>

#include "record/kif_writer.h"

namespace xantu {

struct CsaText {
    bool ok = false;
    int badMove = 0;   // when !ok: the move (from 1) that is not one move of the rules' kind
    std::string text;  // UTF-8 with CR LF line ends
};

CsaText 作成_CSA(const KifGame& game);

enum class CsaWriteStatus { Ok, NoMoves, BadMove, CannotWrite };
std::string_view CSA書出しメッセージ(CsaWriteStatus status);

// Writes the game whole (temporary file, then rename), in CP932 (Shift-JIS)
// as CSA files traditionally are; a name CP932 cannot hold makes it UTF-8,
// announced by a first line "'CSA encoding=UTF-8" that older readers take
// for a comment.
CsaWriteStatus 書込_CSA(const std::string& file, const KifGame& game);

inline constexpr const char* kCsaWriteTitle = "CSA書出し";

}  // namespace xantu
