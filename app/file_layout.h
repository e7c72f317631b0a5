// Where the program finds its own files and where the player's files go.
//
// The program's own files are always found from the program's own folder
// (never from the current folder or the library search path):
// - a copy run from its build folder has its sound library libZelkora.so
//   beside it; the wave files and the settings file "Zelkora.ini" are there
//   too, and the record panel opens in the current folder;
// - an installed copy (`cmake --install`, the Debian package) finds the sound
//   library in the package's private library folder and the wave files in the
//   package's data folder, both at fixed relative paths from the program's
//   folder, so the installed tree works under any prefix. The settings file
//   lives in the user's configuration folder ($XDG_CONFIG_HOME/<app id>) and
//   the record panel opens in the user's documents folder, or in the home
//   folder when there is none; both come from Qt's standard paths. The
//   unfinished game is kept in the user's state folder ($XDG_STATE_HOME/<app
//   id>, ~/.local/state/<app id> when that is unset: Qt 6.4 has no state
//   location); the results and the progress in the lessons in the user's data
//   folder ($XDG_DATA_HOME/<app id>). A build-folder copy keeps them beside
//   itself.
// Window tests and the screenshot run use the working-folder layout: wave
// files and settings in the current folder, so they never touch a player's
// settings.
#pragma once

#include <QString>

#include "game/ports.h"

namespace zelkora {

// The reverse-DNS name of the application, used for every installed name.
inline constexpr const char* APP_ID = ZELKORA_APP_ID;

struct FileLayout {
    bool installed = false;
    QString soundLibrary;     // full path of libZelkora.so
    QString soundFolder;      // folder of the four wave files; empty: current folder
    QString settingsFolder;   // folder of "Zelkora.ini"; empty: current folder
    QString recordsFolder;    // where the record panel opens first
    QString stateFolder;      // the unfinished game; empty: current folder
    QString dataFolder;       // the results and the lessons' progress; empty: current folder

    // The layout of the program whose executable lies in `programFolder`.
    static FileLayout ofProgram(const QString& programFolder);
    // The sound library beside the program, everything else in the current folder.
    static FileLayout workingFolder(const QString& programFolder);

    // The folders as the core sees them.
    Places places() const;
};

}  // namespace zelkora
