// The settings file "Zelkora.ini": lines in Shift_JIS ended by CR LF.
//  - The first line names the background picture and is compared byte for
//    byte with the five known lines.
//  - Each other option has a line of its own, written only when it is not the
//    default and recognised by its text wherever it stands after the first:
//    the window's enlargement ("表示倍率=150"), the language ("言語=English"),
//    the piece set ("駒=初心者用"), the computer's level ("レベル=5"), music
//    turned off ("BGM=切") and speech turned on ("読み上げ=入"). A player who
//    keeps every default has a one-line file. The level, the music and speech
//    are read once, at the first start-up, and kept for the run.
// A missing or empty file is replaced silently by one holding the green
// background. A file that is there but cannot be read, or is larger than any
// settings file, is never written over at start-up: the defaults hold for the
// run, one box names the file and why, and the file is written only when the
// player changes an option. When the file cannot be written the green
// background is used, and the player is told once per run where the game
// tried to write, since the choice will not outlive the run. Which folder
// holds the file is the platform's choice (Ports::places).
#include <cstdint>
#include <string>
#include <vector>

#include "computer/engine_bridge.h"
#include "game/Form1.h"
#include "game/sjis.h"
#include "settings/background_table.h"
#include "settings/enlargement_table.h"
#include "settings/language_table.h"

