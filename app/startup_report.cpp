// The start-up report of the program's real file layout.
#include "app/startup_report.h"

#include <cstdint>
#include <cstdio>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "app/console_dialogs.h"
#include "app/main_window.h"
#include "platform/disk_files.h"
#include "settings/background_table.h"

namespace zelkora {
namespace {

// The real files for reading; a write, removal or renaming is taken as done
// and nothing reaches the disk, so start-up runs as it would (no box about a
// file it could not write) and a report leaves the player's files, and their
// folders, as they were.
class LookOnlyFiles : public Files {
public:
    bool exists(const std::string& path) const override { return disk_.exists(path); }
    ReadResult readAll(const std::string& path, std::size_t limit, std::vector<std::uint8_t>& bytes) const override {
        return disk_.readAll(path, limit, bytes);
    }
    bool writeAll(const std::string&, const std::vector<std::uint8_t>&, std::size_t) override { return true; }
    bool remove(const std::string&) override { return true; }
    bool rename(const std::string&, const std::string&) override { return true; }

private:
    DiskFiles disk_;
};

void line(const char* label, const QString& path, bool good, const char* yes, const char* no) {
    std::printf("%s: %s %s\n", label, qPrintable(QDir::toNativeSeparators(path)), good ? yes : no);
}

}  // namespace

int runStartupReport(const FileLayout& fileLayout) {
    ConsoleDialogs dialogs;
    LookOnlyFiles files;
    MainWindow window(fileLayout, &dialogs, nullptr, nullptr, &files);
    const FileLayout& layout = window.fileLayout();
    const SoundState& sounds = window.form().sounds;

    std::printf("layout: %s\n", layout.installed ? "installed" : "build folder");
    line("sound library", layout.soundLibrary, window.soundLibraryLoaded(), "loaded", "missing");
    std::printf("sound device: %s\n", sounds.device != 0 ? "opened" : "none");
    const struct {
        const char* name;
        std::int32_t buffer;
    } waves[] = {{"その他.wav", sounds.other}, {"禁止.wav", sounds.refusal}, {"駒打音.wav", sounds.placed},
                 {"BGM.wav", sounds.bgm}};
    bool allMade = true;
    for (const auto& wave : waves) {
        const QString label = QStringLiteral("wave ") + QString::fromUtf8(wave.name);
        const QString path = QString::fromStdString(pathIn(layout.soundFolder.toStdString(), wave.name));
        line(qPrintable(label), path, wave.buffer != 0, "made", "not made");
        allMade = allMade && wave.buffer != 0;
    }
    const QString settings = QString::fromStdString(pathIn(layout.settingsFolder.toStdString(), SETTINGS_FILE));
    line("settings file", settings, QFileInfo::exists(settings), "present", "missing");
    std::printf("records folder: %s\n", qPrintable(QDir::toNativeSeparators(layout.recordsFolder)));
    std::fflush(stdout);

    const bool soundReady = window.soundLibraryLoaded() && sounds.device != 0 && allMade;
    window.form().OWARI();
    return soundReady ? 0 : 1;
}

}  // namespace zelkora
