#pragma once
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <cmath>

namespace xantu {

// How the game's area of twips sits in a window of device pixels: one scale
// for both directions, the area centred, the rest of the window left over.
// At scale 1 a twip position maps exactly as 15 twips to the pixel.
class TwipsView {
public:
    static constexpr double kTwipsPerPixel = 15.0;

    TwipsView() = default;
    // `area` in twips, `device` the window's size in device pixels.
    TwipsView(QSizeF area, QSize device) : area_(area), device_(device) {
        const QSize natural = naturalSize(area);
        if (natural.isEmpty() || device.isEmpty()) return;
        scale_ = std::min(double(device.width()) / natural.width(), double(device.height()) / natural.height());
        offX_ = (device.width() - toDevice(area.width())) / 2;
        offY_ = (device.height() - toDevice(area.height())) / 2;
    }

    // The area's size in pixels at 100 %.
    static QSize naturalSize(QSizeF area) {
        return {round(area.width() / kTwipsPerPixel), round(area.height() / kTwipsPerPixel)};
    }

    double scale() const { return scale_; }
    QSize device() const { return device_; }
    QSizeF area() const { return area_; }
    int x(double twips) const { return offX_ + toDevice(twips); }
    int y(double twips) const { return offY_ + toDevice(twips); }
    // Device pixels across a length of twips (at least one for a non-zero length).
    int length(double twips) const { return twips <= 0 ? 0 : std::max(1, toDevice(twips)); }
    // The device rectangle between two twips corners (right and bottom excluded).
    QRect rect(double x1, double y1, double x2, double y2) const {
        return QRect(QPoint(x(x1), y(y1)), QPoint(x(x2) - 1, y(y2) - 1));
    }
    QRect areaRect() const { return rect(0, 0, area_.width(), area_.height()); }
    // A device position back to twips.
    QPointF twips(QPointF device) const {
        return {(device.x() - offX_) * kTwipsPerPixel / scale_, (device.y() - offY_) * kTwipsPerPixel / scale_};
    }

private:
    static int round(double v) { return static_cast<int>(std::floor(v + 0.5)); }
    int toDevice(double twips) const { return round(twips * scale_ / kTwipsPerPixel); }

    QSizeF area_;
    QSize device_;
    double scale_ = 1.0;
    int offX_ = 0, offY_ = 0;
};

}  // namespace xantu
