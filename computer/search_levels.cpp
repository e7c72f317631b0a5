// LEVEL4 and LEVEL5: the computer's move chosen by the search core.
//
// The computer is the upper side. The core searches the position on the board
// with the level's node budget (and the half second as a safety cap) and the
// chosen move goes where the one-ply search leaves its choice, so com_ban plays
// and announces it the same way. The score is the search's score for the
// computer.
#include "computer/engine_bridge.h"

namespace zelkora {

void Form1::comEngineSearch() {
    engine::Position p = toEngine(board, hands, true);
    static thread_local engine::Searcher searcher;
    engine::SearchLimits limits = searchLimits(flags.level);
    limits.stop = thinking.stop.get();
    const engine::SearchResult r = searcher.search(p, limits);
    com.chosenValid = r.valid;
    com.chosen = r.valid ? toRecord(p, r.best) : MoveRecord{};
    com.bestScore = r.score;
}

}  // namespace zelkora
