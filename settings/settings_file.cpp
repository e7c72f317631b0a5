// The settings file "Zelkora.ini": one line in Shift_JIS ended by CR LF that
// names the background picture. Only its first line is read and compared
// byte for byte with the five known lines. A missing or empty file is
// replaced silently by one holding the green background. When the file cannot
// be written the green background is used, and the player is told once per run
// where the game tried to write, since the choice will not outlive the run.
// Which folder holds the file is the platform's choice (Ports::places).
#include <cstdint>
#include <string>
#include <vector>

#include "game/Form1.h"
#include "game/sjis.h"
#include "settings/background_table.h"

namespace zelkora {

namespace {

const BackgroundChoice& green() { return BACKGROUNDS[0]; }

// The bytes of a settings file holding `line`.
std::vector<std::uint8_t> fileBytes(const char* line) {
    const std::string bytes = toShiftJis(line) + "\r\n";
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

// The first line ends at the first carriage return (CR LF or a lone CR); a
// line feed alone belongs to the line.
std::string firstLine(const std::vector<std::uint8_t>& bytes) {
    std::string line;
    for (std::uint8_t b : bytes) {
        if (b == '\r') break;
        line.push_back(static_cast<char>(b));
    }
    return line;
}

std::string settingsPath(const Form1& form) { return pathIn(form.io.places.settingsFolder, SETTINGS_FILE); }

// The one box of a run about a settings file that could not be written.
void reportUnwritable(Form1& form, const std::string& path) {
    if (form.flags.settingsUnwritableShown) return;
    form.flags.settingsUnwritableShown = true;
    form.io.dialogs->message("設定ファイルに書き込めません。\r" + path +
                                 "\r背景画は緑を使い、選んだ背景画は次の起動まで残りません。",
                             "環境設定", Buttons::Ok, Icon::Warning);
}

}  // namespace

void Form1::読込_環境設定ファイル() {
    const std::string path = settingsPath(*this);
    std::vector<std::uint8_t> bytes;
    const bool readable = io.files->exists(path) && io.files->readAll(path, bytes) && !bytes.empty();
    if (readable) {
        const std::string line = firstLine(bytes);
        for (const BackgroundChoice& choice : BACKGROUNDS) {
            if (line == toShiftJis(choice.line)) {
                チェック設定(choice.code);
                描画_背景(choice.code);
                display.background = choice.code;
                break;
            }
        }
        return;
    }
    // No file, an empty one or one that cannot be read: replaced by the green
    // background. A folder that cannot be written leaves no file; the green
    // background is used all the same, and the player is told where.
    if (!io.files->writeAll(path, fileBytes(green().line))) reportUnwritable(*this, path);
    チェック設定(green().code);
    描画_背景(green().code);
    display.background = green().code;
}

void Form1::書込_環境設定ファイル() {
    std::vector<std::uint8_t> bytes;
    for (const BackgroundChoice& choice : BACKGROUNDS) {
        if (io.menu->isChecked(choice.item)) {
            bytes = fileBytes(choice.line);
            break;
        }
    }
    const std::string path = settingsPath(*this);
    if (io.files->writeAll(path, bytes)) return;
    // One more attempt with the green line, and the menu shows green. The
    // screen follows the menu: in a folder that cannot be written the game
    // plays on the green background rather than showing a choice the menu
    // and the next start would not know.
    io.files->writeAll(path, fileBytes(green().line));
    reportUnwritable(*this, path);
    チェック設定(green().code);
    display.background = green().code;
}

void Form1::チェック設定(int code) {
    for (const BackgroundChoice& choice : BACKGROUNDS) io.menu->setChecked(choice.item, false);
    for (const BackgroundChoice& choice : BACKGROUNDS)
        if (choice.code == code) io.menu->setChecked(choice.item, true);
}

}  // namespace zelkora
