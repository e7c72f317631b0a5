// The build-folder and installed layouts of the program's files.
#include "app/file_layout.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace zelkora {
namespace {

constexpr const char* SOUND_LIBRARY = "libZelkora.so";

// Relative paths from the installed program's folder to the package's private
// library folder and data folder, fixed when the program is configured.
constexpr const char* LIBRARY_FROM_PROGRAM = ZELKORA_LIBRARY_FROM_BIN;
constexpr const char* DATA_FROM_PROGRAM = ZELKORA_DATA_FROM_BIN;

QString under(const QString& folder, const char* relative) {
    return QDir::cleanPath(folder + '/' + QString::fromUtf8(relative));
}

// The user's documents folder when it exists, else the home folder.
QString documentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir()) return documents;
    return QDir::homePath();
}

// The user's state folder by the XDG rules: $XDG_STATE_HOME when it is an
// absolute path, else ~/.local/state.
QString stateHome() {
    const QString xdg = qEnvironmentVariable("XDG_STATE_HOME");
    if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg)) return xdg;
    return QDir::homePath() + "/.local/state";
}

}  // namespace

FileLayout FileLayout::ofProgram(const QString& programFolder) {
    FileLayout layout;
    const QString beside = QDir(programFolder).filePath(SOUND_LIBRARY);
    if (QFileInfo::exists(beside)) {
        layout.soundLibrary = beside;
        layout.soundFolder = programFolder;
        layout.settingsFolder = programFolder;
        layout.stateFolder = programFolder;
        layout.dataFolder = programFolder;
        layout.recordsFolder = QDir::currentPath();
        return layout;
    }
    layout.installed = true;
    layout.soundLibrary = QDir(under(programFolder, LIBRARY_FROM_PROGRAM)).filePath(SOUND_LIBRARY);
    layout.soundFolder = under(programFolder, DATA_FROM_PROGRAM);
    layout.settingsFolder =
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)).filePath(APP_ID);
    layout.dataFolder =
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)).filePath(APP_ID);
    layout.recordsFolder = documentsFolder();
    layout.stateFolder = QDir(stateHome()).filePath(APP_ID);
    return layout;
}

FileLayout FileLayout::workingFolder(const QString& programFolder) {
    FileLayout layout;
    layout.soundLibrary = QDir(programFolder).filePath(SOUND_LIBRARY);
    layout.recordsFolder = QDir::currentPath();
    return layout;
}

Places FileLayout::places() const {
    Places places;
    places.settingsFolder = settingsFolder.toStdString();
    places.soundFolder = soundFolder.toStdString();
    places.stateFolder = stateFolder.toStdString();
    places.dataFolder = dataFolder.toStdString();
    return places;
}

}  // namespace zelkora
