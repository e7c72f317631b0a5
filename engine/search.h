// Iterative-deepening alpha-beta search over the core's moves, with a
// transposition table, move ordering (table move, captures, killers, history)
// and a forced-capture extension at the horizon.
//
// A search is deterministic for a given node budget: the table and the
// ordering data are cleared at the start of every search, so the same position
// and budget always give the same move on any machine. The wall-clock limit is
// only a safety net; when it stops a search early the move of the last
// completed iteration is played.
#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

#include "engine/movegen.h"
#include "engine/position.h"

namespace zelkora::engine {

struct SearchLimits {
    std::uint64_t nodes = 1000000;   // budget: no new iteration, and stop, beyond it
    double seconds = 0.5;            // safety cap on the wall clock
    int maxDepth = 64;
    // Set from another thread to end the search early (the move of the last
    // completed iteration stands); nullptr: nobody stops it.
    const std::atomic<bool>* stop = nullptr;
};

struct SearchResult {
    bool valid = false;   // false when the side to move has no move
    Move best;
    int score = 0;        // for the side to move; beyond WIN_BOUND a forced result
    int depth = 0;        // last completed iteration
    std::uint64_t nodes = 0;
    double seconds = 0;
    bool stoppedByClock = false;
};

class Searcher {
public:
    Searcher();
    SearchResult search(Position& p, const SearchLimits& limits);

private:
    struct Entry {
        std::uint64_t key = 0;
        std::uint32_t move = 0;
        std::int16_t score = 0;
        std::int8_t depth = -1;
        std::uint8_t bound = 0;
    };
    static constexpr int TT_BITS = 18;

    int negamax(Position& p, int depth, int alpha, int beta, int ply);
    int quiesce(Position& p, int alpha, int beta, int ply, int qdepth);
    void order(const Position& p, MoveList& list, std::uint32_t ttMove, int ply);
    void pick(MoveList& list, int i, int ply);
    bool outOfBudget();

    std::vector<Entry> table_;
    std::uint32_t killers_[128][2];
    int keys_[128][1200];
    std::int32_t history_[2][121][121];
    std::uint64_t nodes_ = 0;
    std::uint64_t budget_ = 0;
    std::uint64_t nextClockCheck_ = 0;
    double deadline_ = 0;
    const std::atomic<bool>* stop_ = nullptr;
    bool stopped_ = false;
    bool clockStopped_ = false;
};

}  // namespace zelkora::engine
