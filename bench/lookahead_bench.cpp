// The forced-capture look-ahead of one selected piece, as the window asks for
// it at every selection: every target of the piece and the chain each starts.
// It must stay far below a frame (10 ms) on the busiest selections: a rook in
// the middle of a crowded board and a drop with every square free.
#include <benchmark/benchmark.h>

#include "computer/engine_bridge.h"
#include "game/sfen.h"
#include "lookahead/forced_chain.h"

namespace {

struct Selected {
    const char* sfen;
    int x, y, dropKind;
};

constexpr Selected kSelections[] = {
    {"l2gk1snl/5g1+B1/p1nppp1pp/1pp3p2/4R4/2P3+n1+L/PP1PPP+p1P/1+r3+S3/LN1GKG1N1 b Bsp 1", 5, 5, 0},
    {"4k4/9/4g4/4p4/9/9/9/4L4/4K4 b G 1", 0, 0, 5},
};

void chainsOfSelection(benchmark::State& state) {
    const Selected& s = kSelections[state.range(0)];
    zelkora::Position p;
    std::string error;
    if (!zelkora::parseSfen(s.sfen, p, error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    const auto position = zelkora::toEngine(p.board, p.hands, !p.lowerToMove);
    for (auto _ : state)
        benchmark::DoNotOptimize(zelkora::lookahead::chainsOfPiece(position, s.x, s.y, s.dropKind, true));
}

}  // namespace

BENCHMARK(chainsOfSelection)->Name("LookAhead/selection")->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);
