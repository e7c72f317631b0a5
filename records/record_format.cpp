#include "records/record_format.h"

#include <algorithm>

#include "game/sjis.h"

namespace zelkora {

namespace {

// Right-aligns a number in `width` columns. A text as long as the field, or
// longer, gets no blank.
std::string padded(int value, std::size_t width) {
    std::string text = std::to_string(value);
    if (text.size() >= width) return text;
    return std::string(width - text.size(), ' ') + text;
}

void appendLine(std::vector<std::uint8_t>& out, const std::string& bytes) {
    out.insert(out.end(), bytes.begin(), bytes.end());
    out.push_back('\r');
    out.push_back('\n');
}

// The first `max` bytes of a Shift_JIS text, never half a character.
std::string clipped(const std::string& sjis, std::size_t max) {
    std::size_t end = 0;
    while (end < sjis.size()) {
        const auto lead = static_cast<unsigned char>(sjis[end]);
        const std::size_t width = (lead >= 0x81 && lead <= 0x9f) || (lead >= 0xe0 && lead <= 0xfc) ? 2 : 1;
        if (end + width > max) break;
        end += width;
    }
    return sjis.substr(0, std::min(end, sjis.size()));
}

std::string oneLine(std::string text) {
    for (char& c : text)
        if (c == '\r' || c == '\n') c = ' ';
    return text;
}

// Mid$ of the line: `width` characters from column `start` (1-based), shorter
// or empty where the line ends.
std::string columns(const std::string& line, std::size_t start, std::size_t width) {
    if (line.size() < start) return {};
    return line.substr(start - 1, width);
}

bool onBoard(int v) { return v >= 1 && v <= BOARD_SIZE; }

}  // namespace

std::string formatMoveLine(const MoveRecord& m) {
    // Only the two- and four-column fields are padded; the one-column fields
    // are written as they are.
    return padded(m.fromX, 2) + std::to_string(m.fromY) + std::to_string(m.toX) + std::to_string(m.toY) +
           padded(m.after, 4) + padded(m.before, 4) + padded(m.captured, 4);
}

std::vector<std::uint8_t> writeRecord(const std::string& gameName, const std::string& upperName,
                                      const std::string& lowerName, const MoveList& moves, int count) {
    std::vector<std::uint8_t> out;
    for (const std::string* header : {&gameName, &upperName, &lowerName})
        appendLine(out, clipped(toShiftJis(oneLine(*header)), RECORD_HEADER_MAX));
    if (count > MoveList::MAX) count = MoveList::MAX;
    for (int n = 1; n <= count; ++n) appendLine(out, formatMoveLine(moves.entry[n]));
    return out;
}

int RecordReader::読込_棋譜ファイル(std::string& line) {
    if (pos_ >= bytes_.size()) return NO;
    std::size_t end = pos_;
    while (end < bytes_.size() && bytes_[end] != '\r' && bytes_[end] != '\n') ++end;
    line.assign(bytes_.begin() + static_cast<std::ptrdiff_t>(pos_), bytes_.begin() + static_cast<std::ptrdiff_t>(end));
    pos_ = end;
    if (pos_ < bytes_.size() && bytes_[pos_] == '\r') {
        ++pos_;
        if (pos_ < bytes_.size() && bytes_[pos_] == '\n') ++pos_;
    } else if (pos_ < bytes_.size()) {
        ++pos_;   // a lone LF
    }
    ++lines_;
    return YES;
}

int lenientNumber(const std::string& field) {
    std::size_t i = 0;
    while (i < field.size() && field[i] == ' ') ++i;
    bool negative = false;
    if (i < field.size() && field[i] == '-') {
        negative = true;
        ++i;
    }
    long value = 0;
    // Fields are at most four columns wide, but the conversion stays bounded
    // for any text it is given.
    for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i) {
        value = value * 10 + (field[i] - '0');
        if (value > 99999999) break;
    }
    return static_cast<int>(negative ? -value : value);
}

MoveRecord parseMoveLine(const std::string& line) {
    MoveRecord m;
    m.fromX = lenientNumber(columns(line, 1, 2));
    m.fromY = lenientNumber(columns(line, 3, 1));
    m.toX = lenientNumber(columns(line, 4, 1));
    m.toY = lenientNumber(columns(line, 5, 1));
    m.after = lenientNumber(columns(line, 6, 4));
    m.before = lenientNumber(columns(line, 10, 4));
    m.captured = lenientNumber(columns(line, 14, 4));
    return m;
}

bool entryOnBoard(const MoveRecord& m) {
    if (!onBoard(m.toX) || !onBoard(m.toY)) return false;
    if (onBoard(m.fromX)) return onBoard(m.fromY);
    if (m.fromX != LOWER_HAND_X && m.fromX != UPPER_HAND_X) return false;
    return (isLower(m.after) || isUpper(m.after)) && handKind(m.after) != 0;
}

LoadedRecord readRecord(const std::vector<std::uint8_t>& bytes) {
    LoadedRecord record;
    RecordReader reader(bytes);
    std::string line;
    for (std::string& header : record.header) {
        reader.読込_棋譜ファイル(line);
        header = fromShiftJis(clipped(line, RECORD_HEADER_MAX));
    }
    while (reader.読込_棋譜ファイル(line)) {
        if (record.moves.size() >= static_cast<std::size_t>(MoveList::MAX)) {
            record.truncated = true;
            break;
        }
        MoveRecord m = parseMoveLine(line);
        if (entryOnBoard(m)) record.isRecord = true;
        else record.unusableLines.push_back(reader.linesRead());
        record.moves.push_back(m);
    }
    return record;
}

}  // namespace zelkora
