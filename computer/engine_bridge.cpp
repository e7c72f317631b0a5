#include "computer/engine_bridge.h"

namespace zelkora {

namespace {

// Node budgets: LEVEL5 takes about a third of a second on one core of this
// machine, leaving room for a busy one before the cap; LEVEL4 searches a fifth
// of that.
constexpr std::uint64_t LEVEL4_NODES = 100000;
constexpr std::uint64_t LEVEL5_NODES = 500000;
constexpr double SAFETY_SECONDS = 0.5;

}  // namespace

engine::SearchLimits searchLimits(int level) {
    engine::SearchLimits limits;
    limits.nodes = level >= 5 ? LEVEL5_NODES : LEVEL4_NODES;
    limits.seconds = SAFETY_SECONDS;
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
