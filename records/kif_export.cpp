// The menu entry "KIF書出": the game on the board written as KIF through the
// record panel, like "書込".
//
// The panel's folder and file-name field choose the file: a name ending in
// ".kifu" is written in UTF-8, one ending in ".kif" in Shift_JIS, and any other
// name gets ".kif" added. Names Shift_JIS cannot hold are written only when the
// player agrees, since a ".kifu" file would keep them. A played game is written up to the move on the board
// (moves taken back are not part of it); a loaded record is written whole,
// however far it has been stepped. The names follow the rule of "書込": the
// lower side's player is the first player's field when the lower side moved
// first, else the second player's. The header's 開始日時 is the game's start
// and its 表題 the game name typed in the panel.
#include <algorithm>
#include <string>
#include <vector>

#include "game/Form1.h"
#include "game/sjis.h"
#include "records/kif_format.h"
#include "records/panel_save.h"

namespace zelkora {

namespace {

constexpr int FIELD_FILE = 1, FIELD_GAME = 2, FIELD_FIRST = 3, FIELD_SECOND = 4;

// Far above any KIF written here (the panel's fields hold at most 32,767
// characters each, the moves a few dozen bytes each): a larger file already
// under the chosen name is not one of the game's records.
constexpr std::size_t KIF_MAX_BYTES = 1 << 20;

bool endsWith(const std::string& text, const std::string& tail) {
    if (text.size() < tail.size()) return false;
    for (std::size_t i = 0; i < tail.size(); ++i) {
        char c = text[text.size() - tail.size() + i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != tail[i]) return false;
    }
    return true;
}

}  // namespace

void Form1::KIFU_KIF_Click() {
    // The same refusals and the same panel as "書込"; only the button differs.
    KIFU_WRITE_Click();
    display.kifPanel = flags.reversed == 0 && flags.handicapFlag == 0;
}

void Form1::書込_KIFファイル() {
    std::string fileName = io.panel->text(FIELD_FILE);
    if (fileName.empty()) {
        io.dialogs->message(文言(Text::NO_FILE_NAME), "  ");
        return;
    }
    // A game that has ended is written whole until the next game starts, like 書込.
    const int n = moves.finished > 0 ? moves.finished : flags.recordMode == 1 ? moves.replay : moves.count;
    if (n < 1) {
        io.dialogs->message(文言(Text::NOTHING_TO_SAVE), 文言(Text::TITLE_RECORD_SAVE));
        return;
    }

    KifGame game;
    game.started = gameInfo.started;
    game.title = io.panel->text(FIELD_GAME);
    const std::string first = io.panel->text(FIELD_FIRST), second = io.panel->text(FIELD_SECOND);
    gameInfo.firstName = first;
    gameInfo.secondName = second;
    const bool lowerMovedFirst = turn.lowerTag == SENTE;
    game.lowerName = lowerMovedFirst ? first : second;
    game.upperName = lowerMovedFirst ? second : first;
    game.moves.assign(moves.entry.begin() + 1, moves.entry.begin() + 1 + std::min(n, MoveList::MAX));
    // A mate ends only a game against the computer.
    game.upperMated = turn.gameMode != MODE_MAN && upperMatedAfter(game.moves);

    if (!endsWith(fileName, ".kif") && !endsWith(fileName, ".kifu")) fileName += ".kif";
    const KifEncoding encoding = kifEncodingOf(fileName);
    const bool loses = encoding == KifEncoding::ShiftJis && !fitsShiftJis(formatKif(game));
    if (!writePanelFile(*this, {fileName, encodeKif(game, encoding), KIF_MAX_BYTES, loses})) return;
    display.kifPanel = false;
    io.dialogs->message(文言(Text::KIF_WRITTEN), "  ");
}

}  // namespace zelkora
