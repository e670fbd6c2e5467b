#pragma once
#include <QString>

namespace xantu {

// The settings file the program uses: one in the current folder when there
// is one (a game kept in its own folder goes on working there), otherwise
// the one in the user's configuration folder, which is made if missing.
// The unfinished game is kept beside whichever it is.
QString chooseSettingsPath();

}  // namespace xantu
