#include "canvas_widget.h"

#include <QFont>
#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "display/colours.h"
#include "font_faces.h"
#include "palette.h"
#include "window/menu_table.h"

namespace xantu {

namespace {

const char* const kFaceName = "ＭＳ Ｐ明朝";

// A painter on the image that works in device pixels whatever the image's
// device pixel ratio.
class DevicePainter : public QPainter {
public:
    explicit DevicePainter(QImage& image) : QPainter(&image) {
        const qreal ratio = image.devicePixelRatio();
        if (ratio != 1.0) scale(1.0 / ratio, 1.0 / ratio);
    }
};

// Point sizes as on a 96 dpi screen, at the scale.
QFont textFont(int fontSize, bool bold, double scale) {
    QFont font(QString::fromUtf8(kFaceName));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(fontSize * 96.0 / 72.0 * scale))));
    font.setBold(bold);
    return font;
}

// The device width of a line one pixel wide at 100 %.
int thinLine(double scale) { return std::max(1, static_cast<int>(std::lround(scale))); }

// Lines through points already in device pixels, `width` pixels wide with
// round ends and joins; with `filled`, the polygon they enclose.
void paintLines(QPainter& p, const QPolygonF& device, const QColor& colour, int width, bool filled) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (filled) {
        p.setBrush(colour);
        p.drawPolygon(device);
    } else {
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(device);
    }
    p.restore();
}

}  // namespace

CanvasWidget::CanvasWidget(QWidget* parent)
    : QWidget(parent), area_(kWindowWidthTwips, kWindowHeightTwips), back_(paletteColour(colourGreen)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
    installFontSubstitution();
    resize(naturalSize());
    redrawAll();
}

int CanvasWidget::toPixels(double twips) { return static_cast<int>(std::floor(twips / kTwipsPerPixel + 0.5)); }

double CanvasWidget::toTwips(double pixels) { return pixels * kTwipsPerPixel; }

void CanvasWidget::installFontSubstitution() {
    static bool done = false;
    if (done) return;
    done = true;
    QFont::insertSubstitutions(QString::fromUtf8(kFaceName),
                               {QString::fromUtf8(kProportionalMincho), QString::fromUtf8(kMincho)});
}

QSize CanvasWidget::naturalSize() const { return TwipsView::naturalSize(area_); }

QSize CanvasWidget::deviceSize() const {
    const qreal ratio = devicePixelRatioF();
    return QSize(static_cast<int>(std::lround(width() * ratio)), static_cast<int>(std::lround(height() * ratio)));
}

QRect CanvasWidget::logicalRect(double left, double top, double width, double height) const {
    const QRect device = view_.rect(left, top, left + width, top + height);
    const qreal ratio = devicePixelRatioF();
    return QRect(static_cast<int>(std::lround(device.x() / ratio)), static_cast<int>(std::lround(device.y() / ratio)),
                 static_cast<int>(std::lround(device.width() / ratio)),
                 static_cast<int>(std::lround(device.height() / ratio)));
}

double CanvasWidget::logicalScale() const { return view_.scale() / devicePixelRatioF(); }

void CanvasWidget::setArea(double width, double height) {
    if (QSizeF(width, height) == area_) return;
    const QSizeF old = area_;
    area_ = QSizeF(width, height);
    updateGeometry();
    redrawAll();
    emit areaChanged(old, area_);
}

void CanvasWidget::setSurround(const Surround& surround) {
    surround_ = surround;
    // Only the space around the area shows it; the area is the game's.
    if (view_.areaRect() != QRect(QPoint(0, 0), view_.device())) redrawAll();
}

void CanvasWidget::setMarks(const std::vector<Mark>& marks) {
    marks_ = marks;
    update();
}

void CanvasWidget::redrawAll() {
    const qreal ratio = devicePixelRatioF();
    const TwipsView view(area_, deviceSize());
    const bool changed = view.scale() != view_.scale() || view.areaRect() != view_.areaRect();
    view_ = view;
    pictures_.setScale(view_.scale());
    const QSize size = view_.device().expandedTo(QSize(1, 1));
    if (image_.size() != size) image_ = QImage(size, QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio);
    {
        DevicePainter p(image_);
        renderSurround(p);
        p.setClipRect(view_.areaRect());
        // Whatever later pictures hide is not drawn at all, nor the plain
        // colour where pictures cover everything.
        if (!pruning_ || !list_.prune(QRectF(QPointF(0, 0), area_))) p.fillRect(view_.areaRect(), back_);
        for (const DrawItem& item : list_.items()) renderItem(p, item);
    }
    update();
    if (changed) emit viewChanged();
}

