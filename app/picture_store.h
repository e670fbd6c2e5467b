#pragma once
#include <QHash>
#include <QImage>
#include <QSize>

namespace xantu {

// The window's pictures, read from the compiled-in resources on first use and
// made ready for one scale (device pixels per pixel at 100 %). Each picture
// is drawn at 1×, 2×, 3× and 4×; the nearest drawing at or above the scale
// is taken and, between those, smoothly reduced, so that pictures stay sharp.
class PictureStore {
public:
    explicit PictureStore(double scale = 1.0) : scale_(scale) {}

    void setScale(double scale);
    double scale() const { return scale_; }
    // The picture for a code at the scale (a null image for codes that paint
    // nothing or whose file is missing). It may be a pixel wider and higher
    // than the picture's place: callers draw as much as the place holds.
    const QImage& picture(int code);
    // The picture's size at 100 %, in pixels (empty when there is none).
    QSize naturalSize(int code);

private:
    struct Entry {
        QImage scaled;
        QSize natural;
    };
    const Entry& entry(int code);
    QImage load(const QString& name, int factor) const;

    double scale_;
    QHash<int, Entry> cache_;
};

}  // namespace xantu
