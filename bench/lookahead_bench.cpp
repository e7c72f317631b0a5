// The forced-capture look-ahead of one selected piece, as the window asks for
// it at every selection: every target of the piece and the chain each starts.
// It must stay far below a frame (10 ms) on the busiest selections: a rook in
// the open, a drop with nearly every square free, and a chain to its end.
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
    // A rook alone in the middle of the board: sixteen quiet targets.
    {"4k4/9/9/9/4R4/9/9/9/4K4 b - 1", 5, 5, 0},
    // A gold dropped on a nearly empty board: seventy-nine targets.
    {"4k4/9/9/9/9/9/9/9/4K4 b G 1", 0, 0, 5},
    // The silver's lure whose chain ends with the king taken.
    {"4l3k/9/4g4/4p4/4SK3/9/9/9/9 b - 1", 5, 5, 0},
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

BENCHMARK(chainsOfSelection)->Name("LookAhead/selection")->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
