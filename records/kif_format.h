// KIF, the text record format that most shogi programs read and write.
//
// The export keeps KIF's orientation equal to the screen's: the lower side is
// KIF's 先手 (▲, the bottom of a board diagram), the upper side its 後手, the
// file digit is 10 - column and the rank numeral the row. The move list always
// starts from the initial position (saving is refused after a handicap change
// or a reversal), so the header says "手合割：平手". When the upper side moved
// first the header adds a diagram of that position with "後手番", the way KIF
// states who moves first; each move keeps its own side.
//
// A move line reads "   1 ７六歩(77)   ( 0:00/00:00:00)": the number in four
// columns, the destination (full-width file digit, kanji rank) or "同　" on a
// recapture, the piece as it stood before the move, "成" for a promotion,
// then "(file rank)" of the origin in half-width digits or "打" for a drop;
// the text is padded to twelve display columns and the (unkept) time follows.
// A piece that could promote and did not is written without "不成".
//
// The end: this game is played to lose, so the final line is the one standard
// line whose winner agrees with this game's result, "反則勝ち" (the player to
// move after the last move wins), and a "*" comment says what happened. An
// unfinished game ends with "中断".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/Form1.h"

namespace zelkora {

struct KifGame {
    std::string started;             // 開始日時 "YYYY/MM/DD HH:MM:SS"; empty: no such line
    std::string title;               // 表題, the game's name; empty: no such line
    std::string lowerName;           // written as 先手
    std::string upperName;           // written as 後手
    std::vector<MoveRecord> moves;   // from the initial position, in order
    bool upperMated = false;         // the last move, the lower side's, mated the upper king
};

enum class KifEncoding { ShiftJis, Utf8 };

// The move as KIF writes it, without number or time ("７六歩(77)", "同　銀(31)",
// "４五角打", "２二角成(88)"). `previous` is the move before it, if any.
std::string kifMoveText(const MoveRecord& move, const MoveRecord* previous);

// The whole record as UTF-8 text, every line ended by CR LF.
std::string formatKif(const KifGame& game);

// The bytes of the file: Shift_JIS (code page 932) or UTF-8; the first line
// names the encoding.
std::vector<std::uint8_t> encodeKif(const KifGame& game, KifEncoding encoding);

// ".kifu" is UTF-8, anything else Shift_JIS (case of the extension ignored).
KifEncoding kifEncodingOf(const std::string& fileName);

// Whether the last of `moves`, played from the initial position, was a lower
// move that left the upper king mated (the end of a game against the computer).
bool upperMatedAfter(const std::vector<MoveRecord>& moves);

}  // namespace zelkora
