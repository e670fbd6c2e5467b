#include "diagram_painter.h"

#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "font_faces.h"
#include "picture_names.h"
#include "picture_store.h"

namespace xantu {

namespace {

QFont diagramFont(const DiagramShape& s) {
    QFont font;
    if (s.face == DiagramShape::Face::Mincho)
        font.setFamilies({QString::fromUtf8(kMincho), QString::fromUtf8(kProportionalMincho)});
    else
        font.setFamilies({QString::fromUtf8(kProportionalMincho), QString::fromUtf8(kMincho)});
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(s.size))));
    font.setBold(s.bold);
    return font;
}

void paintText(QPainter& p, const DiagramShape& s) {
    const QFont font = diagramFont(s);
    const QString text = QString::fromStdString(s.text);
    double x = s.x;
    if (s.anchor != DiagramShape::Anchor::Start) {
        const double advance = QFontMetricsF(font).horizontalAdvance(text);
        x -= s.anchor == DiagramShape::Anchor::Middle ? advance / 2 : advance;
    }
    p.save();
    if (s.upsideDown) {
        const QPointF middle(s.x, s.y - kEmCentreToBaseline * s.size);
        p.translate(middle);
        p.rotate(180);
        p.translate(-middle);
    }
    p.setFont(font);
    p.setPen(QColor(QRgb(s.colour)));
    p.drawText(QPointF(x, s.y), text);
    p.restore();
}

}  // namespace

void paintDiagram(QPainter& p, const Diagram& d, PictureStore& pictures) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.fillRect(QRectF(0, 0, d.width, d.height), QColor(QRgb(d.background)));
    for (const DiagramShape& s : d.shapes) {
        switch (s.kind) {
        case DiagramShape::Kind::Rect: p.fillRect(QRectF(s.x, s.y, s.w, s.h), QColor(QRgb(s.colour))); break;
        case DiagramShape::Kind::Text: paintText(p, s); break;
        case DiagramShape::Kind::Picture: {
            const QImage& picture = pictures.picture(s.code);
            if (picture.isNull()) break;
            // The drawing may be a pixel larger than the place: take what it holds.
            const double scale = pictures.scale();
            p.drawImage(QRectF(s.x, s.y, s.w, s.h), picture, QRectF(0, 0, s.w * scale, s.h * scale));
            break;
        }
        }
    }
    p.restore();
}

QImage diagramImage(const Diagram& d) {
    const QSize size(static_cast<int>(std::lround(d.width * d.scale)),
                     static_cast<int>(std::lround(d.height * d.scale)));
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    PictureStore pictures(d.scale);
    QPainter p(&image);
    p.scale(d.scale, d.scale);
    paintDiagram(p, d, pictures);
    p.end();
    return image;
}

std::string pictureFileAtTwice(int code) {
    const std::string_view name = pictureName(code);
    if (name.empty()) return {};
    QFile file(QStringLiteral(":/pictures/") + QString::fromUtf8(name.data(), qsizetype(name.size())) +
               QStringLiteral("@2x.png"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    return bytes.toStdString();
}

}  // namespace xantu
