// zelkora-cli kif FILE: a ".棋譜" record as KIF (UTF-8) on standard output,
// for checking the export against other programs' readers.
//
// The text is what "KIF書出" writes for the same game, except that the record
// file keeps no date, so there is no 開始日時 line. Line 2 of the record names
// the upper side's player, line 3 the lower side's. The record does not say
// whether it was a game against the computer; a final lower move that mates
// the upper king is written as that game's end. A record with an entry "進"
// would refuse prints "error: <reason>" and ends with status 1.
#include <ostream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/record_file.h"
#include "game/sfen.h"
#include "records/kif_format.h"
#include "records/record_format.h"
#include "records/replay_steps.h"

namespace zelkora::cli {

namespace {

// Whether every entry can be stepped from the starting position; names the
// first one that cannot.
bool playable(const std::vector<MoveRecord>& moves, std::string& error) {
    Position p = startingPosition();
    const ReplayStop stop = replay(p.board, p.hands, moves);
    if (stop.entry != 0) error = faultReason(stop.fault, stop.entry);
    return stop.entry == 0;
}

}  // namespace

int kifCommand(const Args& args, std::istream&, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) {
        err << "usage: zelkora-cli kif FILE\n";
        return 2;
    }
    LoadedRecord record;
    std::string error;
    if (!readRecordFile(args[0], record, error)) {
        out << "error: " << error << "\n";
        return 1;
    }
    if (!playable(record.moves, error)) {
        out << "error: " << error << "\n";
        return 1;
    }
    KifGame game;
    game.title = record.header[0];
    game.upperName = record.header[1];
    game.lowerName = record.header[2];
    game.moves = record.moves;
    game.upperMated = upperMatedAfter(game.moves);
    const std::vector<std::uint8_t> text = encodeKif(game, KifEncoding::Utf8);
    out.write(reinterpret_cast<const char*>(text.data()), static_cast<std::streamsize>(text.size()));
    out.flush();
    return 0;
}

}  // namespace zelkora::cli
