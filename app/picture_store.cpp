#include "picture_store.h"

#include <QFile>
#include <QtDebug>

#include "picture_names.h"

namespace xantu {

PictureStore::PictureStore(qreal devicePixelRatio) : dpr_(devicePixelRatio) {}

const QImage& PictureStore::picture(int code) {
    auto it = cache_.find(code);
    if (it == cache_.end()) {
        const std::string_view name = pictureName(code);
        QImage image = name.empty() ? QImage() : load(QString::fromUtf8(name.data(), qsizetype(name.size())));
        it = cache_.insert(code, image);
    }
    return *it;
}

QImage PictureStore::load(const QString& name) const {
    const QString base = QStringLiteral(":/pictures/") + name;
    if (dpr_ > 1.0) {
        QImage hi(base + QStringLiteral("@2x.png"));
        if (!hi.isNull()) {
            hi.setDevicePixelRatio(2.0);
            return hi;
        }
    }
    QImage image(base + QStringLiteral(".png"));
    if (image.isNull()) qWarning("picture %s is missing", qPrintable(name));
    return image;
}

}  // namespace xantu
