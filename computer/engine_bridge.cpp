#include "computer/engine_bridge.h"

#include <string>

#include "game/sfen.h"

namespace zelkora {

namespace {

// Node budgets, measured in CPU time of one core of the reference machine:
// LEVEL5 about 0.4 s of the half second the player waits (a search stops at
// its budget, and starts no iteration past half of it); LEVEL6 about 3 s, all
// of it searched, since its last iteration counts even when cut short;
// LEVEL4 a fifth of LEVEL5.
constexpr std::uint64_t LEVEL4_NODES = 220000;
constexpr std::uint64_t LEVEL5_NODES = 1100000;
constexpr std::uint64_t LEVEL6_NODES = 7000000;
constexpr std::uint64_t FORMER_LEVEL5_NODES = 500000;
constexpr double HALF_SECOND = 0.5;
// LEVEL6 asks the player to wait: at most five seconds on the wall clock.
constexpr double LEVEL6_SECONDS = 5;
// LEVEL6's table: 2M entries (32 MB) for its 7M nodes; the others keep the
// 256k entries their recorded answers were found with.
constexpr int LEVEL6_TABLE_BITS = 21;

}  // namespace

engine::SearchLimits searchLimits(int level) {
    engine::SearchLimits limits;
    limits.seconds = HALF_SECOND;
    limits.margin = VARIETY_MARGIN;
    switch (level) {
    case FORMER_LEVEL5:
        limits.nodes = FORMER_LEVEL5_NODES;
        limits.margin = 0;
        limits.extendChains = false;
        break;
    case 4: limits.nodes = LEVEL4_NODES; break;
    case 5: limits.nodes = LEVEL5_NODES; break;
    default:
        limits.nodes = LEVEL6_NODES;
        limits.seconds = LEVEL6_SECONDS;
        limits.wallSeconds = LEVEL6_SECONDS;
        limits.tableBits = LEVEL6_TABLE_BITS;
        limits.partialIterations = true;
        break;
    }
    return limits;
}

std::uint64_t moveDraw(std::uint64_t seed, int movesPlayed) {
    std::uint64_t z = seed + 0x9e3779b97f4a7c15ULL * (static_cast<std::uint64_t>(movesPlayed) + 1);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

engine::SearchLimits gameSearchLimits(int level, std::uint64_t seed, int movesPlayed, bool bestOnly) {
    engine::SearchLimits limits = searchLimits(level);
    limits.draw = moveDraw(seed, movesPlayed);
    if (bestOnly) limits.margin = 0;
    return limits;
}

const char* const BENCH_POSITIONS[3] = {
    "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w -",
    "ln1gk1snl/1r1s1g3/p1pppp1pp/1p4p2/9/9/PPNPPPPPP/1BSGKR3/L4GSNL w Bp",
    "3gk4/9/2p1p4/9/9/9/4P1P2/9/4KG3 w SNsn",
};

SearchSignature searchSignature() {
    SearchSignature s;
    engine::Searcher searcher;
    for (const char* sfen : BENCH_POSITIONS) {
        Position parsed;
        std::string error;
        parseSfen(sfen, parsed, error);
        engine::Position p = toEngine(parsed.board, parsed.hands, !parsed.lowerToMove);
        engine::SearchLimits limits = gameSearchLimits(4, 0, 0, false);
        limits.seconds = limits.wallSeconds = 1e9;
        const engine::SearchResult r = searcher.search(p, limits);
        s.nodes += r.nodes;
        s.hash = moveDraw(s.hash ^ r.best.pack(), r.score);
    }
    return s;
}

engine::Position toEngine(const Board& board, const Hands& hands, bool upperToMove) {
    engine::Position p;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (board.at(x, y) != EMPTY) p.put(x, y, board.at(x, y));
    for (int kind = 1; kind <= 7; ++kind) {
        p.setHand(engine::LOWER, kind, hands.lower[kind]);
        p.setHand(engine::UPPER, kind, hands.upper[kind]);
    }
    p.setSide(upperToMove ? engine::UPPER : engine::LOWER);
    return p;
}

MoveRecord toRecord(const engine::Position& p, const engine::Move& m) {
    MoveRecord r;
    const int after = p.codeAfter(m);
    r.toX = engine::fileOf(m.to);
    r.toY = engine::rowOf(m.to);
    if (m.isDrop()) {
        r.fromX = p.side == engine::UPPER ? UPPER_HAND_X : LOWER_HAND_X;
        r.fromY = m.kind;
        r.before = after;
    } else {
        r.fromX = engine::fileOf(m.from);
        r.fromY = engine::rowOf(m.from);
        r.before = p.board[m.from];
        r.captured = p.board[m.to];
    }
    r.after = after;
    return r;
}

}  // namespace zelkora
