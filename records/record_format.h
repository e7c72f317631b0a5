// The ".棋譜" game-record file: writer and lenient reader.
//
// A record is three header lines (game name, the upper side's player, the lower
// side's player) followed by one 17-column line per move, every line ended by
// CR LF, the text in Shift_JIS (code page 932). A move line holds, by columns:
//   1-2 from x, 3 from y, 4 to x, 5 to y, 6-9 piece after, 10-13 piece before,
//   14-17 captured,
// numbers right-aligned with blanks on the left.
//
// The reader never fails: it takes the fields back by their columns with a
// lenient conversion (text that is not a number reads as 0), keeps at most
// MoveList::MAX entries, and notes which entries cannot be stepped through
// because a field lies off the board. Whether a drop finds its piece in hand
// depends on the position, so that is decided when the entry is applied
// (records/replay_steps.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "game/Form1.h"

namespace zelkora {

// ---- Size ----

// The longest header line the writer writes and the reader keeps, in bytes
// of Shift_JIS (a longer one is cut at a character boundary).
constexpr std::size_t RECORD_HEADER_MAX = 1024;
constexpr std::size_t RECORD_MOVE_LINE = 17;
// The largest record file there can be: three header lines and
// MoveList::MAX move lines, every line with its CR LF. A larger file is
// refused before it is read.
constexpr std::size_t RECORD_MAX_BYTES =
    3 * (RECORD_HEADER_MAX + 2) + static_cast<std::size_t>(MoveList::MAX) * (RECORD_MOVE_LINE + 2);

// ---- Writer ----

// The 17-column line of one move (ASCII, without the line end).
std::string formatMoveLine(const MoveRecord& move);

// The whole file: the three header lines (UTF-8, converted to Shift_JIS, cut
// to RECORD_HEADER_MAX bytes) and entries 1..count of `moves`, CR LF after
// every line. Line breaks inside a header text would split the file's lines,
// so they are written as blanks.
std::vector<std::uint8_t> writeRecord(const std::string& gameName, const std::string& upperName,
                                      const std::string& lowerName, const MoveList& moves, int count);

// ---- Reader ----

// Reads the lines of a record file one by one. A line ends at CR LF, at a
// lone LF or at a lone CR; a last line without an end still counts, and an
// empty file has no lines.
class RecordReader {
public:
    explicit RecordReader(const std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}
    // Reads the next line (raw bytes) into `line` and answers 1; answers 0 at
    // the end of the file and leaves `line` as it was.
    int 読込_棋譜ファイル(std::string& line);
    int linesRead() const { return lines_; }

private:
    const std::vector<std::uint8_t>& bytes_;
    std::size_t pos_ = 0;
    int lines_ = 0;
};

// Lenient number: leading blanks skipped, an optional minus sign, then digits
// up to the first non-digit; anything else (an empty field included) is 0.
int lenientNumber(const std::string& field);

// The seven fields of one move line, taken by columns; missing columns read 0.
MoveRecord parseMoveLine(const std::string& line);

// Whether an entry's fields can be applied without leaving the board: the
// target is a board square, a board move starts on a board square, and a drop
// comes from a hand column (11 or -1) with a piece that a hand can hold.
bool entryOnBoard(const MoveRecord& move);

struct LoadedRecord {
    // Whether the bytes are a record at all: a fourth line at least, and among
    // the lines from the fourth on one move line that lies on the board. A
    // picture renamed to ".棋譜" or a header without moves is not.
    bool isRecord = false;
    // The three header lines as the game draws them (UTF-8), each at most
    // RECORD_HEADER_MAX bytes of the file. A file shorter than three lines
    // repeats the last line read (empty before the first).
    std::string header[3];
    std::vector<MoveRecord> moves;     // at most MoveList::MAX entries
    bool truncated = false;            // the file held more move lines than that
    std::vector<int> unusableLines;    // file line numbers of entries off the board
};

LoadedRecord readRecord(const std::vector<std::uint8_t>& bytes);

}  // namespace zelkora
