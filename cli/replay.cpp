// zelkora-cli replay FILE: steps through a ".棋譜" record from the initial
// position and prints the SFEN after every entry.
//
// The record is read by the game's own reader and every entry goes through the
// same check and the same position change as "進" in the game, so a record
// that replays here replays there. The side field is always "b"; the move
// number field counts the entries applied. The first entry "進" would refuse
// prints "error: <reason>" and ends the replay with status 1.
#include <ostream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/null_ports.h"
#include "cli/positions.h"
#include "game/disk_files.h"
#include "game/sfen.h"
#include "records/record_format.h"
#include "records/replay_steps.h"

namespace zelkora::cli {

namespace {

// File line of entry n: the three header lines come first.
constexpr int HEADER_LINES = 3;

std::string faultReason(EntryFault fault, int n) {
    std::string reason = "entry " + std::to_string(n) + " (line " + std::to_string(n + HEADER_LINES) + "): ";
    return reason + (fault == EntryFault::EmptyHand ? "drop of a piece the hand does not hold"
                                                    : "square off the board");
}

}  // namespace

int replayCommand(const Args& args, std::istream&, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) {
        err << "usage: zelkora-cli replay FILE\n";
        return 2;
    }
    const std::string& path = args[0];
    std::vector<std::uint8_t> bytes;
    if (!DiskFiles().readAll(path, bytes)) {
        out << "error: cannot read " << path << "\nend\n";
        return 1;
    }
    const LoadedRecord record = readRecord(bytes);
    if (record.truncated)
        err << "zelkora-cli: " << path << " holds more than " << MoveList::MAX << " moves; the rest is not read\n";

    // The initial position as a new game sets it up.
    NullPorts ports;
    auto form = freshForm(ports);
    form->初期設定();

    int status = 0;
    int applied = 0;
    for (const MoveRecord& m : record.moves) {
        if (EntryFault fault = entryFault(m, form->hands); fault != EntryFault::None) {
            out << "error: " << faultReason(fault, applied + 1) << "\n";
            status = 1;
            break;
        }
        stepForward(form->board, form->hands, m);
        ++applied;
        out << formatSfen(form->board, form->hands, true, applied) << "\n";
    }
    out << "end\n";
    out.flush();
    return status;
}

}  // namespace zelkora::cli
