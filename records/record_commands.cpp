// The menu "棋譜" ("読込", "書込"), the save and load panel's button and file
// list, and the menus that close the panel.
//
// Saving writes the whole record through the file port, which replaces the
// file only when the new one is complete; after a game has ended its moves are
// saved until the next game starts. Loading reads the whole file before
// anything is reset, so a record that cannot be read, is larger than any record
// can be, or is not a record at all leaves the game as it was.
// After loading, the board stands at the initial position with the record's
// moves waiting for "進" (move count 0, replay position = moves read).
#include <string>
#include <vector>

#include "game/Form1.h"
#include "game/sjis.h"
#include "records/panel_save.h"
#include "records/record_format.h"

namespace zelkora {

namespace {

// Panel fields.
constexpr int FIELD_FILE = 1, FIELD_GAME = 2, FIELD_FIRST = 3, FIELD_SECOND = 4;

const std::string EXTENSION = ".棋譜";

std::string unusableText(const Form1& f, const std::vector<int>& lines) {
    std::string text = f.文言(Text::UNUSABLE_MOVES, {std::to_string(lines.front())});
    if (lines.size() > 1) text += f.文言(Text::UNUSABLE_MOVES_MORE, {std::to_string(lines.size() - 1)});
    return text + f.文言(Text::UNUSABLE_MOVES_STOP);
}

}  // namespace

void Form1::KIFU_READ_Click() {
    描画_可視(true, true, true);
    描画_棋譜_IO(1);
}

void Form1::KIFU_WRITE_Click() {
    display.kifPanel = false;
    if (flags.reversed == 1) {
        io.dialogs->message(文言(Text::NO_WRITE_AFTER_REVERSE), 文言(Text::TITLE_RECORD_WRITE));
    } else if (flags.handicapFlag == 1) {
        io.dialogs->message(文言(Text::NO_WRITE_AFTER_HANDICAP), 文言(Text::TITLE_RECORD_WRITE));
    } else {
        描画_可視(true, true, false);
        描画_棋譜_IO(0);
        // The names typed at this game's last save are offered again.
        io.panel->setText(FIELD_FIRST, gameInfo.firstName);
        io.panel->setText(FIELD_SECOND, gameInfo.secondName);
    }
}

void Form1::Command1_Click() {
    if (display.kifPanel) {
        書込_KIFファイル();
        return;
    }
    const std::string fileName = io.panel->text(FIELD_FILE);
    if (fileName.empty()) {
        io.dialogs->message(文言(Text::NO_FILE_NAME), "  ");
        return;
    }
    // A game that has ended is saved whole until the next game starts.
    const int toSave = moves.finished > 0 ? moves.finished : moves.count;
    if (toSave < 1) {
        io.dialogs->message(文言(Text::NOTHING_TO_SAVE), 文言(Text::TITLE_RECORD_SAVE));
        return;
    }

    // Line 2 names the upper side's player, line 3 the lower side's.
    const std::string first = io.panel->text(FIELD_FIRST), second = io.panel->text(FIELD_SECOND);
    gameInfo.firstName = first;
    gameInfo.secondName = second;
    const bool lowerMovedFirst = turn.lowerTag == SENTE;
    const std::string& upperName = lowerMovedFirst ? second : first;
    const std::string& lowerName = lowerMovedFirst ? first : second;
    const std::vector<std::uint8_t> bytes =
        writeRecord(io.panel->text(FIELD_GAME), upperName, lowerName, moves, toSave);

    const bool loses = !fitsShiftJis(io.panel->text(FIELD_GAME) + first + second);
    if (!writePanelFile(*this, {fileName + EXTENSION, bytes, RECORD_MAX_BYTES, loses})) return;
    moves.unsaved = false;
    io.dialogs->message(文言(Text::RECORD_WRITTEN), "  ");
}

void Form1::File1_Click(const std::string& fileName) {
    const std::string path = io.panel->folder() + "/" + fileName;
    std::vector<std::uint8_t> bytes;
    switch (io.files->readAll(path, RECORD_MAX_BYTES, bytes)) {
    case ReadResult::Ok: break;
    case ReadResult::Unreadable:
        io.dialogs->message(文言(Text::RECORD_UNREADABLE, {path}), 文言(Text::TITLE_RECORD));
        return;
    case ReadResult::TooLarge:
        io.dialogs->message(文言(Text::RECORD_TOO_LARGE, {path}), 文言(Text::TITLE_RECORD_READ));
        return;
    }
    const LoadedRecord record = readRecord(bytes);
    if (!record.isRecord) {
        playSound(sounds.refusal);
        io.dialogs->message(文言(Text::NOT_A_RECORD), 文言(Text::TITLE_RECORD_READ));
        return;
    }
    if (!破棄確認(Text::OPEN_RECORD_QUESTION, Text::TITLE_RECORD_READ)) return;

    描画_可視(false, false, false);
    Form_Load();
    flags.recordMode = 1;

    描画_棋譜見出し({record.header[0], record.header[1], record.header[2]});

    const int n = static_cast<int>(record.moves.size());
    for (int i = 1; i <= n; ++i) moves.entry[i] = record.moves[i - 1];
    moves.count = 0;
    moves.moveNumber = 0;
    moves.replay = n;

    io.dialogs->message(文言(Text::RECORD_READ), 文言(Text::TITLE_RECORD));
    if (record.truncated)
        io.dialogs->message(
            文言(Text::RECORD_TOO_LONG, {std::to_string(MoveList::MAX), std::to_string(MoveList::MAX + 1)}),
            文言(Text::TITLE_RECORD));
    if (!record.unusableLines.empty()) io.dialogs->message(unusableText(*this, record.unusableLines), 文言(Text::TITLE_RECORD));
    io.dialogs->message(文言(Text::STEP_RECORD), 文言(Text::TITLE_RECORD));
}

void Form1::STOP_Click() {
    描画_可視(false, false, false);
    描画_棋譜_IO(1);
}

void Form1::OPTION_Click() {
    描画_可視(false, false, false);
    描画_棋譜_IO(1);
}

}  // namespace zelkora
