#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

#include "art.h"

namespace xantu::tools {

// "Xantu ペカナ将棋" in gold on a lacquered wooden name board.
QImage drawTitle(int scale) {
    QImage image = blankImage(kTitleW, kTitleH, scale, QColor(40, 20, 10));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);

    const QRectF board(0, 0, kTitleW, kTitleH);
    QLinearGradient lacquer(0, 0, 0, kTitleH);
    lacquer.setColorAt(0.0, QColor(96, 46, 24));
    lacquer.setColorAt(0.5, QColor(70, 30, 14));
    lacquer.setColorAt(1.0, QColor(48, 20, 8));
    p.fillRect(board, lacquer);
    // A gold frame inside a dark rim.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(28, 12, 4), 2.0));
    p.drawRect(board.adjusted(1, 1, -1, -1));
    p.setPen(QPen(QColor(214, 170, 72), 0.9));
    p.drawRect(board.adjusted(3.2, 3.2, -3.2, -3.2));

    QFont latin(QStringLiteral("IPAPMincho"));
    latin.setPixelSize(100);
    QFont japanese(minchoFamily());
    japanese.setPixelSize(100);
    QPainterPath text;
    text.addText(0, 0, latin, QStringLiteral("Xantu"));
    const double gap = 22;
    text.addText(text.boundingRect().right() + gap, 0, japanese, QStringLiteral("ペカナ将棋"));
    const QRectF g = text.boundingRect();
    const double k = std::min((kTitleW - 16.0) / g.width(), (kTitleH - 15.0) / g.height());
    QTransform t;
    t.translate(kTitleW / 2.0, kTitleH / 2.0 + 0.5);
    t.scale(k, k);
    t.translate(-g.center().x(), -g.center().y());
    const QPainterPath placed = t.map(text);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(16, 6, 2, 200));
    p.drawPath(placed.translated(0.9, 0.9));
    const QRectF r = placed.boundingRect();
    QLinearGradient gold(r.topLeft(), r.bottomLeft());
    gold.setColorAt(0.0, QColor(255, 238, 160));
    gold.setColorAt(0.5, QColor(236, 190, 84));
    gold.setColorAt(1.0, QColor(190, 134, 40));
    p.setBrush(gold);
    p.setPen(QPen(QColor(255, 226, 140, 110), 0.3));
    p.drawPath(placed);
    return image;
}

}  // namespace xantu::tools
