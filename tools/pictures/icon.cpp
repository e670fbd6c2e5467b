#include <QPainter>

#include <algorithm>

#include "art.h"

namespace xantu::tools {

QImage drawIcon(int size) {
    const PieceSpec pon{QStringLiteral("ICON"), QStringLiteral("奔"), true, false, 5};
    // Drawn large and reduced: the piece keeps its proportions and the fine
    // lines of the bevel melt into a clean edge at small sizes.
    const int scale = std::max(2, (size * 2 + kCellH - 1) / kCellH);
    const QImage big = drawPieceOnly(pon, scale);
    // The body spans rows 2.5..38.5 of the cell: crop to it, with a margin
    // for the shadow, so the piece fills the icon's height.
    const QRect body(0, static_cast<int>(1.5 * scale), kCellW * scale, 38 * scale);
    const QImage piece = big.copy(body).scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);

    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.drawImage((size - piece.width()) / 2, (size - piece.height()) / 2, piece);
    return icon;
}

}  // namespace xantu::tools