void CanvasWidget::keep(DrawItem item) {
    const double replacedPen = list_.add(item);
    DevicePainter p(image_);
    p.setClipRect(view_.areaRect());
    if (replacedPen > item.pen) {
        // A wider box is erased: make its place again from what lies under it.
        const QRectF b = item.bounds;
        p.setClipRect(view_.rect(b.left(), b.top(), b.right(), b.bottom()), Qt::IntersectClip);
        p.fillRect(view_.areaRect(), back_);
        for (const DrawItem& other : list_.items())
            if (!other.dead && other.bounds.intersects(b)) renderItem(p, other);
    } else {
        renderItem(p, list_.items().back());
    }
    p.end();
    if (pruning_) list_.pruneIfLong(QRectF(QPointF(0, 0), area_));
    update();
}

void CanvasWidget::paintPicture(int code, double x, double y) {
    const QSize natural = pictures_.naturalSize(code);
    if (natural.isEmpty()) return;
    DrawItem item;
    item.kind = DrawItem::Kind::Picture;
    item.code = code;
    item.x = x;
    item.y = y;
    item.bounds = QRectF(x, y, natural.width() * kTwipsPerPixel, natural.height() * kTwipsPerPixel);
    item.opaque = true;
    keep(std::move(item));
}

void CanvasWidget::drawBox(int colour, double x1, double y1, double x2, double y2, double pen) {
    DrawItem item;
    item.kind = DrawItem::Kind::Box;
    item.code = colour;
    item.x = std::min(x1, x2);
    item.y = std::min(y1, y2);
    item.x2 = std::max(x1, x2);
    item.y2 = std::max(y1, y2);
    item.pen = std::max(pen, kTwipsPerPixel);
    // The far lines lie beyond the far corner by up to a pixel at any scale.
    const double margin = 2 * kTwipsPerPixel;
    item.bounds = QRectF(QPointF(item.x, item.y), QPointF(item.x2 + margin, item.y2 + margin));
    keep(std::move(item));
}

void CanvasWidget::drawPolyline(int colour, const std::vector<Point>& points, double pen, bool filled) {
    if (points.empty()) return;
    DrawItem item;
    item.kind = DrawItem::Kind::Polyline;
    item.code = colour;
    item.pen = std::max(pen, kTwipsPerPixel);
    item.filled = filled;
    // (QRectF::united would skip the empty rectangles of single points.)
    double left = points.front().x, right = left, top = points.front().y, bottom = top;
    for (const Point& p : points) {
        item.points.emplace_back(p.x, p.y);
        left = std::min(left, p.x), right = std::max(right, p.x);
        top = std::min(top, p.y), bottom = std::max(bottom, p.y);
    }
    // Half the pen on every side, and a pixel for the rounding at any scale.
    const double margin = item.pen / 2 + 2 * kTwipsPerPixel;
    item.bounds = QRectF(QPointF(left - margin, top - margin), QPointF(right + margin, bottom + margin));
    keep(std::move(item));
}

QFont CanvasWidget::printFont(int fontSize, bool bold) { return textFont(fontSize, bold, 1.0); }

void CanvasWidget::printText(const std::string& text, double x, double y, int fontSize, bool bold, int colour) {
    if (text.empty()) return;
    DrawItem item;
    item.kind = DrawItem::Kind::Text;
    item.code = colour;
    item.x = x;
    item.y = y;
    item.text = QString::fromStdString(text);
    item.fontSize = fontSize;
    item.bold = bold;
    // Generous: glyphs do not grow exactly with the size, and bold is synthesised.
    const QFontMetricsF metrics(textFont(fontSize, bold, 1.0));
    const double w = metrics.horizontalAdvance(item.text) * kTwipsPerPixel;
    const double h = metrics.height() * kTwipsPerPixel;
    const double margin = 3 * kTwipsPerPixel;
    item.bounds = QRectF(x - margin, y - margin, w * 1.25 + 2 * margin, h * 1.25 + 2 * margin);
    keep(std::move(item));
}

