#pragma once
#include <QHash>
#include <QImage>

namespace xantu {

// The window's pictures, read from the compiled-in resources on first use.
// On a HiDPI screen the "@2x" drawing is taken when there is one, so that a
// picture painted at its logical size stays sharp.
class PictureStore {
public:
    explicit PictureStore(qreal devicePixelRatio);

    // The picture for a code; a null image for codes that paint nothing or
    // whose file is missing.
    const QImage& picture(int code);

private:
    QImage load(const QString& name) const;

    qreal dpr_;
    QHash<int, QImage> cache_;
};

}  // namespace xantu
