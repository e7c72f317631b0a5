// LEVEL4 to LEVEL6: the computer's move chosen by the search core.
//
// The computer is the upper side. The core searches the position on the board
// with the level's node budget (and its time caps as a safety net) and the
// chosen move goes where the one-ply search leaves its choice, so com_ban plays
// and announces it the same way. The score is the search's score for the
// computer. Among the moves the search finds nearly as good as the best, the
// game's seed and the number of moves played choose (none for ヒント, which
// wants the best).
#include <cstring>

#include "computer/engine_bridge.h"

namespace zelkora {

void Form1::comEngineSearch() {
    engine::Position p = toEngine(board, hands, true);
    static thread_local engine::Searcher searcher;
    engine::SearchLimits limits = gameSearchLimits(flags.level, com.seed, moves.count, com.bestOnly);
    limits.stop = thinking.stop.get();
    const engine::SearchResult r = searcher.search(p, limits);
    com.chosenValid = r.valid;
    com.chosen = r.valid ? toRecord(p, r.best) : MoveRecord{};
    com.bestScore = r.score;
}

void Form1::comSeedFromClock() {
    const double now = io.clock->seconds();
    std::uint64_t bits = 0;
    std::memcpy(&bits, &now, sizeof bits);
    com.seed = moveDraw(bits, 0);
}

}  // namespace zelkora
