// zelkora-cli replay FILE: steps through a ".棋譜" record from the initial
// position and prints the SFEN after every entry.
//
// The record is read by the game's own reader and every entry goes through the
// same check and the same position change as "進" in the game, so a record
// that replays here replays there. The side field is always "b"; the move
// number field counts the entries applied. The first entry "進" would refuse
// prints "error: <reason>" and ends the replay with status 1; so does a file
// that cannot be read, is larger than a record can be, or is no record at all.
#include <ostream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "game/null_ports.h"
#include "cli/positions.h"
#include "cli/record_file.h"
#include "game/sfen.h"
#include "records/record_format.h"
#include "records/replay_steps.h"

namespace zelkora::cli {

int replayCommand(const Args& args, std::istream&, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) {
        err << "usage: zelkora-cli replay FILE\n";
        return 2;
    }
    const std::string& path = args[0];
    LoadedRecord record;
    std::string refusal;
    if (!readRecordFile(path, record, refusal)) {
        out << "error: " << refusal << "\nend\n";
        return 1;
    }
    if (record.truncated)
        err << "zelkora-cli: " << path << " holds more than " << MoveList::MAX << " moves; the rest is not read\n";

    // The initial position as a new game sets it up.
    NullPorts ports;
    auto form = freshForm(ports);
    form->初期設定();

    const ReplayStop stop = replay(form->board, form->hands, record.moves, [&](int applied) {
        out << formatSfen(form->board, form->hands, true, applied) << "\n";
    });
    const int status = stop.entry == 0 ? 0 : 1;
    if (status != 0) out << "error: " << faultReason(stop.fault, stop.entry) << "\n";
    out << "end\n";
    out.flush();
    return status;
}

}  // namespace zelkora::cli
