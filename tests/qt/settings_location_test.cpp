#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "config_location.h"
#include "main_window.h"
#include "options/settings_file.h"
#include "window/game_window.h"

using namespace xantu;

// Started from a launcher, the game keeps its settings (and the unfinished
// game) in the user's configuration folder; a folder that has its own
// settings file keeps using that one.
TEST(SettingsLocation, ConfigFolderUnlessTheCurrentFolderHasOne) {
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    const QString oldCurrent = QDir::currentPath();
    qputenv("XDG_CONFIG_HOME", tmp.filePath("config").toUtf8());
    QDir().mkpath(tmp.filePath("work"));
    QDir::setCurrent(tmp.filePath("work"));
    const QString name = QString::fromUtf8(kSettingsFileName);

    const QString chosen = chooseSettingsPath();
    EXPECT_TRUE(chosen.startsWith(tmp.filePath("config") + "/")) << chosen.toStdString();
    EXPECT_TRUE(chosen.endsWith("/" + name));
    {
        MainWindow window(QStringLiteral(XANTU_APP_DIR));
        GameWindow game(window.platform());
        window.attach(game);
        game.settingsPath = chosen.toStdString();
        window.dispatch([](GameWindow& g) {
            g.Form_Load();
            g.menuCommand("LBEL_UP");  // a handicap set is a game to keep
            g.OWARI_Click();
        });
        EXPECT_EQ(game.resumePath().parent_path().string(), QFileInfo(chosen).absolutePath().toStdString());
    }
    EXPECT_TRUE(QFile::exists(chosen));
    EXPECT_TRUE(QFile::exists(QFileInfo(chosen).absoluteDir().filePath(QString::fromUtf8(kResumeFileName))));
    EXPECT_FALSE(QFile::exists(name));

    // A settings file in the current folder wins.
    QFile local(name);
    ASSERT_TRUE(local.open(QIODevice::WriteOnly));
    local.close();
    EXPECT_EQ(chooseSettingsPath(), QDir::current().absoluteFilePath(name));

    QDir::setCurrent(oldCurrent);
    if (oldConfig.isEmpty())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", oldConfig);
}