namespace zelkora {

namespace {

// The file holds at most six short lines; anything far larger is not this
// game's file and is treated like an unreadable one.
constexpr std::size_t SETTINGS_LIMIT = 4096;

const BackgroundChoice& green() { return BACKGROUNDS[0]; }

// The level line and the line of music turned off.
std::string levelLine(int level) { return "レベル=" + std::to_string(level); }
constexpr const char* MUSIC_OFF_LINE = "BGM=切";
constexpr const char* SPEECH_ON_LINE = "読み上げ=入";

// The bytes of a settings file holding the background `line` and, when the
// window is enlarged or the language, the pieces, the level or the music are
// not the defaults, a line for each of them.
std::vector<std::uint8_t> fileBytes(const char* line, int percent, const Form1& form) {
    const DisplayState& display = form.display;
    std::string bytes = toShiftJis(line) + "\r\n";
    for (const EnlargementChoice& choice : ENLARGEMENTS)
        if (choice.percent == percent && percent != NORMAL_SIZE) bytes += toShiftJis(choice.line) + "\r\n";
    for (const LanguageChoice& choice : LANGUAGES)
        if (choice.value == display.language && choice.line) bytes += toShiftJis(choice.line) + "\r\n";
    for (const PieceSetChoice& choice : PIECE_SETS)
        if (choice.value == display.pieces && choice.line) bytes += toShiftJis(choice.line) + "\r\n";
    if (form.flags.level != DEFAULT_LEVEL) bytes += toShiftJis(levelLine(form.flags.level)) + "\r\n";
    if (!form.flags.music) bytes += toShiftJis(MUSIC_OFF_LINE) + "\r\n";
    if (form.flags.speech) bytes += toShiftJis(SPEECH_ON_LINE) + "\r\n";
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

// Line `index` (0 the first): lines end at a carriage return (CR LF or a lone
// CR); a line feed alone belongs to the line, one right after a carriage
// return ends it.
std::string lineOf(const std::vector<std::uint8_t>& bytes, int index) {
    std::string line;
    std::size_t i = 0;
    for (int n = 0; n <= index; ++n) {
        line.clear();
        for (; i < bytes.size() && bytes[i] != '\r'; ++i) line.push_back(static_cast<char>(bytes[i]));
        if (i < bytes.size()) ++i;                        // the carriage return
        if (i < bytes.size() && bytes[i] == '\n') ++i;    // and its line feed
    }
    return line;
}

// The lines after the first hold at most these six choices.
constexpr int CHOICE_LINES = 6;

// What the lines after the first name; the defaults where no line names a choice.
struct LaterLines {
    int percent = NORMAL_SIZE;
    Language language = Language::Japanese;
    PieceSet pieces = PieceSet::Traditional;
    int level = DEFAULT_LEVEL;
    bool music = true;
    bool speech = false;
};

LaterLines laterLinesOf(const std::vector<std::uint8_t>& bytes) {
    LaterLines found;
    for (int index = 1; index <= CHOICE_LINES; ++index) {
        const std::string line = lineOf(bytes, index);
        for (const EnlargementChoice& choice : ENLARGEMENTS)
            if (line == toShiftJis(choice.line)) found.percent = choice.percent;
        for (const LanguageChoice& choice : LANGUAGES)
            if (choice.line && line == toShiftJis(choice.line)) found.language = choice.value;
        for (const PieceSetChoice& choice : PIECE_SETS)
            if (choice.line && line == toShiftJis(choice.line)) found.pieces = choice.value;
        for (int level = 1; level <= TOP_LEVEL; ++level)
            if (line == toShiftJis(levelLine(level))) found.level = level;
        if (line == toShiftJis(MUSIC_OFF_LINE)) found.music = false;
        if (line == toShiftJis(SPEECH_ON_LINE)) found.speech = true;
    }
    return found;
}

// The enlargement checked in the menu, read back like the background.
int checkedEnlargement(const Menu& menu) {
    for (const EnlargementChoice& choice : ENLARGEMENTS)
        if (menu.isChecked(choice.item)) return choice.percent;
    return NORMAL_SIZE;
}

std::string settingsPath(const Form1& form) { return pathIn(form.io.places.settingsFolder, SETTINGS_FILE); }

// The one box of a run about a settings file that could not be written.
void reportUnwritable(Form1& form, const std::string& path) {
    if (form.flags.settingsUnwritableShown) return;
    form.flags.settingsUnwritableShown = true;
    form.io.dialogs->message(form.文言(Text::SETTINGS_UNWRITABLE, {path}), form.文言(Text::TITLE_SETTINGS),
                             Buttons::Ok, Icon::Warning);
}

// What stands at the settings file's path.
enum class Found {
    Lines,     // a readable file holding bytes
    Nothing,   // no file, or an empty one: created anew with the defaults
    Refused,   // a file that cannot be read or is over the limit: never written over
};

Found readSettings(const Form1& form, std::vector<std::uint8_t>& bytes, ReadResult& result) {
    const std::string path = settingsPath(form);
    result = ReadResult::Ok;
    if (!form.io.files->exists(path)) return Found::Nothing;
    result = form.io.files->readAll(path, SETTINGS_LIMIT, bytes);
    if (result != ReadResult::Ok) return Found::Refused;
    return bytes.empty() ? Found::Nothing : Found::Lines;
}

// The one box of a run about a settings file that is there but is not read:
// it names the file and why, and says that nothing is written over it until
// the player changes an option.
void reportRefused(Form1& form, const std::string& path, ReadResult result) {
    if (form.flags.settingsRefusedShown) return;
    form.flags.settingsRefusedShown = true;
    const std::string why = result == ReadResult::TooLarge
                                ? form.文言(Text::SETTINGS_TOO_LARGE, {path, std::to_string(SETTINGS_LIMIT)})
                                : form.文言(Text::SETTINGS_UNREADABLE, {path});
    form.io.dialogs->message(why + form.文言(Text::SETTINGS_NOT_WRITTEN), form.文言(Text::TITLE_SETTINGS),
                             Buttons::Ok, Icon::Warning);
}

// The lines of a readable file, applied to menu and screen.
void applyLines(Form1& form, const std::vector<std::uint8_t>& bytes) {
    const std::string line = lineOf(bytes, 0);
    for (const BackgroundChoice& choice : BACKGROUNDS) {
        if (line == toShiftJis(choice.line)) {
            form.チェック設定(choice.code);
            form.描画_背景(choice.code);
            form.display.background = choice.code;
            break;
        }
    }
    const LaterLines later = laterLinesOf(bytes);
    form.表示倍率_設定(later.percent);
    form.言語_設定(later.language);
    form.駒_設定(later.pieces);
}

}  // namespace

void Form1::読込_環境設定ファイル() {
    const std::string path = settingsPath(*this);
    std::vector<std::uint8_t> bytes;
    ReadResult result = ReadResult::Ok;
    const Found found = readSettings(*this, bytes, result);
    if (found == Found::Lines) {
        applyLines(*this, bytes);
        return;
    }
    // No file or an empty one is replaced by the green background. A file
    // that is there but cannot be read, or is far too large, may be the
    // player's choices behind a passing fault, or not this game's file at
    // all: it is left as it is and the defaults hold for this run. A folder
    // that cannot be written leaves no file; the green background is used all
    // the same, and the player is told where.
    // The box speaks the language in force: the default at the first start-up.
    if (found == Found::Refused) reportRefused(*this, path, result);
    言語_設定(Language::Japanese);
    駒_設定(PieceSet::Traditional);
    if (found != Found::Refused && !io.files->writeAll(path, fileBytes(green().line, NORMAL_SIZE, *this), SETTINGS_LIMIT))
        reportUnwritable(*this, path);
    チェック設定(green().code);
    描画_背景(green().code);
    display.background = green().code;
    表示倍率_設定(NORMAL_SIZE);
}

void Form1::読込_起動時の選択() {
    std::vector<std::uint8_t> bytes;
    ReadResult result = ReadResult::Ok;
    if (readSettings(*this, bytes, result) != Found::Lines) return;
    const LaterLines later = laterLinesOf(bytes);
    display.language = later.language;
    flags.level = later.level;
    flags.music = later.music;
    flags.speech = later.speech;
}

void Form1::書込_環境設定ファイル() {
    // Without a background line there is no first line, and so no other.
    const int percent = checkedEnlargement(*io.menu);
    std::vector<std::uint8_t> bytes;
    for (const BackgroundChoice& choice : BACKGROUNDS) {
        if (io.menu->isChecked(choice.item)) {
            bytes = fileBytes(choice.line, percent, *this);
            break;
        }
    }
    const std::string path = settingsPath(*this);
    if (io.files->writeAll(path, bytes, SETTINGS_LIMIT)) return;
    // One more attempt with the green line, and the menu shows green. The
    // screen follows the menu: in a folder that cannot be written the game
    // plays on the green background rather than showing a choice the menu
    // and the next start would not know.
    io.files->writeAll(path, fileBytes(green().line, percent, *this), SETTINGS_LIMIT);
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