void CanvasWidget::renderItem(QPainter& p, const DrawItem& item) {
    if (item.dead) return;
    switch (item.kind) {
    case DrawItem::Kind::Picture: {
        const QImage& picture = pictures_.picture(item.code);
        if (picture.isNull()) return;
        // The place in device pixels; the scaled picture may be a pixel larger.
        const QRect place = view_.rect(item.x, item.y, item.bounds.right(), item.bounds.bottom());
        p.drawImage(place.topLeft(), picture, QRect(QPoint(0, 0), place.size()));
        return;
    }
    case DrawItem::Kind::Box: {
        const int thin = thinLine(view_.scale());
        // A line wider than the grid's stays at least two pixels wide at
        // every scale, so that it never looks like a grid line.
        int wide = std::max(thin, view_.length(item.pen));
        if (item.pen > kTwipsPerPixel) wide = std::max(wide, 2);
        const int left = view_.x(item.x), top = view_.y(item.y);
        const int right = view_.x(item.x2) + thin, bottom = view_.y(item.y2) + thin;  // excluded
        const QColor colour = paletteColour(item.code);
        p.fillRect(QRect(left, top, right - left, wide), colour);
        p.fillRect(QRect(left, bottom - wide, right - left, wide), colour);
        p.fillRect(QRect(left, top, wide, bottom - top), colour);
        p.fillRect(QRect(right - wide, top, wide, bottom - top), colour);
        return;
    }
    case DrawItem::Kind::Polyline: {
        QPolygonF device;
        for (const QPointF& pt : item.points) device << QPointF(view_.x(pt.x()), view_.y(pt.y()));
        paintLines(p, device, paletteColour(item.code), std::max(1, view_.length(item.pen)), item.filled);
        return;
    }
    case DrawItem::Kind::Text: {
        const QFont font = textFont(item.fontSize, item.bold, view_.scale());
        p.setRenderHint(QPainter::TextAntialiasing, true);
        p.setFont(font);
        p.setPen(paletteColour(item.code));
        const QFontMetrics metrics(font);
        p.drawText(QPoint(view_.x(item.x), view_.y(item.y) + metrics.ascent()), item.text);
        return;
    }
    }
}

void CanvasWidget::renderSurround(QPainter& p) {
    const QRect areaRect = view_.areaRect();
    const QRect all(QPoint(0, 0), view_.device());
    // The bands around the area: above and below it across the whole width,
    // left and right of it at its height.
    const QRect bands[4] = {
        QRect(QPoint(0, 0), QPoint(all.right(), areaRect.top() - 1)),
        QRect(QPoint(0, areaRect.bottom() + 1), all.bottomRight()),
        QRect(QPoint(0, areaRect.top()), QPoint(areaRect.left() - 1, areaRect.bottom())),
        QRect(QPoint(areaRect.right() + 1, areaRect.top()), QPoint(all.right(), areaRect.bottom())),
    };
    for (const QRect& band : bands) {
        if (band.isEmpty()) continue;
        if (surround_.codes.empty()) {
            p.fillRect(band, back_);
            continue;
        }
        p.setClipRect(band);
        const QPointF from = view_.twips(band.topLeft()), to = view_.twips(band.bottomRight() + QPoint(1, 1));
        const double cw = surround_.cellWidth, ch = surround_.cellHeight;
        const int i0 = static_cast<int>(std::floor((from.x() - surround_.originX) / cw)) - 1;
        const int i1 = static_cast<int>(std::ceil((to.x() - surround_.originX) / cw));
        const int j0 = static_cast<int>(std::floor((from.y() - surround_.originY) / ch)) - 1;
        const int j1 = static_cast<int>(std::ceil((to.y() - surround_.originY) / ch));
        const int n = static_cast<int>(surround_.codes.size());
        DrawItem tile;
        tile.kind = DrawItem::Kind::Picture;
        for (int j = j0; j <= j1; ++j)
            for (int i = i0; i <= i1; ++i) {
                tile.code = surround_.codes[static_cast<std::size_t>((((i + j + surround_.phase) % n) + n) % n)];
                const QSize natural = pictures_.naturalSize(tile.code);
                tile.x = surround_.originX + i * cw;
                tile.y = surround_.originY + j * ch;
                tile.bounds =
                    QRectF(tile.x, tile.y, natural.width() * kTwipsPerPixel, natural.height() * kTwipsPerPixel);
                renderItem(p, tile);
            }
    }
    p.setClipping(false);
}

