// The review of a 40-move game: the time until the window's first points
// stand (the sketch of every position), until the first move is searched at
// LEVEL5's budget (positions 0 and 1), and the whole game.
#include <benchmark/benchmark.h>

#include <functional>
#include <string>
#include <vector>

#include "game/null_ports.h"
#include "cli/positions.h"
#include "records/record_format.h"
#include "review/review_run.h"

namespace zelkora {
namespace {

// The first forty moves of a game between LEVEL1 (lower) and LEVEL2 (upper).
const char* const GAME[] = {
    " 9998 -20 -20   0",
    " 1112  20  20   0",
    " 9796 -10 -10   0",
    " 1314  10  10   0",
    " 9897 -20 -20   0",
    " 1213  20  20   0",
    " 9695 -10 -10   0",
    " 1415  10  10   0",
    " 9796 -20 -20   0",
    " 1314  20  20   0",
    " 9594 -10 -10   0",
    " 9394  10  10 -10",
    " 9694 -20 -20  10",
    " 9194  20  20 -20",
    " 8997 -30 -30   0",
    " 9497  21  20 -30",
    " 8898-900-900   0",
    " 9798  21  21-900",
    " 8786 -10 -10   0",
    " 1516  10  10   0",
    " 1716 -10 -10  10",
    " 1416  20  20 -10",
    " 1916 -20 -20  20",
    " 2113  30  30   0",
    " 1613 -21 -20  30",
    " 2212 900 900   0",
    " 1312 -21 -21 900",
    " 2324  10  10   0",
    " 8685 -10 -10   0",
    " 2425  10  10   0",
    " 8584 -10 -10   0",
    " 8384  10  10 -10",
    " 7988-100-100   0",
    " 9888  21  21-100",
    " 7776 -10 -10   0",
    " 2526  10  10   0",
    " 2726 -10 -10  10",
    " 3122 100 100   0",
    " 1222 -21 -21 100",
    " 3334  10  10   0"
};

// Answers at once on the caller's thread, as the command-line tool runs.
class AtOnce : public Worker {
public:
    void run(std::function<void()> job, std::function<void()> done) override {
        job();
        done();
    }
    void after(double, std::function<void()> done) override { done(); }
};

std::vector<GamePosition> positionsOfGame(std::vector<MoveRecord>& moves) {
    NullPorts ports;
    auto form = cli::freshForm(ports);
    form->初期設定();
    for (const char* line : GAME) moves.push_back(parseMoveLine(line));
    return gamePositions(form->board, form->hands, moves);
}

void reviewUntil(benchmark::State& state, int lastPosition) {
    std::vector<MoveRecord> moves;
    const std::vector<GamePosition> positions = positionsOfGame(moves);
    AtOnce worker;
    for (auto _ : state) {
        ReviewRun run(worker, positions, moves);
        // -1: ends once the sketch stands.
        run.onSketched = [&] {
            if (lastPosition < 0) run.cancel();
        };
        run.onSearched = [&](int position) {
            if (position == lastPosition) run.cancel();
        };
        run.start();
        benchmark::DoNotOptimize(run.evalAfter(1));
    }
}

void BM_ReviewSketch(benchmark::State& state) { reviewUntil(state, -1); }
void BM_ReviewFirstPoint(benchmark::State& state) { reviewUntil(state, 1); }
void BM_ReviewFortyMoves(benchmark::State& state) { reviewUntil(state, 40); }

BENCHMARK(BM_ReviewSketch)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReviewFirstPoint)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReviewFortyMoves)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

}  // namespace
}  // namespace zelkora
