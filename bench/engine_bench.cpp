// The search core: nodes per second of the search, leaf nodes per second of a
// perft over its move generator, and the depth LEVEL5 reaches in half a second.
//
//   Engine/search/<phase>   one search of 2 million nodes, no clock; counters
//                           "nps" (nodes per second of the thread's CPU time,
//                           so other processes on the machine do not count),
//                           "nps_wall" and "depth" reached
//   Engine/perft/<phase>    perft 4 (promotions expanded, the last level
//                           counted from the move list); counter "leaves/s"
//   Engine/level5/<phase>   LEVEL5's search with only the half-second cap and
//                           no node budget; counter "depth" (completed plies),
//                           and the same with LEVEL5's own node budget
//                           ("budget_depth", "budget_cpu_ms": the time the
//                           player waits for, in the thread's CPU time)
//   Engine/level/<4|5|6>    each level's search with its own budget on the
//                           three phases: "cpu_ms" (mean), "nodes" (mean)
//   Engine/signature        the nodes and moves of LEVEL4's search on the
//                           three phases (tests/engine pins them): a changed
//                           "nodes" or "hash" means the search changed
// Phases: the initial position, a middle game and an endgame, the upper side
// (the computer) to move.
#include <benchmark/benchmark.h>

#include <ctime>

#include "computer/engine_bridge.h"
#include "engine/movegen.h"
#include "engine/search.h"
#include "game/sfen.h"

namespace {

using namespace zelkora;

const char* const PHASES[3][2] = {
    {"opening", BENCH_POSITIONS[0]},
    {"middle", BENCH_POSITIONS[1]},
    {"endgame", BENCH_POSITIONS[2]},
};

double threadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

engine::Position phase(int i) {
    zelkora::Position parsed;
    std::string error;
    parseSfen(PHASES[i][1], parsed, error);
    return toEngine(parsed.board, parsed.hands, !parsed.lowerToMove);
}

void searchNps(benchmark::State& state) {
    engine::Position p = phase(static_cast<int>(state.range(0)));
    engine::Searcher searcher;
    engine::SearchLimits limits;
    limits.nodes = 2000000;
    limits.seconds = 1e9;
    std::uint64_t nodes = 0;
    double seconds = 0, cpu = 0;
    int depth = 0;
    for (auto _ : state) {
        const double start = threadSeconds();
        const engine::SearchResult r = searcher.search(p, limits);
        cpu += threadSeconds() - start;
        nodes += r.nodes;
        seconds += r.seconds;
        depth = r.depth;
    }
    state.counters["nps"] = static_cast<double>(nodes) / cpu;
    state.counters["nps_wall"] = static_cast<double>(nodes) / seconds;
    state.counters["depth"] = depth;
    state.SetLabel(PHASES[state.range(0)][0]);
}

void perftLeaves(benchmark::State& state) {
    engine::Position p = phase(static_cast<int>(state.range(0)));
    std::uint64_t leaves = 0;
    double cpu = 0;
    for (auto _ : state) {
        const double start = threadSeconds();
        leaves += engine::perft(p, 4);
        cpu += threadSeconds() - start;
    }
    state.counters["leaves"] = static_cast<double>(leaves);
    state.counters["leaves/s"] = static_cast<double>(leaves) / cpu;
    state.SetLabel(PHASES[state.range(0)][0]);
}

void level5Depth(benchmark::State& state) {
    engine::Position p = phase(static_cast<int>(state.range(0)));
    engine::Searcher searcher;
    engine::SearchLimits clockOnly = searchLimits(5);
    clockOnly.nodes = ~std::uint64_t(0);
    int depth = 0, budgetDepth = 0;
    double budgetSeconds = 0;
    for (auto _ : state) {
        depth = searcher.search(p, clockOnly).depth;
        const engine::SearchResult r = searcher.search(p, searchLimits(5));
        budgetDepth = r.depth;
        budgetSeconds = r.cpuSeconds;
    }
    state.counters["depth"] = depth;
    state.counters["budget_depth"] = budgetDepth;
    state.counters["budget_cpu_ms"] = budgetSeconds * 1000;
    state.SetLabel(PHASES[state.range(0)][0]);
}

void levelTime(benchmark::State& state) {
    engine::Searcher searcher;
    double cpu = 0, nodes = 0;
    for (auto _ : state)
        for (int i = 0; i < 3; ++i) {
            engine::Position p = phase(i);
            engine::SearchLimits limits = searchLimits(static_cast<int>(state.range(0)));
            limits.seconds = limits.wallSeconds = 1e9;
            const engine::SearchResult r = searcher.search(p, limits);
            cpu += r.cpuSeconds / 3;
            nodes += static_cast<double>(r.nodes) / 3;
        }
    state.counters["cpu_ms"] = 1000 * cpu / static_cast<double>(state.iterations());
    state.counters["nodes"] = nodes / static_cast<double>(state.iterations());
}

void signature(benchmark::State& state) {
    SearchSignature s;
    for (auto _ : state) s = searchSignature();
    state.counters["nodes"] = static_cast<double>(s.nodes);
    state.counters["hash"] = static_cast<double>(s.hash % 1000000007);
}

BENCHMARK(searchNps)->Name("Engine/search")->DenseRange(0, 2)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(perftLeaves)->Name("Engine/perft")->DenseRange(0, 2)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(level5Depth)->Name("Engine/level5")->DenseRange(0, 2)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(levelTime)->Name("Engine/level")->DenseRange(4, 6)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(signature)->Name("Engine/signature")->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