void CanvasWidget::renderMarks(QPainter& p) const {
    const double s = view_.scale();
    for (const Mark& m : marks_) {
        const QRect box = view_.rect(m.x1, m.y1, m.x2, m.y2);
        const QColor colour = paletteColour(m.colour);
        if (m.kind == Mark::Kind::Line) {
            QPolygonF device;
            for (const Point& pt : m.points) device << QPointF(view_.x(pt.x), view_.y(pt.y));
            paintLines(p, device, colour, std::max(1, view_.length(m.pen)), m.filled);
        } else if (m.kind == Mark::Kind::Square) {
            // Inside the square's own outline, clear of the guidance lines.
            const int inset = std::max(m.inset, static_cast<int>(std::lround(m.inset * s)));
            const int wide = std::max(2, static_cast<int>(std::lround(2 * s)));
            const QRect r = box.adjusted(inset, inset, -inset, -inset);
            p.fillRect(QRect(r.left(), r.top(), r.width(), wide), colour);
            p.fillRect(QRect(r.left(), r.bottom() - wide + 1, r.width(), wide), colour);
            p.fillRect(QRect(r.left(), r.top(), wide, r.height()), colour);
            p.fillRect(QRect(r.right() - wide + 1, r.top(), wide, r.height()), colour);
        } else {
            p.save();
            p.setRenderHint(QPainter::Antialiasing, true);
            p.setPen(QPen(paletteColour(colourBlack), std::max(1.0, s)));
            p.setBrush(colour);
            const double radius = box.height() / 3.0;
            p.drawRoundedRect(QRectF(box), radius, radius);
            QFont font(QString::fromUtf8(kFaceName));
            font.setPixelSize(std::max(1, static_cast<int>(box.height() * 0.7)));
            font.setBold(true);
            p.setFont(font);
            p.setPen(paletteColour(colourWhite));
            p.drawText(box, Qt::AlignCenter, QString::fromStdString(m.text));
            p.restore();
        }
    }
}

void CanvasWidget::setBackColour(int colour) {
    back_ = paletteColour(colour);
    list_.clear();
    redrawAll();
}

void CanvasWidget::refresh() {
    if (isVisible()) repaint();
}

QColor CanvasWidget::pixelAt(int x, int y) const {
    const qreal ratio = image_.devicePixelRatio();
    return image_.pixelColor(static_cast<int>(x * ratio), static_cast<int>(y * ratio));
}

void CanvasWidget::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.setClipRect(event->rect());
    p.drawImage(QPoint(0, 0), image_);
    if (marks_.empty()) return;
    const qreal ratio = devicePixelRatioF();
    p.scale(1.0 / ratio, 1.0 / ratio);
    p.setClipRect(view_.areaRect());
    renderMarks(p);
}

void CanvasWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (deviceSize() != view_.device()) redrawAll();
    emit resized(size());
}

void CanvasWidget::mousePressEvent(QMouseEvent* event) {
    int button = 0;
    if (event->button() == Qt::LeftButton)
        button = 1;
    else if (event->button() == Qt::RightButton)
        button = 2;
    else if (event->button() == Qt::MiddleButton)
        button = 4;
    if (button == 0) return;
    int shift = 0;
    if (event->modifiers() & Qt::ShiftModifier) shift |= 1;
    if (event->modifiers() & Qt::ControlModifier) shift |= 2;
    if (event->modifiers() & Qt::AltModifier) shift |= 4;
    const QPointF twips = view_.twips(event->position() * devicePixelRatioF());
    emit mousePressed(button, shift, twips.x(), twips.y());
}

void CanvasWidget::wheelEvent(QWheelEvent* event) {
    // 120 eighths of a degree make a notch; a fine-grained wheel adds up.
    wheelEighths_ += event->angleDelta().y();
    const int steps = wheelEighths_ / 120;
    wheelEighths_ -= steps * 120;
    event->accept();
    if (steps == 0) return;
    const QPointF twips = view_.twips(event->position() * devicePixelRatioF());
    emit wheelTurned(steps, twips.x(), twips.y());
}

}  // namespace xantu
