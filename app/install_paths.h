#pragma once
// Where the program finds what it ships besides itself: the sound library
// and the WAV files. A build runs them from beside the program (and the
// source tree); an installed copy from its own library and data folders,
// found relative to the program so that any install prefix works.
#include <QString>

#include <string>
#include <vector>

namespace xantu {

// The folder holding "Xantuペカナ将棋.so": beside the program when it is there,
// else the installed library folder.
QString soundLibraryFolder();

// The folders searched for the WAV files after the current folder, in order.
std::vector<std::string> soundFolders();

}  // namespace xantu
