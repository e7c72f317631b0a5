// The unfinished game as a small text file: what a record holds (the moves)
// and what it does not (mode, whose turn, level, handicap grade, the names
// typed, the position itself and whether help was used).
//
// The file is UTF-8 with LF line ends: a first line naming the format, then
// one "key value" line per field, then "moves N" and N move lines in the
// 17-column form of the ".棋譜" record (records/record_format.h). The position
// is stored whole rather than replayed from the start, because a game may
// start from a position changed by the handicap ladder or reached by stepping.
// The reader is strict: any line missing, out of order or out of range makes
// the whole file unreadable, so a torn or foreign file is never taken up.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/Form1.h"

namespace zelkora {

// The name of the file in the state folder.
inline constexpr const char* RESUME_FILE = "対局中.txt";
// Larger than any file the writer makes (500 moves and three long names).
inline constexpr std::size_t RESUME_MAX_BYTES = 64 * 1024;

struct ResumeState {
    int gameMode = MODE_COM;     // MODE_MAN or MODE_COM
    int lowerTag = SENTE, upperTag = GOTE;
    int toMove = SENTE;          // turn tag of the side to move next
    int level = 3;
    int handicapGrade = 0;
    int handicapFlag = 0;
    int reversed = 0;
    int moveNumber = 0;
    HelpUsed help;
    std::array<std::string, 3> names;   // game name, first player, second player
    Board board;
    Hands hands;
    Kings kings;
    std::vector<MoveRecord> moves;
};

std::vector<std::uint8_t> writeResume(const ResumeState& state);
// The state, or nothing when the bytes are not a whole file of this format.
std::optional<ResumeState> readResume(const std::vector<std::uint8_t>& bytes);

}  // namespace zelkora
