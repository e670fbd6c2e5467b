#include "clock/elapsed_time.h"
#include "display/screen.h"

namespace xantu {

void Screen::描画_所有時間(int IN_手番, double IN_思考時間) {
    描画_残り時間(IN_手番, 調査_時間秒追加結果(IN_思考時間), colourWhite);
}

void Screen::描画_残り時間(int IN_手番, const std::string& text, int colour) {
    if (!plat_.menus.checked("KEIKA")) return;
    消去_所有時間(IN_手番);
    if (IN_手番 == g_.manSide) {
        描画_影付き数値(13.0, 9.2, text, colour, 12);
    } else if (IN_手番 == g_.comSide) {
        描画_影付き数値(-1.6, 9.2, text, colour, 12);
        描画_桝輪郭(colourGreen, 1, 9);
    }
}

void Screen::消去_所有時間(int IN_手番) {
    const bool pekana = opt_.backgroundTheme == kThemePekana;
    const int theme = opt_.backgroundTheme;
    int x0;
    if (IN_手番 == g_.manSide)
        x0 = 13;
    else if (IN_手番 == g_.comSide)
        x0 = -2;
    else
        return;
    描画_絵(pekana ? kPicKi : theme, x0, 9);
    描画_絵(pekana ? kPicHu : theme, x0 + 1, 9);
    描画_絵(pekana ? kPicKei : theme, x0 + 2, 9);
}

}  // namespace xantu
