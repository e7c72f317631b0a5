// Iterative-deepening alpha-beta search over the core's moves, with a
// transposition table, move ordering (table move, captures, killers, quiet
// moves that force a capture reply, history), an extension where the side to
// move has a single forced reply, and a forced-capture search at the horizon.
//
// A search is deterministic for a given node budget and draw: the table and
// the ordering data are cleared at the start of every search, so the same
// position, budget and draw always give the same move on any machine. The time
// limits are only a safety net: the cap counts the searching thread's CPU
// time, so a busy machine does not cut a search short, and a wall-clock stop at
// three times the cap (or its own limit) bounds the wait whatever happens. When
// a limit stops a search early the move of the last completed iteration is
// played.
//
// The strongest level lets an iteration cut short by the budget count: the
// first root move is the previous iteration's best, searched in full, so the
// best of the moves the deeper iteration finished is at least as well founded.
//
// Variety: with a margin, every root move of the last completed iteration whose
// exact score lies within the margin of the best is a candidate, and the draw
// picks one; a move the search proves lost is never a candidate while the best
// is not lost, and a proven win is always played as found.
#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

#include "engine/evaluate.h"
#include "engine/movegen.h"
#include "engine/position.h"

namespace zelkora::engine {

struct SearchLimits {
    std::uint64_t nodes = 1000000;   // budget: no new iteration, and stop, beyond it
    double seconds = 0.5;            // safety cap on the searching thread's CPU time
    double wallSeconds = 0;          // emergency stop on the wall clock; 0: three times `seconds`
    int maxDepth = 64;
    int margin = 0;                  // root moves this close to the best may be played; 0: the best
    std::uint64_t draw = 0;          // picks one of them
    bool extendChains = true;        // single-reply extension and forcing quiet moves first
    int tableBits = 18;              // the transposition table holds 2^tableBits entries
    // An iteration the budget cuts short still counts: the best of the root
    // moves it finished is played (otherwise the last completed iteration's),
    // and iterations go on until the budget is spent.
    bool partialIterations = false;
    const std::atomic<bool>* stop = nullptr;   // set by another thread to end the search early
};

struct SearchResult {
    bool valid = false;   // false when the side to move has no move
    Move best;
    Score score = 0;      // for the side to move; beyond WIN_BOUND a forced result
    int depth = 0;        // last completed iteration
    std::uint64_t nodes = 0;
    double seconds = 0;       // wall clock
    double cpuSeconds = 0;    // the searching thread's CPU time
    bool stoppedByClock = false;   // a time limit or the stop flag ended it
    int candidates = 0;       // root moves the draw chose from (1: the best alone)
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

    struct RootMove {
        std::uint32_t move;
        int score;   // exact, or NOT_EXACT when only a bound is known
    };
    static constexpr int NOT_EXACT = -2 * 30000 - 2;

    // Deepest ply of any node: the main search hands over to the capture
    // search there, and the capture search stops there.
    static constexpr int MAX_PLY = 120;

    Score negamax(Position& p, int depth, Score alpha, Score beta, int ply);
    bool probeTable(const Position& p, int depth, Score alpha, Score beta, int ply, std::uint32_t& ttMove,
                    Score& score) const;
    void store(const Position& p, int depth, Score best, Score alpha0, Score beta, std::uint32_t bestMove, int ply);
    void noteCutoff(const Move& m, const Undo& u, int mover, int depth, int ply);
    Score scoreChild(Position& p, int i, int next, Score alpha, Score alpha0, Score beta, int ply, bool& exact);
    int childDepth(const Position& p, const MoveList& list, int depth, int ply) const;
    Move chooseAmongRoot(const Position& p, Move best, int bestScore, SearchResult& result) const;
    Score quiesce(Position& p, Score alpha, Score beta, int ply, int qdepth);
    void order(const Position& p, MoveList& list, std::uint32_t ttMove, int ply);
    void pick(MoveList& list, int i, int ply);
    bool outOfBudget();

    const Entry& slot(std::uint64_t key) const { return table_[key & tableMask_]; }
    Entry& slot(std::uint64_t key) { return table_[key & tableMask_]; }
    void finishIteration(const Position& p, SearchResult& result, int depth, int score);
    void usePartialIteration(SearchResult& result);

    std::vector<Entry> table_;
    std::uint64_t tableMask_ = 0;
    std::uint32_t killers_[MAX_PLY][2];
    int keys_[MAX_PLY][MoveList::CAPACITY];
    std::int32_t history_[2][121][121];
    std::uint64_t nodes_ = 0;
    std::uint64_t budget_ = 0;
    std::uint64_t nextClockCheck_ = 0;
    double cpuDeadline_ = 0, wallDeadline_ = 0;
    const std::atomic<bool>* stop_ = nullptr;
    int margin_ = 0;
    std::uint64_t draw_ = 0;
    bool extendChains_ = true;
    int rootDepth_ = 0;
    std::vector<RootMove> root_;        // the root moves of the iteration under way
    std::vector<RootMove> rootDone_;    // those of the last completed iteration
    bool stopped_ = false;
    bool clockStopped_ = false;
};

}  // namespace zelkora::engine
