#include "install_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace xantu {

QString soundLibraryFolder() {
    const QDir appFolder(QCoreApplication::applicationDirPath());
    if (QFileInfo(appFolder.filePath(QStringLiteral("Xantuペカナ将棋.so"))).isFile()) return appFolder.absolutePath();
    return QDir::cleanPath(appFolder.filePath(QStringLiteral(XANTU_INSTALLED_LIB_FROM_BIN)));
}

std::vector<std::string> soundFolders() {
    const QDir appFolder(QCoreApplication::applicationDirPath());
    return {
        appFolder.filePath(QStringLiteral("assets/sounds")).toStdString(),
        QDir::cleanPath(appFolder.filePath(QStringLiteral(XANTU_INSTALLED_DATA_FROM_BIN "/sounds"))).toStdString(),
        std::string(XANTU_SOURCE_DIR) + "/assets/sounds",
    };
}

}  // namespace xantu
