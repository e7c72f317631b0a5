// Fuzzes the ".棋譜" reader with arbitrary bytes and replays what it reads the
// way "進" and "戻" do. Any crash, sanitizer report or trap is a finding:
//  - the reader keeps at most MoveList::MAX entries and lists exactly the
//    entries that lie off the board;
//  - every entry read survives writing and reading again unchanged;
//  - stepping forward through the accepted entries writes only board squares
//    and never takes a hand below zero, and stepping all the way back empties
//    the hands again.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "game/sfen.h"
#include "records/record_format.h"
#include "records/replay_steps.h"

namespace {

using namespace zelkora;

void check(bool condition) {
    if (!condition) __builtin_trap();
}

bool sameEntry(const MoveRecord& a, const MoveRecord& b) {
    return a.fromX == b.fromX && a.fromY == b.fromY && a.toX == b.toX && a.toY == b.toY &&
           a.captured == b.captured && a.before == b.before && a.after == b.after;
}

bool borderEmpty(const Board& board) {
    for (int i = 0; i <= 9; ++i)
        if (board.at(0, i) != 0 || board.at(i, 0) != 0) return false;
    return true;
}

bool handsValid(const Hands& hands) {
    for (int k = 1; k <= 7; ++k)
        if (hands.lower[k] < 0 || hands.upper[k] < 0) return false;
    return hands.lowerTotal >= 0 && hands.upperTotal >= 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> bytes(data, data + size);
    const LoadedRecord record = readRecord(bytes);

    check(record.moves.size() <= static_cast<std::size_t>(MoveList::MAX));
    std::size_t offBoard = 0;
    for (const MoveRecord& m : record.moves) {
        offBoard += entryOnBoard(m) ? 0 : 1;
        check(sameEntry(parseMoveLine(formatMoveLine(m)), m));
    }
    check(offBoard == record.unusableLines.size());

    Position start;
    std::string error;
    check(parseSfen("lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b -", start, error));
    Board board = start.board;
    Hands hands = start.hands;
    std::size_t applied = 0;
    for (const MoveRecord& m : record.moves) {
        if (entryFault(m, board, hands) != EntryFault::None) break;
        stepForward(board, hands, m);
        ++applied;
        check(borderEmpty(board));
        check(handsValid(hands));
    }
    while (applied > 0) {
        stepBack(board, hands, record.moves[--applied]);
        check(borderEmpty(board));
        check(handsValid(hands));
    }
    check(hands.lowerTotal == 0 && hands.upperTotal == 0);
    return 0;
}
