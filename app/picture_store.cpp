#include "picture_store.h"

#include <QtDebug>
#include <algorithm>
#include <cmath>

#include "picture_names.h"

namespace xantu {

namespace {
constexpr int kLargestDrawing = 4;
}

void PictureStore::setScale(double scale) {
    if (scale == scale_) return;
    scale_ = scale;
    cache_.clear();
}

const QImage& PictureStore::picture(int code) { return entry(code).scaled; }

QSize PictureStore::naturalSize(int code) { return entry(code).natural; }

const PictureStore::Entry& PictureStore::entry(int code) {
    auto it = cache_.find(code);
    if (it != cache_.end()) return *it;
    Entry e;
    const std::string_view name = pictureName(code);
    if (!name.empty()) {
        const QString base = QString::fromUtf8(name.data(), qsizetype(name.size()));
        const int factor = std::clamp(int(std::ceil(scale_ - 1e-9)), 1, kLargestDrawing);
        QImage drawing = load(base, factor);
        int drawnAt = factor;
        if (drawing.isNull() && factor != 1) {
            drawing = load(base, 1);
            drawnAt = 1;
        }
        if (drawing.isNull()) {
            qWarning("picture %s is missing", qPrintable(base));
        } else {
            e.natural = drawing.size() / drawnAt;
            if (scale_ == drawnAt) {
                e.scaled = drawing;
            } else {
                const QSize size(int(std::ceil(e.natural.width() * scale_ - 1e-9)),
                                 int(std::ceil(e.natural.height() * scale_ - 1e-9)));
                e.scaled = drawing.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            }
            e.scaled = e.scaled.convertToFormat(QImage::Format_RGB32);
        }
    }
    return *cache_.insert(code, e);
}

QImage PictureStore::load(const QString& name, int factor) const {
    const QString suffix = factor == 1 ? QStringLiteral(".png") : QStringLiteral("@%1x.png").arg(factor);
    QImage image(QStringLiteral(":/pictures/") + name + suffix);
    // Qt reads "@2x" as a device pixel ratio; here every pixel is a device pixel.
    image.setDevicePixelRatio(1.0);
    return image;
}

}  // namespace xantu
