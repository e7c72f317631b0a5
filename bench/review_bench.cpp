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
#include "review/sample_game.h"

namespace zelkora {
namespace {

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
    for (const char* line : SAMPLE_GAME) moves.push_back(parseMoveLine(line));
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
