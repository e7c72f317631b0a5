#include "computer/engine_bridge.h"

namespace zelkora {

namespace {

// Node budgets, measured in CPU time of one core of the reference machine:
// LEVEL5 about 0.4 s of the half second the player waits, LEVEL6 about 3 s
// (a search stops at its budget, and starts no iteration past half of it);
// LEVEL4 a fifth of LEVEL5.
constexpr std::uint64_t LEVEL4_NODES = 220000;
constexpr std::uint64_t LEVEL5_NODES = 1100000;
constexpr std::uint64_t LEVEL6_NODES = 16000000;
constexpr std::uint64_t FORMER_LEVEL5_NODES = 500000;
constexpr double HALF_SECOND = 0.5;
// LEVEL6 asks the player to wait: at most five seconds on the wall clock.
constexpr double LEVEL6_SECONDS = 5;

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
