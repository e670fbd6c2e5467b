#include <QPainter>

#include "art.h"

namespace xantu::tools {

QImage drawPieceSheet() {
    const std::vector<PieceSpec> kanji = pieceSpecs();
    const std::vector<LetterPieceSpec> letters = letterPieceSpecs();
    const int perSide = static_cast<int>(letters.size() / 2);
    const int gap = 6;

    // Three rows of pieces (kanji, letters, the upper side's letters) at 1x
    // and at 2x, then the board at 1x and at 2x.
    const QImage board1 = drawPreview(6, 1, QString::fromLatin1(kLetterSetPrefix));
    const QImage board2 = drawPreview(6, 2, QString::fromLatin1(kLetterSetPrefix));
    const int rowsHeight = gap + 3 * (kCellH + gap) + 3 * (2 * kCellH + gap);
    const int width = std::max(board1.width() + board2.width() + 3 * gap, perSide * (2 * kCellW + gap) + gap);
    QImage sheet(width, rowsHeight + board2.height() + gap, QImage::Format_RGB888);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    int y = gap;
    for (int scale : {1, 2}) {
        for (int row = 0; row < 3; ++row) {
            for (int i = 0; i < perSide; ++i) {
                const int x = gap + i * (scale * kCellW + gap);
                QImage piece = row == 0   ? drawPiece(kanji[i], scale)
                               : row == 1 ? drawLetterPiece(letters[i], scale)
                                          : drawLetterPiece(letters[perSide + i], scale);
                p.drawImage(x, y, piece);
            }
            y += scale * kCellH + gap;
        }
    }
    p.drawImage(gap, y, board1);
    p.drawImage(2 * gap + board1.width(), y, board2);
    return sheet;
}

}  // namespace xantu::tools
