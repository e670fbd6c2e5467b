// The question "成 or 不成?" asked on the board: the promoted and the plain
// picture of the moving piece on two squares, one click chooses.
#include <cmath>

#include "window/game_window.h"

namespace xantu {

void GameWindow::openPromotionChooser(int promotedCode) {
    chooser = PromotionChooser{};
    chooser.open = true;
    chooser.promotedCode = promotedCode;
    chooser.plainCode = g.selPiece;
    chooser.promotedX = chooser.plainX = g.selToX;
    chooser.promotedY = g.selToY;
    // The plain picture beside it, towards the middle of the board.
    chooser.plainY = g.selToY <= 5 ? g.selToY + 1 : g.selToY - 1;
    screen.描画_絵(chooser.promotedCode, chooser.promotedX, chooser.promotedY);
    screen.描画_桝輪郭(colourSelect, chooser.promotedX, chooser.promotedY);
    screen.描画_絵(chooser.plainCode, chooser.plainX, chooser.plainY);
    screen.描画_桝輪郭(colourSelect, chooser.plainX, chooser.plainY);
}

void GameWindow::closePromotionChooser() {
    if (!chooser.open) return;
    chooser.open = false;
    // The board as it stands again, without the chooser's pictures.
    screen.描画_盤();
}

void GameWindow::choosePromotion(bool promote) {
    if (!chooser.open) return;
    closePromotionChooser();
    commitMove(promote);
}

void GameWindow::promotionChooserClick(double X, double Y) {
    const int col = static_cast<int>(std::floor((X - boardLeft) / squareWidth));
    const int row = static_cast<int>(std::floor((Y - boardTop) / squareHeight));
    if (col == chooser.promotedX && row == chooser.promotedY) {
        choosePromotion(true);
    } else if (col == chooser.plainX && row == chooser.plainY) {
        choosePromotion(false);
    } else {
        // Anywhere else takes the move back into the hand: nothing is moved.
        closePromotionChooser();
        g.selectPhase = 0;
    }
}

}  // namespace xantu
