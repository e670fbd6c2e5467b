#include "canvas_widget.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "display/colours.h"
#include "font_faces.h"
#include "palette.h"
#include "window/menu_table.h"

namespace xantu {

namespace {

const char* const kFaceName = "ＭＳ Ｐ明朝";

qreal screenRatio() {
    const qreal r = qApp ? qApp->devicePixelRatio() : 1.0;
    return r > 1.0 ? r : 1.0;
}

}  // namespace

CanvasWidget::CanvasWidget(QWidget* parent)
    : QWidget(parent), back_(paletteColour(colourGreen)), pictures_(screenRatio()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
    installFontSubstitution();
    setCanvasSize(QSize(toPixels(kWindowWidthTwips), toPixels(kWindowHeightTwips)));
}

int CanvasWidget::toPixels(double twips) { return static_cast<int>(std::floor(twips / kTwipsPerPixel + 0.5)); }

double CanvasWidget::toTwips(double pixels) { return pixels * kTwipsPerPixel; }

void CanvasWidget::installFontSubstitution() {
    static bool done = false;
    if (done) return;
    done = true;
    QFont::insertSubstitutions(QString::fromUtf8(kFaceName), {QString::fromUtf8(kProportionalMincho), QString::fromUtf8(kMincho)});
}

void CanvasWidget::setCanvasSize(QSize logical) {
    const qreal dpr = screenRatio();
    QImage grown(logical * dpr, QImage::Format_RGB32);
    grown.setDevicePixelRatio(dpr);
    grown.fill(back_);
    if (!image_.isNull()) {
        QPainter p(&grown);
        p.drawImage(QPoint(0, 0), image_);
    }
    image_ = grown;
    setFixedSize(logical);
    update();
}

void CanvasWidget::paintPicture(int code, double x, double y) {
    const QImage& picture = pictures_.picture(code);
    if (picture.isNull()) return;
    QPainter p(&image_);
    p.drawImage(QPoint(toPixels(x), toPixels(y)), picture);
    update();
}

void CanvasWidget::drawBox(int colour, double x1, double y1, double x2, double y2) {
    const int left = toPixels(std::min(x1, x2)), right = toPixels(std::max(x1, x2));
    const int top = toPixels(std::min(y1, y2)), bottom = toPixels(std::max(y1, y2));
    QPainter p(&image_);
    // A one-pixel outline through both corners: boxes of neighbouring cells
    // share their common edge.
    p.setPen(QPen(paletteColour(colour), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(left, top, right - left, bottom - top));
    update();
}

QFont CanvasWidget::textFont(int fontSize, bool bold) {
    QFont font(QString::fromUtf8(kFaceName));
    // Point sizes as on a 96 dpi screen, whatever the image's own resolution.
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(fontSize * 96.0 / 72.0))));
    font.setBold(bold);
    return font;
}

void CanvasWidget::printText(const std::string& text, double x, double y, int fontSize, bool bold, int colour) {
    if (text.empty()) return;
    const QFont font = textFont(fontSize, bold);
    QPainter p(&image_);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setFont(font);
    p.setPen(paletteColour(colour));
    const QFontMetrics metrics(font);
    p.drawText(QPoint(toPixels(x), toPixels(y) + metrics.ascent()), QString::fromStdString(text));
    update();
}

void CanvasWidget::setBackColour(int colour) {
    back_ = paletteColour(colour);
    image_.fill(back_);
    update();
}

void CanvasWidget::refresh() {
    if (isVisible()) repaint();
}

QColor CanvasWidget::pixelAt(int x, int y) const {
    const qreal dpr = image_.devicePixelRatio();
    return image_.pixelColor(static_cast<int>(x * dpr), static_cast<int>(y * dpr));
}

void CanvasWidget::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.setClipRect(event->rect());
    p.drawImage(QPoint(0, 0), image_);
}

void CanvasWidget::mousePressEvent(QMouseEvent* event) {
    int button = 0;
    if (event->button() == Qt::LeftButton) button = 1;
    else if (event->button() == Qt::RightButton) button = 2;
    else if (event->button() == Qt::MiddleButton) button = 4;
    if (button == 0) return;
    int shift = 0;
    if (event->modifiers() & Qt::ShiftModifier) shift |= 1;
    if (event->modifiers() & Qt::ControlModifier) shift |= 2;
    if (event->modifiers() & Qt::AltModifier) shift |= 4;
    const QPointF pos = event->position();
    emit mousePressed(button, shift, toTwips(pos.x()), toTwips(pos.y()));
}

}  // namespace xantu
