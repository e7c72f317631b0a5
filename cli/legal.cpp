// legal: the moves the search core allows the side to move.
//
//   zelkora-cli legal < positions
//
// One line per move in the format and order of `moves` ("fx fy tx ty piece";
// board moves by source then target in scan order, then drops by kind and
// target, a drop reading fx 11 for the lower hand, -1 for the upper, and fy the
// kind index), then "end". Compulsory capture is applied as the game applies it
// to the side to move; a move that may promote is one line.
#include <ostream>

#include "cli/commands.h"
#include "cli/positions.h"
#include "computer/engine_bridge.h"
#include "engine/movegen.h"

namespace zelkora::cli {

namespace {

void listLegal(Form1& form, std::string& text) {
    const engine::Position p = toEngine(form.board, form.hands, form.turn.sideToMove == form.turn.upperTag);
    engine::MoveList list;
    engine::generate(p, list, false);
    engine::sortInScanOrder(list);
    for (int i = 0; i < list.n; ++i) {
        const MoveRecord r = toRecord(p, list.m[i]);
        for (int v : {r.fromX, r.fromY, r.toX, r.toY}) {
            appendInt(text, v);
            text += ' ';
        }
        appendInt(text, r.before);
        text += '\n';
    }
    text += "end\n";
}

}  // namespace

int legalCommand(const Args& args, std::istream& in, std::ostream& out, std::ostream& err) {
    if (!args.empty()) {
        err << "zelkora-cli legal takes no arguments\n";
        return 2;
    }
    return forEachPosition(in, out, listLegal);
}

}  // namespace zelkora::cli
