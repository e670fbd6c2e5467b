#include "config_location.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "options/settings_file.h"

namespace xantu {

QString chooseSettingsPath() {
    const QString name = QString::fromUtf8(kSettingsFileName);
    const QFileInfo local(QDir::current().filePath(name));
    if (local.exists()) return local.absoluteFilePath();
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    // Without a configuration folder the current folder is all there is.
    if (folder.isEmpty() || !QDir().mkpath(folder)) return local.absoluteFilePath();
    return QDir(folder).filePath(name);
}

}  // namespace xantu
